// Reading a notice item and masking the account number in its XML; no
// database, no network.

#include <QString>
#include <QXmlStreamReader>
#include <tinyxml.h>

#include "mytixmlhandle.h"
#include "noataxdata.h"
#include "xmlguard.h"

NOATaxDataOnePerson::NOATaxDataOnePerson(const CString& noaDir, const CString& htmlFolder, int taxYear)
    : m_htmlFolder(htmlFolder), m_noaDir(noaDir), m_taxYear(taxYear)
{
}

int NOATaxDataOnePerson::parseXMLData(const TiXmlElement* item)
{
    const TiXmlElement* identifier = xmlFirstChildByLocalName(item, "IndividualTaxpayerIdentifier");
    if (!identifier) return -1;
    m_identifier = identifier->GetText() ? identifier->GetText() : "";
    // From the first summary on, any English element gives the summary; a
    // later one wins.
    for (const TiXmlElement* e = xmlFirstChildByLocalName(item, "AssessmentSummaryText"); e;
         e = e->NextSiblingElement()) {
        const char* lang = e->Attribute("xml:lang");
        if (lang && CString(lang).CompareNoCase("en") == 0) m_summary = e->GetText() ? e->GetText() : "";
    }
    m_hasT1Notice = xmlFirstChildByLocalName(item, "T1Notice") != nullptr;
    return 0;
}

CString NOATaxDataOnePerson::maskedSIN(const std::string& sin)
{
    return CString("xxxxx") + CString(sin.size() > 5 ? sin.substr(5).c_str() : "");
}

CString NOATaxDataOnePerson::htmlFilePath(const CString& masked, int uid) const
{
    // The id keeps apart two taxpayers whose S.I.N.s end alike.
    CString path;
    path.Format("%s/noa2021_%s_%d.html", m_htmlFolder.c_str(), masked.c_str(), uid);
    return path;
}

bool NOATaxDataOnePerson::maskAccountNumber(std::string& xml, const CString& masked)
{
    if (!xmlReplyIsSafe(xml.data(), xml.size())) return false;
    const QString text = QString::fromUtf8(xml.data(), int(xml.size()));
    QXmlStreamReader reader(text);
    // As every reader of the replies: a prefix the reply never declares
    // must not leave the account number unmasked.
    reader.setNamespaceProcessing(false);
    qint64 contentStart = -1;
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QStringRef qualified = reader.qualifiedName();
            const QStringRef local = qualified.mid(qualified.lastIndexOf(QLatin1Char(':')) + 1);
            if (contentStart < 0 && local == QLatin1String("MaskedAccountNumber")) {
                contentStart = reader.characterOffset();   // just after the start tag's '>'
                depth = 0;
            } else if (contentStart >= 0) {
                ++depth;
            }
        } else if (token == QXmlStreamReader::EndElement && contentStart >= 0) {
            if (depth-- > 0) continue;
            // The end tag is the last "</" before the reader's position.
            const int contentEnd = text.lastIndexOf(QLatin1String("</"), int(reader.characterOffset()) - 1);
            if (contentEnd < contentStart) return false;
            QString result = text;
            result.replace(int(contentStart), contentEnd - int(contentStart), masked.toQString());
            xml = result.toUtf8().toStdString();
            return true;
        }
    }
    return false;
}
