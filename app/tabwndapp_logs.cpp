// Plain-text logs in the run folder. Every writer opens, writes and closes:
// no log stays open between calls, so another writer may append meanwhile.

#include <QDateTime>
#include <QDir>
#include <QFile>

#include "messages.h"
#include "tabwndapp.h"
#include "utils.h"

void TabWndApp::InitRunLogFile()
{
    QFile file(m_runLogPath.toQString());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        gMsgInformation(s_appPurpose, QStringLiteral("Quillmere folder is read only!"), getMainWidget());
        return;
    }
    file.write("Log file created\n");
}

void TabWndApp::WriteRunLogFile(const char* text)
{
    WriteLogFile(m_runLogPath, text);
}

void TabWndApp::WriteLogFile(const CString& path, const char* text)
{
    QFile file(path.toQString());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return;
    QByteArray line("Log: ");
    line += QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss ")).toUtf8();
    line += text ? text : "";
    line += '\n';
    file.write(line);
}

void TabWndApp::getFilingLogFilePath(CString& out, int kind) const
{
    if (kind == 0)
        out = m_runPath + "/netfilelog.txt";
    else
        out = m_runPath + "/netfileresult" + (m_config.isTestMode() ? ".ws" : ".txt");
}

int TabWndApp::writeSuccFilingLog(const CString& name, const CString& result, const CString& confirmation,
                                  const CString& message)
{
    const CString now = GetCurTime(0);
    CString logPath;
    getFilingLogFilePath(logPath, 0);
    QFile file(logPath.toQString());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) return 0;
    // CString keeps its text as UTF-8 bytes already.
    file.write("Time: " + now.bytes() + " \n");
    file.write("Name: " + name.bytes() + "\n");
    file.write("Result: " + result.bytes() + "\n");
    file.write("Confirmation: " + confirmation.bytes() + "\n");
    file.write("Msg: " + message.bytes() + "\n\n\n");
    return 0;
}

void TabWndApp::getTDDLogFilePath(CString& out, int kind) const
{
    const QString name = kind == 0 ? QStringLiteral("tddlog.txt") : QStringLiteral("tddlog2.txt");
    out = QDir::toNativeSeparators(m_runPath.toQString() + m_separator + name);
}
