#include "styledwidgets.h"

#include <QLocale>

#include <cmath>

#include "cents.h"
#include "utils.h"

StringLineEdit::StringLineEdit(QWidget* parent) : QLineEdit(parent) {}

StyledDateEdit::StyledDateEdit(QWidget* parent) : QDateEdit(parent)
{
    setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    setCalendarPopup(true);
}

StyledCheckBox::StyledCheckBox(QWidget* parent) : QCheckBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

DoubleLineEdit::DoubleLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

double DoubleLineEdit::value() const
{
    return myStringToDouble(text().toUtf8().constData());
}

void DoubleLineEdit::setValue(double value)
{
    setText(QLocale::c().toString(value, 'f', 2));
}

bool DoubleLineEdit::readValue(double* out) const
{
    return readTypedAmount(text(), out);
}

bool readTypedAmount(const QString& typed, double* out)
{
    QString s = typed.trimmed();
    if (s.startsWith(QLatin1Char('$'))) s.remove(0, 1);
    s.remove(QLatin1Char(' '));
    if (s.isEmpty()) {
        *out = 0.0;
        return true;
    }
    // A comma only separates thousands: groups of three digits before the
    // point. "1234,56" typed with a decimal comma is refused, not read as
    // 123456.
    if (s.contains(QLatin1Char(','))) {
        const int point = s.indexOf(QLatin1Char('.'));
        const QString whole = point < 0 ? s : s.left(point);
        if (point >= 0 && s.indexOf(QLatin1Char(','), point) >= 0) return false;
        const QStringList groups = whole.split(QLatin1Char(','));
        QString first = groups.front();
        if (first.startsWith(QLatin1Char('-')) || first.startsWith(QLatin1Char('+'))) first.remove(0, 1);
        if (first.isEmpty() || first.size() > 3) return false;
        for (int i = 1; i < groups.size(); ++i)
            if (groups[i].size() != 3) return false;
        s.remove(QLatin1Char(','));
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !isUsableAmount(v)) return false;
    *out = v;
    return true;
}
