// Sending the open return's file to our support team, with the user's
// e-mail address and message, as one multipart upload.

#include <QDateTime>
#include <QFileInfo>

#include "dlgsendfileforhelp.h"
#include "form_return.h"
#include "mainwindow.h"
#include "qwebclient.h"
#include "tabwndapp.h"

namespace {
constexpr char kSupportUploadPath[] = "/php/fileupload2.php";
} // namespace

void MainWindow::on_actionSend_Return_File_to_Corvane_triggered()
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    // The file is what is sent: edits not yet saved would not reach support.
    if (!editor->hasFileToSave() || editor->isChanged()) {
        TabWndApp::gAppInformation(QStringLiteral("Please save return to a file first."), this);
        return;
    }
    DlgSendFileForHelp dlg(this);
    dlg.setWindowTitle(QStringLiteral("Send Return File for Help"));
    if (dlg.exec() != QDialog::Accepted || dlg.email().isEmpty()) return;

    bool sent = false;
    {
        MyWaitCursor wait;
        const QString product = TabWndApp::s_appTitle + QStringLiteral(" special");
        QString path;
        editor->getFilepath(path);
        const QString uploadName = QDateTime::currentDateTime().toString(QStringLiteral("MMddHHmm-"))
            + QFileInfo(path).fileName();
        const QString url = QStringLiteral("https://%1%2")
                                .arg(m_app->config().m_QuillmereWebServer.toQString(),
                                     QString::fromLatin1(kSupportUploadPath));
        QWebClient client(url, path, uploadName, QStringLiteral("file"));
        client.addQueryItem(QStringLiteral("email"), dlg.email());
        client.addQueryItem(QStringLiteral("msg"), QStringLiteral("%1\n%2").arg(product, dlg.message()));
        client.addQueryItem(QStringLiteral("path"), path);
        QString reply;
        // Only a 2xx reply means the file arrived.
        sent = client.post(reply, nullptr) && client.isSuccessStatus();
    }
    TabWndApp::gAppInformation(sent ? QStringLiteral("file is sent successfully, we will contact you at ") + dlg.email()
                                    : QStringLiteral("file is NOT sent, please contact us for solution."),
                               this);
}
