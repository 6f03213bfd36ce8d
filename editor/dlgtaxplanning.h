#pragma once
// What-if work on a copy of the return: four sliders (an RRSP deduction, a
// donation, an extra income item, an extra deduction item) write into the
// copy, which is recalculated at every step; the lines below show the result
// after and as it was before. The copy belongs to the caller.

#include <QDialog>
#include <QString>

class CFamilyTaxData;
class QLabel;
class QLineEdit;
class QSlider;

namespace Ui {
class DlgTaxPlanning;
}

class DlgTaxPlanning : public QDialog
{
    Q_OBJECT
public:
    DlgTaxPlanning(CFamilyTaxData* family, QWidget* parent);
    ~DlgTaxPlanning() override;

    // The starting amounts from the current person's return, and the "before" lines.
    void InitSomeValues();
    // Writes the amounts into the copy and recalculates it.
    void calc();
    // The "after" lines, from the copy as it stands.
    void showCurResult();

public slots:
    // Takes the four maxima from their boxes and sets the sliders.
    void onLineEditFinished();
    void onSliderRRSPChanged(int value);
    void onSliderDonationChanged(int value);
    void onSliderIncomeChanged(int value);
    void onSliderDeductionChanged(int value);

private:
    enum Row { RRSP, Donation, Income, Deduction, kRows };
    struct RowWidgets
    {
        QSlider* slider;
        QLineEdit* maximum;
        QLabel* current;
    };
    RowWidgets row(int which) const;
    void onSliderChanged(int which, int value);
    // The three result lines (current person, other spouse, family).
    void resultLines(QString lines[3]) const;

    Ui::DlgTaxPlanning* ui;
    CFamilyTaxData* m_family;
    double m_max[kRows] = {};
    double m_amount[kRows] = {};
    bool m_coupled = false;
    QString m_name;
    QString m_otherName;
};
