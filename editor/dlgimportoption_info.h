#pragma once
// The options of carrying last year's return into this year's, asked after
// the file was read and before it is converted. The caller owns the options
// and has filled them with the defaults; Cancel leaves them untouched.

#include <QDialog>

struct STRUCT_IMPORT_LASTYEAR_PARAM;

namespace Ui {
class DlgImportOption_Info;
}

class DlgImportOption_Info : public QDialog
{
    Q_OBJECT
public:
    DlgImportOption_Info(STRUCT_IMPORT_LASTYEAR_PARAM* options, QWidget* parent);
    ~DlgImportOption_Info() override;
    bool validatePage() { return true; }

private slots:
    void on_btnImport_clicked();
    void on_btnCancel_clicked();

private:
    STRUCT_IMPORT_LASTYEAR_PARAM* m_options;
    Ui::DlgImportOption_Info* ui;
};
