// The editor's commands that change what the return holds: adding forms,
// slips and notes, sharing with the spouse, removing, reordering, moving to
// another province and de-coupling. Each ends with the tree and the result
// lines in step with the return.

#include <QComboBox>
#include <QTreeWidgetItem>

#include "addtaxformdlg.h"
#include "dlgchangeformorder.h"
#include "dlgchangeprov_tab1.h"
#include "dlgdecouplereturn.h"
#include "familytaxdata.h"
#include "folderview.h"
#include "form_return.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "returnfile.h"
#include "tabwndapp.h"
#include "taxdataform.h"
#include "ui_form_return.h"
#include "wizardbase.h"

namespace {

const char* const kSharingNeedsCouple = "Sharing tax form/slip can only be done in a coupled return file.";
const char* const kShared =
    "Tax form/slip is shared to spouse's return, make sure shared tax forms are claimed properly.";

void tell(const char* text, QWidget* parent)
{
    TabWndApp::gAppInformation(QString::fromUtf8(text), parent);
}

// An amount the user (or a download) put in: calculated lines and starting
// values such as a slip's 100 percent share do not count.
bool holdsEnteredAmounts(const CTaxData_Form& item)
{
    for (const CField* field : item.fields().all()) {
        if (field->GetType() != CField::Float || field->IsCalculated() || field->IsDefault()) continue;
        if (qAbs(static_cast<const CFloatField*>(field)->GetValue()) >= CFloatField::kTolerance) return true;
    }
    return false;
}

// The return file keeps at most so many items of a list for a person: one
// more would be saved, then refused as damaged when the file is read again.
bool listIsFull(size_t count, int most, const char* what, QWidget* parent)
{
    if (count < size_t(most)) return false;
    TabWndApp::gAppInformation(Form_Return::listFullText(what, most), parent);
    return true;
}

QString provinceName(ENUMTYPE_PROVINCE province)
{
    const ProvInfo* info = provInfo(province);
    return info ? QString::fromUtf8(info->displayText) : QString::number(province);
}

QString noProvincialLibraryText(ENUMTYPE_PROVINCE wanted, ENUMTYPE_PROVINCE kept)
{
    if (wanted == PROV_NONE)
        return QStringLiteral("A return needs its province or territory of residence: the tax province stays %1.")
            .arg(provinceName(kept));
    return QStringLiteral("This program cannot work out a return for %1: the tax province stays %2.")
        .arg(provinceName(wanted), provinceName(kept));
}

} // namespace

QString Form_Return::removeHoldingAmountsText(const QString& itemName)
{
    // The item's name may hold typed text: it never opens the message, which
    // would then be read as markup.
    return QStringLiteral("Remove %1? It holds amounts that will be taken out of the return.").arg(itemName);
}

CTaxData_Form* Form_Return::selectedObject(int kind) const
{
    int selectedKind = -1, type = 0, id = 0;
    FolderView* tree = ui->treeFolderView;
    tree->getSelectedData(selectedKind, type, id);
    if (selectedKind != kind) return nullptr;
    auto* item = static_cast<TreeItem*>(tree->getSelected());
    void* record = item ? item->getItemData() : nullptr;
    if (!record) return nullptr;
    switch (kind) {
    case FROM_FORM: return static_cast<STRUCT_FORMDATA_ITEM_2004*>(record)->object;
    case FROM_SLIP: return static_cast<STRUCT_SLIPDATA_ITEM_2004*>(record)->object;
    case FROM_NOTE: return static_cast<STRUCT_NOTEDATA_ITEM_2004*>(record)->object;
    default: return nullptr;
    }
}

void Form_Return::afterReturnChanged()
{
    if (m_curForm && !isListed(m_curForm)) destroyFormTabs();
    refreshPages();
}

// ------------------------------------------------------------ adding

void Form_Return::addTaxForm()
{
    std::list<unsigned int> provinces;
    m_data->GetActiveProvinces(provinces);
    AddTaxFormDlg dialog(provinces, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const ENUMTYPE_FORM type = dialog.getSelectedForm();
    if (type == 0) return;
    if (!IsMultipleForm(type) && m_data->HasForm(type)) {
        tell("This tax form already exists in the tax return.", window());
        return;
    }
    const IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (person && listIsFull(person->forms().size(), ReturnFile::kMaxForms, "forms", window())) return;
    if (!m_data->NewFormDataItem(type, 0, true, 0, true)) {
        tell("Add form failed!", window());
        return;
    }
    onSignalCalc(nullptr, nullptr);
    resyncForms();
    ui->treeFolderView->SyncSlipsNotesName();
}

QString Form_Return::listFullText(const char* what, int most)
{
    return QStringLiteral("This return holds as many %1 as a return file keeps for one person (%2). Remove one "
                          "before adding another.")
        .arg(QLatin1String(what))
        .arg(most);
}

void Form_Return::addTaxSlip(ENUMTYPE_SLIP type)
{
    const IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (person && listIsFull(person->slips().size(), ReturnFile::kMaxSlips, "slips", window())) return;
    STRUCT_SLIPDATA_ITEM_2004* item = m_data->NewSlipData(type, 0, 0);
    if (!item) return;
    ui->treeFolderView->SyncFromSlipData();
    ui->treeFolderView->ShowItem(FROM_SLIP, item->uniqueId);
}

void Form_Return::addTaxNote()
{
    const IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (person && listIsFull(person->notes().size(), ReturnFile::kMaxNotes, "notes", window())) return;
    STRUCT_NOTEDATA_ITEM_2004* item = m_data->NewNoteData(0);
    if (!item) return;
    FolderView* tree = ui->treeFolderView;
    tree->SyncFromNoteData();
    // Notes all start with identifier 0: the new one is found by its record.
    for (int i = 0; i < tree->notesRoot()->childCount(); ++i) {
        auto* child = static_cast<TreeItem*>(tree->notesRoot()->child(i));
        if (child->getItemData() == item) tree->setCurrentItem(child);
    }
}

// ------------------------------------------------------------ sharing

void Form_Return::shareSelectedForm()
{
    if (!m_data->IsCoupledReturn()) {
        tell(kSharingNeedsCouple, window());
        return;
    }
    int kind = -1, type = 0, id = 0;
    ui->treeFolderView->getSelectedData(kind, type, id);
    if (kind != FROM_FORM) return;
    auto* item = static_cast<STRUCT_FORMDATA_ITEM_2004*>(static_cast<TreeItem*>(ui->treeFolderView->getSelected())->getItemData());
    CTaxData_Form* form = item->object;
    if (!form || !IsFormSharable(form->getType()) || item->sharedId > 0) {
        tell("This tax form cannot be shared.", window());
        return;
    }
    m_data->ShareTaxFormWithSpouse(form, 0);
    m_data->Calculate(FROM_FORM, form);
    afterReturnChanged();
    resyncForms();
    ui->treeFolderView->SyncSlipsNotesName();
    tell(kShared, window());
}

void Form_Return::unshareSelectedForm()
{
    if (!m_data->IsCoupledReturn()) return;
    CTaxData_Form* form = selectedObject(FROM_FORM);
    if (!form || !m_data->IsTaxFormSharedWithSpouse(form)) return;
    m_data->UnShareTaxFormWithSpouse(form);
    m_data->Calculate(FROM_FORM, form);
    afterReturnChanged();
    ui->treeFolderView->SyncFormsName();
    ui->treeFolderView->SyncSlipsNotesName();
    tell("Tax form is unshared from spouse's return.", window());
}

void Form_Return::shareSelectedSlip()
{
    if (!m_data->IsCoupledReturn()) {
        tell(kSharingNeedsCouple, window());
        return;
    }
    int kind = -1, type = 0, id = 0;
    ui->treeFolderView->getSelectedData(kind, type, id);
    if (kind != FROM_SLIP) return;
    CTaxData_Form* slip = selectedObject(FROM_SLIP);
    if (!slip || !IsSlipSharable(slip->getType()) || m_data->IsTaxSlipSharedWithSpouse(slip)) {
        tell("This tax slip cannot be shared.", window());
        return;
    }
    m_data->ShareTaxSlipWithSpouse(slip, 0);
    const int changed = m_data->Calculate(FROM_SLIP, slip);
    afterReturnChanged();
    if (changed != 0)
        resyncForms();
    else
        ui->treeFolderView->SyncFormsName();
    ui->treeFolderView->SyncFromSlipData();
    tell(kShared, window());
}

void Form_Return::unshareSelectedSlip()
{
    if (!m_data->IsCoupledReturn()) {
        tell(kSharingNeedsCouple, window());
        return;
    }
    CTaxData_Form* slip = selectedObject(FROM_SLIP);
    if (!slip || !m_data->IsTaxSlipSharedWithSpouse(slip)) return;
    m_data->UnShareTaxSlipWithSpouse(slip);
    m_data->Calculate(FROM_SLIP, slip);
    afterReturnChanged();
    ui->treeFolderView->SyncFormsName();
    ui->treeFolderView->SyncFromSlipData();
    tell("Tax slip is unshared from spouse's return.", window());
}

// ------------------------------------------------------------ removing

void Form_Return::removeSelected()
{
    int kind = -1, type = 0, id = 0;
    FolderView* tree = ui->treeFolderView;
    tree->getSelectedData(kind, type, id);
    CTaxData_Form* object = selectedObject(kind);
    if (!object) return;

    // Taking the tree item out moves the selection to its neighbour: nothing
    // is shown meanwhile, and nothing stays selected after, since a selected
    // item that is not shown would not show on a click, and the resync below
    // (a removed form may take a companion form with it) would move it again
    // and show what it lands on.
    auto takeOut = [this, tree] {
        m_busy = true;
        const bool taken = tree->removeSelected();
        if (taken) tree->setCurrentItem(nullptr);
        m_busy = false;
        if (taken) destroyFormTabs();
        return taken;
    };
    // One click must not throw away typed amounts: a shared item has its
    // own question, any other one holding amounts is asked about.
    auto confirmLoss = [this, object] {
        return !holdsEnteredAmounts(*object)
            || TabWndApp::gAppQuestion(Form_Return::removeHoldingAmountsText(object->GetDisplayName().toQString()), window());
    };
    bool formRemoved = false, slipRemoved = false;
    if (kind == FROM_NOTE) {
        if (takeOut()) m_data->RemoveNoteData(object);
    } else if (kind == FROM_SLIP) {
        if (m_data->IsTaxSlipSharedWithSpouse(object)) {
            if (!TabWndApp::gAppQuestion(QStringLiteral("The tax slip is shared with spouse's tax return. Do you want "
                                                        "to un-share it and continue removing the tax slip?"),
                                         window()))
                return;
            m_data->UnShareTaxSlipWithSpouse(object);
        } else if (!confirmLoss()) {
            return;
        }
        if (takeOut()) {
            m_data->RemoveSlipData(object);
            slipRemoved = true;
        }
    } else if (kind == FROM_FORM) {
        IndividualTaxData* person = m_data->getCurIndvTaxData();
        if ((person && person->IsFormNeeded(type)) || object->isMandatory()) {
            tell("This tax form can NOT be removed, because it's mandatory or necessary for other tax slips/forms.",
                 this);
            return;
        }
        if (m_data->IsTaxFormSharedWithSpouse(object)) {
            if (!TabWndApp::gAppQuestion(QStringLiteral("The tax form is shared with spouse's tax return. Do you want "
                                                        "to un-share it and continue removing the tax form?"),
                                         this))
                return;
            m_data->UnShareTaxFormWithSpouse(object);
        } else if (!confirmLoss()) {
            return;
        }
        if (takeOut()) {
            m_data->RemoveFormData(object, true);
            formRemoved = true;
        }
    }
    const int changed = m_data->Calculate(FROM_WHOLE_RETURN, nullptr);
    afterReturnChanged();
    if (formRemoved || changed != 0)
        resyncForms();
    else
        tree->SyncFormsName();
    if (slipRemoved)
        tree->SyncFromSlipData();
    else
        tree->SyncSlipsNotesName();
    QString status;
    refreshReturnStatus(status);
}

// ------------------------------------------------------------ order, province, de-coupling

void Form_Return::changeFormsOrder()
{
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (!person) return;
    DlgChangeFormOrder dialog(person, this);
    if (dialog.exec() != QDialog::Accepted) return;
    resyncForms();
    ui->treeFolderView->SyncSlipsNotesName();
}

void Form_Return::taxReturnChangeProvince()
{
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (!person) return;
    DataDlgChangeProv answers;
    WizardBase wizard(this, QStringLiteral("Change Tax Province"));
    wizard.addPage(new DlgChangeProv_tab1(&answers, &wizard));
    wizard.initUI(700, 600);
    if (wizard.exec() != QDialog::Accepted) return;

    const ENUMTYPE_PROVINCE before = person->getMainProvince();
    const ENUMTYPE_PROVINCE after = answers.fld_NewTaxProv->GetValue();
    if (after == before) {
        tell("Tax return province is not changed!", this);
        return;
    }
    if (!moveToProvince(after, answers.fld_ChgBoth->GetValue() == 0)) return;
    tell("Tax return file is changed to the new province, you need to save file the confirm the changes.", this);
}

bool Form_Return::moveToProvince(ENUMTYPE_PROVINCE province, bool both)
{
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    if (!person) return false;
    const ENUMTYPE_PROVINCE before = person->getMainProvince();
    if (!m_data->ChangeProvince(before, province, both)) {
        TabWndApp::gAppInformation(noProvincialLibraryText(province, before), this);
        return false;
    }
    m_data->Calculate(FROM_FORM, nullptr);
    // Forms of the old province may be gone with their pages.
    afterReturnChanged();
    resyncForms();
    ui->treeFolderView->SyncFromSlipData();
    QString status;
    refreshReturnStatus(status);
    return true;
}

bool Form_Return::residenceBoxEdited(CTaxData_Form* form, CField* field)
{
    if (!form || !field || field->GetName() != "province") return false;
    const bool t1 = form->getItemKind() == FROM_FORM && form->getType() == FormType::T1;
    const bool interview = form->getItemKind() == FROM_WIZARD && form->getType() == InterviewKind::GeneralInformation;
    IndividualTaxData* person = m_data->getCurIndvTaxData();
    if ((!t1 && !interview) || !person || !isListed(form)) return false;
    const ENUMTYPE_PROVINCE before = person->getMainProvince();
    const ENUMTYPE_PROVINCE typed = field->GetVariant().toInt();
    if (typed == before) return false;
    // The box is one more road to Change Tax Province, for this person
    // alone: the move sets the T1 itself, and a refused one leaves the box
    // as it was.
    if (!moveToProvince(typed, false)) {
        field->SetVariant(before);
        refreshPages();
    }
    return true;
}

void Form_Return::deCoupleReturn()
{
    if (!m_data->IsCoupledReturn()) return;
    DlgDeCoupleReturn dialog(m_data, this);
    dialog.setWindowTitle(QStringLiteral("De-Couple Tax Return"));
    // The pages may show the return taken out: they go before it does.
    connect(&dialog, &QDialog::accepted, this, [this] {
        m_busy = true;
        destroyFormTabs();
    });
    if (dialog.exec() != QDialog::Accepted) return;

    MyWaitCursor wait;
    m_busy = true;
    m_data->Calculate(FROM_WHOLE_RETURN, nullptr);
    destroyFormTabs();
    m_data->fillComboBox(ui->comboBox, false);
    ui->treeFolderView->populate(m_data);
    ui->treeFolderView->ShowItem(FROM_FORM, 0);
    if (CTaxData_Form* t1 = m_data->GetFormData(FormType::T1, false)) showTaxForm(0, t1);
    if (!selectShownItem()) ui->treeFolderView->setCurrentItem(nullptr);
    setFilepath(nullptr);
    m_busy = false;
    QString status;
    refreshReturnStatus(status);
}
