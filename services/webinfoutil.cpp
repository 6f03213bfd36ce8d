#include "webinfoutil.h"

#include "deploymentdata.h"
#include "qwebclient.h"

int CWebInfoUtil::getInfoByTwoKeyWords(const char* keyword1, const char* keyword2, CString& text)
{
    try {
        QWebClient client(QStringLiteral("https://%1/phpproj/pfweb/info/quillmereinfo.php")
                              .arg(CDeploymentData::makerWebHost().toQString()),
                          false);
        client.addQueryItem(QStringLiteral("kw1"), QString::fromUtf8(keyword1 ? keyword1 : ""));
        client.addQueryItem(QStringLiteral("kw2"), QString::fromUtf8(keyword2 ? keyword2 : ""));
        QString reply;
        // A failed exchange leaves the reply empty, which holds no code.
        client.post(reply, nullptr);
        return readInfoReply(reply, text);
    } catch (...) {
        return kException;
    }
}
