#pragma once
// Chooses which person of a coupled return to keep; on OK the other
// person's return is taken out and the kept one becomes a single return.

#include <QDialog>

class CFamilyTaxData;

namespace Ui {
class DlgDeCoupleReturn;
}

class DlgDeCoupleReturn : public QDialog
{
    Q_OBJECT
public:
    DlgDeCoupleReturn(CFamilyTaxData* data, QWidget* parent);
    ~DlgDeCoupleReturn() override;

private slots:
    void on_buttonBox_accepted();

private:
    CFamilyTaxData* m_data;
    Ui::DlgDeCoupleReturn* ui;
};
