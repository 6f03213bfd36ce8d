// Filing the T1135 statement of the return shown. The filing front end comes
// later; until then the command says plainly that nothing was filed, and
// never reports a success.

#include "familytaxdata.h"
#include "form_return.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "tabwndapp.h"

void Form_Return::OnFileT1135()
{
    IndividualTaxData* person = m_data ? m_data->getCurIndvTaxData() : nullptr;
    if (!person || !person->GetFormData(FormType::T1135, false)) {
        TabWndApp::gAppInformation(
            QStringLiteral("This return has no Form T1135. Add the form to the return before filing it online."),
            this);
        return;
    }
    TabWndApp::gAppInformation(
        QStringLiteral("This version of Quillmere cannot file Form T1135 online yet. Nothing was sent."), this);
}
