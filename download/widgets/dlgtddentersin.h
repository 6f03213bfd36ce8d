#pragma once
// Asks for up to ten S.I.N.s before a download. Every filled field must hold
// a valid S.I.N.; the valid ones go back in field order as nine digits, the
// form the agency's items are matched by.

#include <QDialog>
#include <list>
#include <string>

class QLineEdit;

namespace Ui {
class DlgTDDEnterSin;
}

class DlgTDDEnterSin : public QDialog
{
    Q_OBJECT

public:
    // `sins` pre-fills the fields in order (beyond ten are ignored) and
    // receives the accepted S.I.N.s; it is left as it was on Cancel.
    DlgTDDEnterSin(std::list<std::string>& sins, QWidget* parent);
    ~DlgTDDEnterSin() override;

public slots:
    // Closes only when every filled field holds a valid S.I.N.; otherwise
    // names the first invalid field's text and stays open.
    void accept() override;

private:
    Q_DISABLE_COPY(DlgTDDEnterSin)
    Ui::DlgTDDEnterSin* ui;
    QLineEdit* m_fields[10];
    std::list<std::string>& m_sins;
};
