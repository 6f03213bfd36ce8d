#pragma once
// The preferences: default folders, the tax preparer's details, the
// assessment contacts, printing and backup choices and the e-signature
// account, stored only when applied. It can also ask the e-signature service
// how many points the account holds.

#include <QDialog>

namespace Ui {
class PreferenceDlg;
}

class QLineEdit;

class PreferenceDlg : public QDialog
{
    Q_OBJECT

public:
    explicit PreferenceDlg(QWidget* parent);
    ~PreferenceDlg() override;

    // One opening of the dialog sends at most this many account checks.
    static constexpr int kMaxPointChecks = 3;

private slots:
    void on_btnBrowseRetFilesFolder_clicked();
    void on_btnBrowsePdfFilesFolder_clicked();
    void on_btnApply_clicked();
    void on_btnCancel_clicked();
    void onBtnCheckPointsClicked();

private:
    Q_DISABLE_COPY(PreferenceDlg)
    void fillFromSettings();
    void fillDeploymentTexts();
    void chooseFolder(QLineEdit* edit);
    // The message for the service's reply; empty when it holds nothing known.
    QString pointsMessage(const QString& reply) const;

    Ui::PreferenceDlg* ui;
    int m_pointChecks = 0;
};
