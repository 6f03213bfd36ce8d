#include "styledwidgets.h"

#include <QLocale>

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
