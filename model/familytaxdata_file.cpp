// The return file of a family: both persons' blocks, the dependants and the
// view settings, and the password asked before a protected file opens.

#include <exception>

#include <QFile>
#include <QSaveFile>

#include "edition.h"
#include "familytaxdata.h"
#include "formtypes.h"
#include "privatefiles.h"
#include "messages.h"
#include "mydatastream.h"
#include "newreturnanswers.h"
#include "prompt.h"
#include "returnfile.h"
#include "t1.h"

using namespace ReturnFile;

int CFamilyTaxData::serialize(unsigned char edition, MyDataStream& stream)
{
    IndividualTaxData* principal = m_persons[0];
    IndividualTaxData* spouseReturn = m_persons[1];
    const bool reading = stream.IsLoading();

    const int first = principal->serialize(edition, stream);
    if (reading) m_principalRead = first >= 0 && principal->getMainProvince() != 0;
    // A failing block leaves the stream at an unknown place: reading on
    // would give a return that looks whole but is not.
    if (reading && first < 0) return first;
    if (principal->getMainProvince() == 0) return kDamaged;

    const int second = spouseReturn->serialize(edition, stream);
    if (reading && second < 0) return second;
    m_dependants.serilize(principal->fileVersion(), stream);
    if (reading && stream.failed()) {
        Prompt::message(Prompt::Kind::Warning, QString::fromLatin1(kMessageTitle), QString::fromLatin1(kDamagedText),
                        Prompt::Ok, Prompt::Ok);
        return kDamaged;
    }

    if (reading) {
        if (shouldCheckReadPassword()) {
            dlgGeneralInput dlg;
            dlg.setWindowTitle(QStringLiteral("Enter password to open file"));
            dlg.setMsg(0, QStringLiteral("Please enter the password for this return file"));
            dlg.setMsg(1, QStringLiteral("This return file is proetected by a password"));
            dlg.setMsg(3, QStringLiteral("Press 'Cancel' button to cancel"));
            if (dlg.exec() != 1 || !checkReadPassword(CString(dlg.getInput()))) return kWrongPassword;
        }
        principal->DoSthAfterReading(edition);
        spouseReturn->DoSthAfterReading(edition);
        // Older files may hold fewer entries: add the missing ones, keep the rest.
        if (m_dependants.count() < DependantInfoStruct::kEntries)
            m_dependants.growTo(DependantInfoStruct::kEntries);
    }

    bool coupled = spouseReturn->GetCountOfForm(FormType::T1) > 0;
    CSetCoupledFlagObj setter;
    principal->EnumTaxForms(&setter, &coupled);
    spouseReturn->EnumTaxForms(&setter, &coupled);
    principal->SetCoupledReturn(coupled);
    spouseReturn->SetCoupledReturn(coupled);

    _extraSerialize(edition, stream);
    if (reading && stream.failed()) {
        Prompt::message(Prompt::Kind::Warning, QString::fromLatin1(kMessageTitle), QString::fromLatin1(kDamagedText),
                        Prompt::Ok, Prompt::Ok);
        return kDamaged;
    }
    return kOk;
}

void CFamilyTaxData::_extraSerialize(unsigned char, MyDataStream& stream)
{
    if (stream.IsStoring()) {
        stream << qint32(1) << qint32(1);
    } else {
        qint32 ignored = 0;
        stream >> ignored >> ignored;
    }
    m_settings.Serialize(stream);
}

CFamilyTaxData* CFamilyTaxData::serializeFromFile(const CString& path, int& result)
{
    result = kCannotOpen;
    QFile file(path.toQString());
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    MyDataStream stream(&file);
    auto* family = new CFamilyTaxData(MULTIPROV_MODE_FILE);
    try {
        result = family->serialize(currentEdition(), stream);
    } catch (const std::exception&) {
        // Whatever went wrong inside a reader, the file did not read whole.
        result = kDamaged;
    }
    file.close();
    return family;
}

bool CFamilyTaxData::saveToFile(const CString& path)
{
    QSaveFile file(path.toQString());
    if (!file.open(QIODevice::WriteOnly)) return false;
    // 0600 also where an earlier copy (or the user's folder) was wider: the
    // replacement would otherwise take the old file's mode.
    keepPrivate(file);
    MyDataStream stream(&file);
    serialize(currentEdition(), stream);
    // The last buffered bytes are written by the flush; a failure there (a
    // full disk, a file-size limit) is not reported by commit, which would
    // then put a cut-short file in place of the whole one.
    if (stream.status() != QDataStream::Ok || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool CFamilyTaxData::shouldCheckReadPassword() const
{
    return m_persons[0]->fileVersion() >= kSince_Password && !m_persons[0]->readPassword().IsEmpty();
}

bool CFamilyTaxData::checkReadPassword(const CString& text) const
{
    return m_persons[0]->readPassword().CompareNoCase(text) == 0;
}

int CFamilyTaxData::NewData(PPgDataNewReturnBasic* page)
{
    if (!page) return 0;
    IndividualTaxData* principal = m_persons[0];
    principal->NewData(page->fld_TaxPronv->GetValue(), page->fld_FirstName->GetValue(), page->fld_LastName->GetValue(),
                       page->fld_sin->GetValue(), page->fld_dob->GetValue(), page->fld_MaritalStatus->GetValue(),
                       page->fld_FirstNameSpouse->GetValue(), page->fld_LastNameSpouse->GetValue(),
                       page->fld_sinSpouse->GetValue(), page->fld_dobSpouse->GetValue(), false);
    if (page->fld_bSch7->GetValue()) principal->makeFormExist(FormType::Schedule7);
    if (page->fld_bT776->GetValue()) principal->makeFormExist(FormType::T776);
    if (page->fld_bSch11->GetValue()) principal->GetS11FormData();
    const int status = page->fld_MaritalStatus->GetValue();
    if (status == MARITAL_MARRIED || status == MARITAL_COMMON_LAW) principal->GetS2FormData();
    if (page->fld_bSch6->GetValue()) principal->makeFormExist(FormType::Schedule6);
    if (page->fld_bSch3->GetValue()) principal->makeFormExist(FormType::Schedule3);
    if (page->fld_bSch4->GetValue()) principal->makeFormExist(FormType::Schedule4);

    const bool hasSpouse = status == MARITAL_MARRIED || status == MARITAL_COMMON_LAW;
    const bool nonResidentSpouse = hasSpouse && page->fld_SpouseNonResident->GetValue();
    // A spouse outside Canada gets none of the family's benefits through this return.
    if (nonResidentSpouse)
        if (TaxData_T1New* form = principal->t1()) form->setBool("spouse_benefit_ineligible", true);
    if (hasSpouse && !nonResidentSpouse && page->fld_Coupled->GetValue()) {
        int province = page->fld_TaxPronvSpouse->GetValue();
        if (province == 0) province = page->fld_TaxPronv->GetValue();
        IndividualTaxData* partner = m_persons[1];
        partner->NewData(province, page->fld_FirstNameSpouse->GetValue(), page->fld_LastNameSpouse->GetValue(),
                         page->fld_sinSpouse->GetValue(), page->fld_dobSpouse->GetValue(), status,
                         page->fld_FirstName->GetValue(), page->fld_LastName->GetValue(), page->fld_sin->GetValue(),
                         page->fld_dob->GetValue(), false);
        partner->GetS2FormData();
        principal->SetCoupledReturn(true);
        partner->SetCoupledReturn(true);
    }
    m_dependants.AllocData(DependantInfoStruct::kEntries);
    return Calculate(-1, nullptr);
}
