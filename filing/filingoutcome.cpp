#include "filingoutcome.h"

#include <QDateTime>

#include "dlgfilingresult.h"
#include "tabwndapp.h"

namespace FilingOutcome {

CString logPath(int kind)
{
    CString path;
    TabWndApp::getMainApp()->getFilingLogFilePath(path, kind);
    return path;
}

QString failureDetails(const QString& what, int code)
{
    return QStringLiteral("Msg: %1; Code: %2.").arg(what).arg(code);
}

QString noConnection()
{
    return QStringLiteral("cannot connect to CRA server, check firewall and CRA system status");
}

QString mayHaveReached()
{
    return QStringLiteral("No reply came from CRA after the return was sent, so the return may have reached CRA. "
                          "Check whether CRA received it (in My Account, or by calling CRA) before you send it "
                          "again: sending it again could file it twice.");
}

QString notConfirmed()
{
    return QStringLiteral("not confirmed: no reply from CRA after the return was sent");
}

QString noConfirmationNumber()
{
    return QStringLiteral("CRA accepted the return, but its reply holds no confirmation number. Keep this message, "
                          "and check in My Account that the return was received before you file it again.");
}

void show(QWidget* parent, const QString& title, const QString& header, const QString& details, const QString& bottom,
          const CString& path)
{
    DlgFilingResult result(title, parent);
    result.setMsg(header, details, bottom, path.toQString());
    result.exec();
}

QString now()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace FilingOutcome
