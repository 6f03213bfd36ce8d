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
    QString s = text().trimmed();
    if (s.startsWith(QLatin1Char('$'))) s.remove(0, 1);
    s.remove(QLatin1Char(','));
    s.remove(QLatin1Char(' '));
    if (s.isEmpty()) {
        *out = 0.0;
        return true;
    }
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    if (!ok || !isUsableAmount(v)) return false;
    *out = v;
    return true;
}
