#include "appconfig.h"

#include <QFile>

namespace {
// -1 when the text is no yes/no value.
int yesNo(const QByteArray& value)
{
    const QByteArray v = value.toLower();
    if (v == "yes" || v == "true" || v == "on" || v == "1" || v == "y") return 1;
    if (v == "no" || v == "false" || v == "off" || v == "0" || v == "n" || v.isEmpty()) return 0;
    return -1;
}
}

bool CAppConfig::readConfigFile(const char* path)
{
    QFile file(QString::fromUtf8(path ? path : ""));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray content = file.readAll();
    file.close();

    for (QByteArray line : content.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';') || line.startsWith('[')) continue;
        const int eq = line.indexOf('=');
        if (eq <= 0) continue;
        const std::string key = line.left(eq).trimmed().toStdString();
        const QByteArray value = line.mid(eq + 1).trimmed();
        auto text = m_textKeys.find(key);
        if (text != m_textKeys.end()) {
            *text->second = CString(value);
            continue;
        }
        auto flag = m_yesNoKeys.find(key);
        if (flag != m_yesNoKeys.end()) {
            const int v = yesNo(value);
            if (v >= 0) *flag->second = (v == 1);
        }
    }
    afterReadConfigFile();
    return true;
}
