// The events the form pages post to their editor.

#include "familytaxdata.h"
#include "form_return.h"
#include "formtables.h"
#include "tabwndapp.h"
#include "taxformevents.h"

namespace {

QString formShortName(int type)
{
    const FormInfo* info = formInfo(type);
    return info ? QString::fromUtf8(info->shortName) : QString::number(type);
}

constexpr int kT183 = 96;
constexpr int kRC71 = 53;

} // namespace

bool Form_Return::event(QEvent* event)
{
    switch (int(event->type())) {
    case TaxFormEvent::Refresh:
        refreshPages();
        return true;
    case TaxFormEvent::ForwardEdit: {
        const int type = static_cast<EventForwardEdit*>(event)->formType();
        if (TabWndApp::gAppQuestion(QStringLiteral("Do you want to go to form [%1]").arg(formShortName(type)), this))
            forwardTaxFormThere(type);
        return true;
    }
    case TaxFormEvent::T183Sign:
        OnSubmitPenvaultForm(kT183);
        return true;
    case TaxFormEvent::T183SignStatus:
        OnGetPenvaultFormTime(kT183);
        refreshPages();
        return true;
    case TaxFormEvent::RC71Sign:
        OnSubmitPenvaultForm(kRC71);
        return true;
    case TaxFormEvent::RC71SignStatus:
        OnGetPenvaultFormTime(kRC71);
        refreshPages();
        return true;
    case TaxFormEvent::CopyPreparer:
        m_data->CopyTaxPreparerInfo();
        refreshPages();
        return true;
    case TaxFormEvent::CopyMailingAddress:
        if (m_data->SyncMailingAddrToSpouseReturn() != 0)
            TabWndApp::gAppInformation(QStringLiteral("Mailing address is copied into spouse's return!"), this);
        return true;
    default:
        return QWidget::event(event);
    }
}
