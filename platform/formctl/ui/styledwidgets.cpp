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
    // Blanks group thousands as French-Canadians write them ("1 234,56"),
    // with the no-break blanks their keyboards and spreadsheets put there.
    s.remove(QLatin1Char(' '));
    s.remove(QChar(0x00A0));
    s.remove(QChar(0x202F));
    if (s.isEmpty()) {
        *out = 0.0;
        return true;
    }
    if (s.contains(QLatin1Char(','))) {
        const int comma = s.lastIndexOf(QLatin1Char(','));
        const int after = s.size() - comma - 1;
        if (after == 1 || after == 2) {
            // A comma before the last one or two digits is the decimal mark
            // ("150,75", "1234,5"): only when it is the one mark of the number,
            // since "1,234,56" or "1.234,56" could mean either.
            if (s.count(QLatin1Char(',')) != 1 || s.contains(QLatin1Char('.'))) return false;
            s[comma] = QLatin1Char('.');
        } else {
            // Otherwise a comma groups thousands: groups of three digits
            // before the point ("1,234", "1,234,567.89").
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
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !isUsableAmount(v)) return false;
    *out = v;
    return true;
}

QString unreadableAmountText(const QString& typed)
{
    return QStringLiteral("\"%1\" is not an amount. Type the cents after a point or a comma (150.75 or 150,75); "
                          "commas or blanks may group thousands (1,234 or 1 234).")
        .arg(typed.trimmed());
}
