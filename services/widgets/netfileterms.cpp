#include "netfileterms.h"

#include "deploymentdata.h"
#include "dlgfilingterm.h"
#include "netfileclient.h"
#include "tabwndapp.h"

namespace {
constexpr int kNetfileTerms = 1;
constexpr int kRefileTerms = 2;
}

int NetfileSOAP_request1(int& agreement, bool refile, QWidget* parent)
{
    StructNetfileSoapResult terms;
    int rc = 0;
    {
        MyWaitCursor wait;
        rc = NetfileSOAP_request1_internal(&terms, refile);
    }
    if (rc != 0) {
        TabWndApp::gAppInformation(
            QStringLiteral("Msg: %1; Code: %2.").arg(QStringLiteral("Error in connecting to CRA server.")).arg(rc),
            nullptr);
        return rc;
    }

    QString text = terms.message.toQString();
    QString link = terms.resultCode.toQString();
    if (refile)
        link = CDeploymentData::agencyRefileTermsUrl();
    else
        text.replace(QStringLiteral("REFILE"), QStringLiteral("NETFILE"));

    ensureAgencyTemplates();
    DlgFilingTerm dialog(refile ? kRefileTerms : kNetfileTerms, parent);
    dialog.setMsg(text, link, terms.confirmationCode.toQString(), ":/net/net/netfileterm.txt");
    if (dialog.exec() == QDialog::Accepted) {
        agreement = 1;
        return 0;
    }
    agreement = 2;
    return 10;
}
