#pragma once
// One taxpayer's Express notice of assessment from a notice download. With a
// T1 notice, our rendering service turns the notice XML into an HTML page,
// written to a file of the notice folder; without one, a short message for
// the user takes the file's place. Either way one row of tb_taxnoa per
// taxpayer and tax year holds the notice XML (account number masked).

#include <cstdio>
#include <string>

#include "cstring.h"

class QSqlDatabase;
class TiXmlElement;

class NOATaxDataOnePerson
{
public:
    NOATaxDataOnePerson(const CString& noaDir, const CString& htmlFolder, int taxYear);
    virtual ~NOATaxDataOnePerson() = default;

    // 0, or -1 when the item has no IndividualTaxpayerIdentifier (matched by
    // local name, like every element here).
    int parseXMLData(const TiXmlElement* item);

    // Stores the notice; `xml` (the whole reply of this notice) has its
    // account number masked in place. 1 when the row was stored, else 0.
    int saveToSqliteDB(QSqlDatabase* db, FILE* log, const std::string& sin, std::string& xml);
    // Asks the rendering service for the notice's page and writes it to
    // `path`: 0 when written; -1 when the service gave no page, and then no
    // file of that name is left. Runs on the calling (worker) thread.
    int toHtmlFileXslt2(CString& path, const char* maskedSin, const char* name, const char* created,
                        std::string& xml, FILE* log);
    // Replaces the taxpayer's row of that year in one transaction; false
    // (the earlier row kept) when it could not.
    static bool updateNOADataForSIN(QSqlDatabase* db, int uid, const char* time, const char* data, const char* path,
                                    int year);

    // The S.I.N. with its first five characters shown as "xxxxx".
    static CString maskedSIN(const std::string& sin);
    // Replaces the text of the first MaskedAccountNumber element (any
    // prefix) by `masked`, leaving every other byte as it was; false with
    // `xml` unchanged when there is none or the XML cannot be read.
    static bool maskAccountNumber(std::string& xml, const CString& masked);
    // The notice's file: "<folder>/noa2021_<masked S.I.N.>_<taxpayer id>.html".
    CString htmlFilePath(const CString& masked, int uid) const;

    // The rendering service's path on our web host.
    static constexpr const char* kRenderPath = "/expnoaserv/ExpNOAServ";

    const std::string& identifier() const { return m_identifier; }
    const std::string& summary() const { return m_summary; }
    bool hasT1Notice() const { return m_hasT1Notice; }

private:
    CString m_htmlFolder;
    CString m_noaDir;   // kept, not used
    int m_taxYear;
    std::string m_identifier;
    std::string m_summary;
    bool m_hasT1Notice = false;
};
