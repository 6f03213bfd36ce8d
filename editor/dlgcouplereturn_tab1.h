#pragma once
// The one page of the Couple Returns wizard: two single return files, the
// first file's taxpayer staying the taxpayer, the second's becoming the spouse.

#include <QString>

#include "ppgwizardpage.h"

class TabWndApp;

namespace Ui {
class DlgCoupleReturn_tab1;
}

class DlgCoupleReturn_tab1 : public PpgWizardPage
{
    Q_OBJECT
public:
    DlgCoupleReturn_tab1(TabWndApp* app, QWidget* parent);
    ~DlgCoupleReturn_tab1() override;

    // Nothing is bound: the two paths are read when the page is validated.
    void AssociateFormData() override {}
    // Both paths must name existing files, and two different ones.
    bool validatePage() override;
    bool browseToGetFilename(QString& path);

    QString firstFile() const { return m_file1; }
    QString secondFile() const { return m_file2; }

private slots:
    void on_btnBtn1_clicked();
    void on_btnBtn2_clicked();

private:
    TabWndApp* m_app;
    QString m_file1;
    QString m_file2;
    Ui::DlgCoupleReturn_tab1* ui;
};
