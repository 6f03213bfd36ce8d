// The T1135 statement's XML: the opening part with the software's
// identification, the form's own parts, and the closing part.

#include "deploymentdata.h"
#include "efileresources.h"
#include "familytaxdata.h"
#include "filingsettings.h"
#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "templateprocessor.h"
#include "xmlstring.h"

namespace {

// The statement's own software revision: it was certified apart from the
// return, on this date, whatever the return's configured date.
const char* const kT1135SoftwareRevisionDate = "2022-03-02";

const char* const kPart1 = ":/net/net/t1135part1.xmt";
const char* const kPart2 = ":/net/net/t1135part2.xmt";
const char* const kPart3 = ":/net/net/t1135part3.xmt";
const char* const kPartEnd = ":/net/net/t1135partend.xmt";

bool loadTemplate(std::map<std::string, std::string>& values, const char* key, const char* resource)
{
    QByteArray text;
    if (loadFileToString(QString::fromLatin1(resource), text) != 0) return false;
    values[key] = text.toStdString();
    return true;
}

} // namespace

int IndividualTaxData::getT1135XMLPart1(FILE* out, std::map<std::string, std::string>& values)
{
    ensureEfileTemplates();
    // "M" marks the statement in both editions; the return's own letters
    // tell NETFILE from EFILE.
    values["swcode"] = std::string(xmlEscaped(filingSettings().NetfileSoftwareCode.toQString()).c_str()) + "M";
    values["swrevdate"] = kT1135SoftwareRevisionDate;
    values["nshost"] = CDeploymentData::agencyNamespaceHost().c_str();
    return processTemplatePart(out, kPart1, values, 0);
}

int IndividualTaxData::getT1135XMLPartEnd(FILE* out, std::map<std::string, std::string>& values)
{
    ensureEfileTemplates();
    return processTemplatePart(out, kPartEnd, values, 0);
}

int IndividualTaxData::getT1135XMLContent(FILE* out)
{
    auto* statement = dynamic_cast<TaxData_T1135New*>(GetFormData(FormType::T1135, false));
    if (!statement) return -100;
    ensureEfileTemplates();
    std::map<std::string, std::string> values;
    if (!loadTemplate(values, "t1135part1", kPart1) || !loadTemplate(values, "t1135part2", kPart2)
        || !loadTemplate(values, "t1135part3", kPart3) || !loadTemplate(values, "t1135partend", kPartEnd))
        return -1;
    int rc = getT1135XMLPart1(out, values);
    if (rc == 0) rc = statement->getT1135XMLContent(out, values);
    if (rc == 0) rc = getT1135XMLPartEnd(out, values);
    return rc;
}

int CFamilyTaxData::getT1135XMLContent(FILE* out)
{
    IndividualTaxData* person = getCurIndvTaxData();
    return person ? person->getT1135XMLContent(out) : -100;
}
