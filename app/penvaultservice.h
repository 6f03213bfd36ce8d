#pragma once
// The e-signature and e-delivery service as the return editor and the
// printing reach it. The client itself lives above them (services/); the
// program installs it at start, so the editor links no network code. With
// none installed every operation says the service is not available.

#include <QString>

#include "cstring.h"
#include "enumtypes.h"

class IndividualTaxData;
class QObject;

class PenvaultService
{
public:
    virtual ~PenvaultService() = default;

    // E-delivery of the PDF at pdfPath to toEmail.
    virtual void submitDocDelivery(ENUMTYPE_FORM form, const QString& toEmail, const CString& sin,
                                   const CString& name, const CString& pdfPath, QObject* parent) = 0;
    // Signing request for the PDF; the request's identifier goes into the
    // person's T183 (form type 96) or RC71 (any other type).
    virtual void submitFormType(IndividualTaxData* person, ENUMTYPE_FORM form, bool withPagePosition,
                                const QString& toEmail, const CString& sin, const CString& name,
                                const CString& pdfPath, QObject* parent) = 0;
    // Status query for the person's RC71 (53) or T183 (96). True when a
    // signing time was stored, so the form pages need refreshing.
    virtual bool getFormTime(IndividualTaxData* person, ENUMTYPE_FORM form, QObject* parent) = 0;
    // Filing record of a submission; 0, -1, -99 or -100.
    virtual int sendFilingRecord(const IndividualTaxData* person, int form, bool accepted,
                                 const QString& confirmation, const QString& message) = 0;

    // The installed service (not owned), or null.
    static void install(PenvaultService* service);
    static PenvaultService* installed();
};
