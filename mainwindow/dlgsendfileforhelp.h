#pragma once
// Asks for the e-mail address and short message that go with a return file
// sent to our support team. It only collects and checks: the main window
// makes the upload.

#include <QDialog>
#include <QString>

namespace Ui {
class DlgSendFileForHelp;
}

class DlgSendFileForHelp : public QDialog
{
    Q_OBJECT

public:
    explicit DlgSendFileForHelp(QWidget* parent);
    ~DlgSendFileForHelp() override;

    // Both are set only by an accepted dialog.
    QString email() const { return m_email; }
    QString message() const { return m_msg; }

public slots:
    // Closes only with an address that looks like one; else says so and stays.
    void accept() override;

private:
    Q_DISABLE_COPY(DlgSendFileForHelp)
    QString m_email;
    QString m_msg;
    Ui::DlgSendFileForHelp* ui;
};
