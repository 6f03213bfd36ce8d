#pragma once
// The input widgets the program's pages are built from.

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>

class StringLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit StringLineEdit(QWidget* parent = nullptr);
};

// Dates shown as "yyyy/MM/dd" with a calendar pop-up.
class StyledDateEdit : public QDateEdit
{
    Q_OBJECT
public:
    explicit StyledDateEdit(QWidget* parent = nullptr);
};

class StyledCheckBox : public QCheckBox
{
    Q_OBJECT
public:
    explicit StyledCheckBox(QWidget* parent = nullptr);
};

// An amount: shown with two decimals, read by readTypedAmount whatever the
// user's locale.
class DoubleLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DoubleLineEdit(QWidget* parent = nullptr);
    double value() const;
    void setValue(double value);
    // The amount typed: false, and `out` untouched, when the text is not a
    // number (a blank reads as 0).
    bool readValue(double* out) const;
};

// An amount as typed ("$1,234.56", "1 234,56"; a blank reads as 0): a comma
// before the last one or two digits is the decimal mark, a comma before
// three digits groups thousands. False, and `out` untouched, when it is no
// number, its commas are neither, or it is beyond any return.
bool readTypedAmount(const QString& typed, double* out);
// What a page says of a typed text readTypedAmount refuses.
QString unreadableAmountText(const QString& typed);
