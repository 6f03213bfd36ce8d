#include "dlgsendfileforhelp.h"

#include <QRegExp>

#include "prompt.h"
#include "tabwndapp.h"
#include "ui_dlgsendfileforhelp.h"

DlgSendFileForHelp::DlgSendFileForHelp(QWidget* parent) : QDialog(parent), ui(new Ui::DlgSendFileForHelp)
{
    ui->setupUi(this);
}

DlgSendFileForHelp::~DlgSendFileForHelp()
{
    delete ui;
}

void DlgSendFileForHelp::accept()
{
    const QString email = ui->edtEmail->text();
    // The whole text must match; a top-level part of two to four letters.
    const QRegExp pattern(QStringLiteral("\\b[A-Z0-9._%+-]+@[A-Z0-9.-]+\\.[A-Z]{2,4}\\b"), Qt::CaseInsensitive);
    if (!pattern.exactMatch(email)) {
        TabWndApp::gAppInformation(QStringLiteral("please enter a valid email address."), this);
        return;
    }
    m_email = email;
    m_msg = ui->edtMsg->toPlainText();
    QDialog::accept();
}
