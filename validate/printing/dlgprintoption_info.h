#pragma once
// What to print: a client copy or the condensed print, and for a client copy
// the current form only, the client letter, the whole S.I.N. and an invoice.
// The answers stay in static members from one print to the next.

#include <memory>

#include <QDialog>

namespace Ui { class DlgPrintOption_Info; }

class DlgPrintOption_Info : public QDialog
{
    Q_OBJECT
public:
    static int m_iPrintOption;        // 1 condensed print, 0 client copy
    static int m_iPrintCurForm;       // 1 only the form selected in the tree
    static int m_iPrintClientLetter;  // 1 add the client letter; -1 before the first dialog
    static int m_iPrintFullSIN;       // 1 the whole S.I.N.
    static int m_iPrintReceipt;       // 1 add an invoice

    // The user setting PrntClientLetter, which the dialog starts from; the
    // program points it at its configuration.
    static const int* s_clientLetterSetting;

    DlgPrintOption_Info(bool testMode, QWidget* parent);
    ~DlgPrintOption_Info() override;

    bool validatePage() { return true; }
    bool testMode() const { return m_testMode; }

    // The report flags of the stored answers: 36 client letter, 8 invoice, 16 whole S.I.N.
    static int printFlags();

private slots:
    void on_btnPrint_clicked();
    void on_btnCancel_clicked();

private:
    std::unique_ptr<Ui::DlgPrintOption_Info> ui;
    bool m_testMode;
};
