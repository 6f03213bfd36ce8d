// The editor's check of a single form on its own, apart from the return:
// only the T1135 statement has one, as its filing goes by itself.

#include <memory>

#include "dlgvalidationmsgs.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "formtypes.h"
#include "returnitems.h"
#include "tabwndapp.h"

namespace {

// Owns the result items, so they are freed on every path out.
struct ValidationItems
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    ~ValidationItems()
    {
        for (_STRUCT_FORM_VALIDATE_INFO* item : items) delete item;
    }
};

} // namespace

int Form_Return::ValidateTaxForm(unsigned char mode, ENUMTYPE_FORM type, bool showPass, bool ask)
{
    ValidationItems result;
    if (type == FormType::T1135) m_data->ValidateT1135(mode, result.items);
    const int count = int(result.items.size());

    if (count < 1) {
        if (showPass)
            TabWndApp::gAppInformation(QStringLiteral("Form passes validation check, there are no errors found."),
                                       this);
        return 0;
    }
    if (!ask
        || TabWndApp::gAppQuestion(
            QStringLiteral("Form contains validation errors. Do you want to view the validation errors?"), this)) {
        DlgValidationMsgs dialog(this);
        dialog.loadValErrors(QStringLiteral("T1135"), result.items, false, QString(), {});
        dialog.exec();
    }
    return count;
}
