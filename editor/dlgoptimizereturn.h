#pragma once
// The optimiser's result on its copy of a coupled return, with sliders to try
// other pension and donation splits on that copy. The caller writes the best
// pension split into the real return when the dialog is accepted.

#include <QDialog>

class CFamilyTaxData;
class DataShareAmtDlg;

namespace Ui {
class DlgOptimizeReturn;
}

class DlgOptimizeReturn : public QDialog
{
    Q_OBJECT
public:
    // Neither the copy nor the holder passes to the dialog.
    DlgOptimizeReturn(CFamilyTaxData* family, DataShareAmtDlg* shares, QWidget* parent);
    ~DlgOptimizeReturn() override;

    // The split the optimiser left in the copy, whatever the slider shows.
    double bestPensionSplit() const { return m_bestSplit; }

    // The split amounts into the copy's forms, and the copy recalculated.
    void ReCalculate();
    // Sliders, boxes and current-result lines from the amounts.
    void updateResult();
    // The start values back, recalculated.
    void on_btnReCalc();

public slots:
    void onSliderPensionChanged(int value);
    void onSliderDonationChanged(int value);
    void on_btnOptimize_clicked();
    void on_btnClose_clicked();

protected:
    void showEvent(QShowEvent* event) override;

private:
    CFamilyTaxData* m_family;
    DataShareAmtDlg* m_shares;
    double m_maxPension = 0;
    double m_totalDonations = 0;
    double m_pensionSplit = 0;
    double m_donation1 = 0;
    double m_bestSplit = 0;
    double m_startDonation = 0;
    bool m_shown = false;
    Ui::DlgOptimizeReturn* ui;
};
