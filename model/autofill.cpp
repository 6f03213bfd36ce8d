// Auto-fill of a return from a person's downloaded tax data: the options
// record, the downloaded records' getters, each downloaded slip's copy into a
// slip of the return, and the fill itself.

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include <QStringList>

#include "autofill/dataafr.h"
#include "autofill/taxslip.h"
#include "autofill/tddtaxdata.h"
#include "familytaxdata.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "itemfactory.h"
#include "schedules.h"
#include "slips.h"
#include "statements.h"
#include "t1.h"
#include "utils.h"
#include "wizards.h"

// ---------------------------------------------------------------- DataAFR

const std::vector<const char*>& DataAFR::tickNames()
{
    static const std::vector<const char*> names = {
        "fld_bT4",       "fld_bT4A",     "fld_bT4AP",  "fld_bT4E",   "fld_bT4AOAS",           "fld_bT4RIF",
        "fld_bT3",       "fld_bT5",      "fld_bTuition", "fld_bT2202", "fld_bRRSPLimit",      "fld_bT4RSP",
        "fld_bRRSPContribution", "fld_bRC62", "fld_bRC210", "fld_bT5007", "fld_bT5008",        "fld_bT1204",
        "fld_bPRPP",     "fld_bInstalment", "fld_bHBPLLP", "fld_bMBSB",
    };
    return names;
}

DataAFR::DataAFR()
{
    m_fillOption = m_fields.add<CIntField>("fld_iFillOption", -1);
    for (const char* name : tickNames()) m_fields.add<CBoolField>(name, false);
}

bool DataAFR::tick(const char* name) const
{
    const CField* f = m_fields.find(name);
    return f && f->GetType() == CField::Bool && static_cast<const CBoolField*>(f)->GetValue();
}

void DataAFR::setTick(const char* name, bool on)
{
    CField* f = m_fields.find(name);
    if (f && f->GetType() == CField::Bool) static_cast<CBoolField*>(f)->SetValue(on);
}

const char* DataAFR::slipTickName(ENUMTYPE_SLIP type)
{
    switch (type) {
    case 1: return "fld_bT4";
    case 2: return "fld_bT4A";
    case 3: return "fld_bT4AP";
    case 4: return "fld_bT4RSP";
    case 5: return "fld_bT4E";
    case 6: return "fld_bT4AOAS";
    case 7: return "fld_bT4RIF";
    case 8: return "fld_bT5";
    case 9: return "fld_bT3";
    case 11: return "fld_bT5007";
    case 17: return "fld_bRC62";
    case 18: return "fld_bRC210";
    case 19: return "fld_bT5008";
    case 21: return "fld_bMBSB";
    case 22: return "fld_bPRPP";
    case 23: return "fld_bT1204";
    case 25: return "fld_bT2202";
    default: return nullptr;
    }
}

bool DataAFR::allowApplySlip(ENUMTYPE_SLIP type) const
{
    if (fillOption() == 0) return true;
    const char* name = slipTickName(type);
    return name && tick(name);
}

namespace {

// Slip boxes are named by their printed numbers; the T4A prints three digits.
void copyMapBoxes(const TaxSlip& from, CTaxData_Form& to, std::initializer_list<const char*> boxes,
                  bool threeDigits = false)
{
    for (const char* box : boxes) {
        std::string name = box;
        if (threeDigits) name.insert(0, name.size() < 3 ? 3 - name.size() : 0, '0');
        to.setFloat(name.c_str(), from.getNumberedBoxValue(box));
    }
}

void copyOwnBoxes(const TaxSlip& from, CTaxData_Form& to, std::initializer_list<const char*> boxes)
{
    for (const char* box : boxes) to.setFloat(box, from.ownBoxValue(box));
}

}   // namespace

int TaxSlipT4::copyToSlipData(CTaxData_Form* slip)
{
    auto* t4 = dynamic_cast<CSlipData_T4*>(slip);
    if (!t4) return 0;
    t4->setString("payer_name", employerName);
    t4->setInt("province_of_employment", getProvince(province));
    copyMapBoxes(*this, *t4, {"14", "16", "17", "18", "20", "22"});
    // An insurable or pensionable amount of the slip replaces the one the
    // calculation would take from box 14; a nil one leaves that choice alone.
    const double box24 = getNumberedBoxValue("24");
    if (box24 >= kAmountThatCounts) {
        t4->setFloat("24", box24);
        t4->setBool("ei_insurable_earnings_entered", true);
    }
    const double box26 = getNumberedBoxValue("26");
    if (box26 >= kAmountThatCounts) {
        t4->setFloat("26", box26);
        t4->setBool("pensionable_earnings_entered", true);
    }
    t4->setBool("cpp_qpp_exempt", downloadedAmount(cppQppExemptCode) > 0.9);
    t4->setBool("ei_exempt", downloadedAmount(eiExemptCode) > 0.9);
    copyMapBoxes(*this, *t4, {"30", "42", "44", "46", "52", "55", "57", "58", "59", "60", "66", "67", "71", "87"});
    return 0;
}

int TaxSlipT4A::copyToSlipData(CTaxData_Form* slip)
{
    auto* t4a = dynamic_cast<TaxData_Slip_T4A*>(slip);
    if (!t4a) return 0;
    t4a->setString("payer_name", payerName);
    copyMapBoxes(*this, *t4a,
                 {"16",  "18",  "20",  "22",  "24",  "28",  "30",  "32",  "34",  "37",  "40",  "42",  "46",
                  "48",  "104", "105", "106", "107", "109", "118", "119", "124", "125", "127", "128", "131",
                  "135", "196", "197", "198", "199", "200", "201", "202", "203", "204", "205", "210", "211"},
                 true);
    return 0;
}

int TaxSlipT4AP::copyToSlipData(CTaxData_Form* slip)
{
    auto* t4ap = dynamic_cast<CSlipData_T4AP*>(slip);
    if (!t4ap) return 0;
    copyOwnBoxes(*this, *t4ap, {"14", "15", "16", "17", "18", "19", "20", "21", "22", "23"});
    return 0;
}

int TaxSlipT4RSP::copyToSlipData(CTaxData_Form* slip)
{
    auto* t4rsp = dynamic_cast<TaxData_Slip_T4RSP*>(slip);
    if (!t4rsp) return 0;
    t4rsp->setString("payer_name", payerName);
    copyOwnBoxes(*this, *t4rsp, {"16", "18", "20", "22"});
    t4rsp->setBool("spousal_plan", ownBoxValue("24") > 0.9);
    copyOwnBoxes(*this, *t4rsp, {"25", "26", "27", "28", "30"});
    copyMapBoxes(*this, *t4rsp, {"34", "37"});
    t4rsp->BeforeReadSlip();
    return 0;
}

int TaxSlipT4E::copyToSlipData(CTaxData_Form* slip)
{
    auto* t4e = dynamic_cast<TaxData_Slip_T4E*>(slip);
    if (!t4e) return 0;
    copyOwnBoxes(*this, *t4e, {"7", "14", "15", "17", "18", "20", "21", "22", "23", "30", "33", "37"});
    return 0;
}

int TaxSlipT4AOAS::copyToSlipData(CTaxData_Form* slip)
{
    auto* oas = dynamic_cast<CSlipData_T4AOAS*>(slip);
    if (!oas) return 0;
    copyOwnBoxes(*this, *oas, {"18", "19", "20", "21", "22", "23"});
    return 0;
}

int TaxSlipT4RIF::copyToSlipData(CTaxData_Form* slip)
{
    auto* rif = dynamic_cast<TaxData_Slip_T4RIF*>(slip);
    if (!rif) return 0;
    rif->setString("payer_name", payerName);
    copyOwnBoxes(*this, *rif, {"16", "18", "20", "22", "24", "28"});
    copyMapBoxes(*this, *rif, {"37"});
    rif->BeforeReadSlip();
    return 0;
}

int TaxSlipT5::copyToSlipData(CTaxData_Form* slip)
{
    auto* t5 = dynamic_cast<TaxData_Slip_T5*>(slip);
    if (!t5) return 0;
    t5->setString("payer_name", payerName);
    copyMapBoxes(*this, *t5, {"10", "11", "12", "13", "14", "15", "16", "17", "18", "24", "25", "26"});
    t5->BeforeReadSlip();
    return 0;
}

int TaxSlipT3::copyToSlipData(CTaxData_Form* slip)
{
    auto* t3 = dynamic_cast<TaxData_Slip_T3*>(slip);
    if (!t3) return 0;
    t3->setString("payer_name", trustName);
    copyOwnBoxes(*this, *t3, {"21", "23", "25", "26", "30", "32", "34", "39", "49", "50", "51"});
    t3->BeforeReadSlip();
    return 0;
}

int TaxSlipT5007::copyToSlipData(CTaxData_Form* slip)
{
    auto* t5007 = dynamic_cast<CSlipData_T5007*>(slip);
    if (!t5007) return 0;
    t5007->setString("payer_name", payerName);
    copyOwnBoxes(*this, *t5007, {"10", "11"});
    return 0;
}

int TaxSlipT5013::copyToSlipData(CTaxData_Form* slip)
{
    auto* t5013 = dynamic_cast<TaxData_Slip_T5013*>(slip);
    if (!t5013) return 0;
    t5013->setString("payer_name", payerName);
    t5013->setFloat("partner_share_percent", getNumberedBoxValue("5"));
    return 0;
}

int TaxSlipRC62::copyToSlipData(CTaxData_Form* slip)
{
    auto* rc62 = dynamic_cast<TaxData_Slip_RC62*>(slip);
    if (!rc62) return 0;
    copyOwnBoxes(*this, *rc62, {"10", "12"});
    return 0;
}

int TaxSlipRC210::copyToSlipData(CTaxData_Form* slip)
{
    auto* rc210 = dynamic_cast<CSlipData_RC210*>(slip);
    if (!rc210) return 0;
    copyOwnBoxes(*this, *rc210, {"10"});
    return 0;
}

int TaxSlipMBRentalAssistSlip::copyToSlipData(CTaxData_Form* slip)
{
    auto* mb = dynamic_cast<TaxData_Slip_MBShelterAssist*>(slip);
    if (!mb) return 0;
    mb->setString("payer_name", payerName);
    mb->setFloat("shelter_benefit", downloadedAmount(shelterBenefitAmount));
    return 0;
}

int TaxSlipPRPP::copyToSlipData(CTaxData_Form* slip)
{
    auto* prpp = dynamic_cast<TaxData_Slip_PRPP*>(slip);
    if (!prpp) return 0;
    prpp->setString("contract_number", contractNumber);
    prpp->setString("version", versionText);
    prpp->setFloat("employee_contribution_current", downloadedAmount(employeeCurrentYear));
    prpp->setFloat("employee_contribution_prior", downloadedAmount(employeePriorYear));
    prpp->setFloat("employer_contribution", downloadedAmount(employerContribution));
    prpp->setFloat("employee_contribution_current_exempt", downloadedAmount(employeeCurrentYearExempt));
    prpp->setFloat("employee_contribution_prior_exempt", downloadedAmount(employeePriorYearExempt));
    return 0;
}

int TaxSlipT1204::copyToSlipData(CTaxData_Form* slip)
{
    auto* t1204 = dynamic_cast<TaxData_Slip_T1204*>(slip);
    if (!t1204) return 0;
    copyOwnBoxes(*this, *t1204, {"82", "84"});
    return 0;
}

int TaxSlipT2202::copyToSlipData(CTaxData_Form* slip)
{
    auto* t2202 = dynamic_cast<TaxData_Slip_T2202*>(slip);
    if (!t2202) return 1;
    for (const char* box : {"10", "11", "12", "13", "14", "15"}) t2202->setString(box, getNumberedBoxStrValue(box));
    for (int k = 1; k <= std::min(sessionCount, kSessions); ++k) {
        t2202->setString(TableForm::rowField("sessions.#.from", k), fromPeriod[k - 1]);
        t2202->setString(TableForm::rowField("sessions.#.to", k), toPeriod[k - 1]);
        t2202->setFloat(TableForm::rowField("sessions.#.months_part_time", k), downloadedAmount(partTimeMonths[k - 1]));
        t2202->setFloat(TableForm::rowField("sessions.#.months_full_time", k), downloadedAmount(fullTimeMonths[k - 1]));
        t2202->setFloat(TableForm::rowField("sessions.#.fees", k), downloadedAmount(eligibleFees[k - 1]));
    }
    return 0;
}

// ---------------------------------------------------------------- the fill

namespace {

constexpr ENUMTYPE_TAXWIZARD kWizardLastYear = 2;

// The columns of a repeated group ("shares") as patterns ("shares.#.proceeds").
std::vector<std::string> groupColumns(const CTaxData_Form& form, const char* group)
{
    const std::string firstRow = std::string(group) + ".1.";
    std::vector<std::string> columns;
    for (const CField* f : form.fields().all()) {
        const std::string name = f->GetName().c_str();
        if (name.compare(0, firstRow.size(), firstRow) == 0)
            columns.push_back(std::string(group) + ".#." + name.substr(firstRow.size()));
    }
    return columns;
}

// The highest row of the group holding any value.
int usedGroupRows(const CTaxData_Form& form, const std::vector<std::string>& columns, int maxRows)
{
    for (int row = maxRows; row > 0; --row)
        for (const std::string& column : columns) {
            const CField* f = form.field(TableForm::rowField(column.c_str(), row));
            if (f && !f->IsDefault()) return row;
        }
    return 0;
}

// Takes out the rows of the group that an earlier auto-fill added (their
// "auto_filled" column set), moving the user's rows up; answers the rows
// left in use.
int removeAutoFilledRows(CTaxData_Form& form, const char* group, int maxRows, int inUse)
{
    const std::vector<std::string> columns = groupColumns(form, group);
    const std::string mark = std::string(group) + ".#.auto_filled";
    inUse = std::max(inUse, usedGroupRows(form, columns, maxRows));
    int removed = 0;
    for (int row = 1; row <= inUse; ++row)
        if (form.getBool(TableForm::rowField(mark.c_str(), row))) ++removed;
    int kept = 0;
    for (int row = 1; row <= maxRows; ++row) {
        if (form.getBool(TableForm::rowField(mark.c_str(), row))) continue;
        ++kept;
        if (row == kept) continue;
        for (const std::string& column : columns) {
            CField* to = form.field(TableForm::rowField(column.c_str(), kept));
            const CField* from = form.field(TableForm::rowField(column.c_str(), row));
            if (to && from) to->CopyFrom(*from);
        }
    }
    for (int row = kept + 1; row <= maxRows; ++row)
        for (const std::string& column : columns)
            if (CField* f = form.field(TableForm::rowField(column.c_str(), row))) f->Reset();
    return std::max(0, inUse - removed);
}

TaxData_LastYearAmounts* lastYearAmounts(const IndividualTaxData& person)
{
    for (STRUCT_WIZDATA_ITEM_2004* item : person.wizards())
        if (item->kind == kWizardLastYear) return dynamic_cast<TaxData_LastYearAmounts*>(item->object);
    return nullptr;
}

}   // namespace

int IndividualTaxData::AutoFillReturn(TDDTaxDataOnePerson& data, DataAFR* options)
{
    if (!options) return 0;
    const DataAFR& allow = *options;

    // 1. What an earlier auto-fill made of the allowed kinds goes, so that
    //    applying the same download again replaces instead of adding: its
    //    slips, the business statements of its T1204 slips and the share
    //    dispositions of its T5008 slips.
    for (bool again = true; again;) {
        again = false;
        for (STRUCT_SLIPDATA_ITEM_2004* item : m_slips) {
            if (item->object && item->object->isAutoFilled() && allow.allowApplySlip(item->slipType)) {
                RemoveSlipData(item->object);
                again = true;
                break;
            }
        }
    }
    if (allow.allowApplySlip(SlipType::T1204)) {
        for (bool again = true; again;) {
            again = false;
            for (STRUCT_FORMDATA_ITEM_2004* item : m_forms) {
                if (item->formType == FormType::T2125 && item->object && item->object->isAutoFilled()) {
                    RemoveFormData(item->object, true);
                    again = true;
                    break;
                }
            }
        }
    }

    if (allow.allowApplySlip(SlipType::T5008) && GetCountOfForm(FormType::Schedule3) == 1) {
        if (auto* sch3 = dynamic_cast<CTaxData_Schedule_3*>(GetFormData(FormType::Schedule3, false)))
            sch3->setInt("shares_count",
                         removeAutoFilledRows(*sch3, "shares", sch3->shareRows(), sch3->getInt("shares_count")));
    }

    // 2. The downloaded slips, in their order.
    std::vector<const TaxSlipT5008*> dispositions;
    double ownCurrent = 0.0, ownPrior = 0.0, spousalCurrent = 0.0, spousalPrior = 0.0;
    for (int i = 0; i < data.slipCount(); ++i) {
        TaxSlip* downloaded = data.slip(i);
        if (!downloaded) continue;
        const ENUMTYPE_SLIP type = downloaded->slipType();
        if (type == SlipType::T5008) {
            if (auto* t5008 = dynamic_cast<const TaxSlipT5008*>(downloaded)) dispositions.push_back(t5008);
            continue;
        }
        if (type == SlipType::RRSP) {
            if (auto* receipt = dynamic_cast<const TaxSlipRRSPReceipt*>(downloaded)) {
                const double current = downloadedAmount(receipt->CurrentYearRRSPContributionAmount);
                const double prior = downloadedAmount(receipt->PriorYearRRSPContributionAmount);
                if (downloadedAmount(receipt->RRSPSpouseContributionIndicator) >= 0.1) {
                    spousalCurrent += current;
                    spousalPrior += prior;
                } else {
                    ownCurrent += current;
                    ownPrior += prior;
                }
            }
            continue;
        }
        if (!allow.allowApplySlip(type)) continue;
        const int id = GetNextUniqueID();
        if (CTaxData_Form* object = AllocSlipData(type)) {
            auto* item = new STRUCT_SLIPDATA_ITEM_2004;
            item->slipType = type;
            item->uniqueId = id;
            item->sharedId = 0;
            item->object = object;
            m_slips.push_back(item);
            downloaded->copyToSlipData(object);
            // A box that holds no negative amount takes none from a download either.
            object->dropRefusedValues(&m_leftOutAmounts);
            object->setAutoFilled(true);
        }
        if (type == SlipType::T1204) {
            STRUCT_FORMDATA_ITEM_2004* item = NewFormDataItem(FormType::T2125, GetNextUniqueID(), true, 0, true);
            if (item && item->object) {
                CTaxData_Form* t2125 = item->object;
                t2125->setAutoFilled(true);
                t2125->setString("business_description", "Government Service Contract");
                t2125->setBool("is_government_service_contract", true);
                t2125->setFloat("line_3A", downloaded->ownBoxValue("82") + downloaded->ownBoxValue("84"));
            }
        }
    }

    // 3. The T5008 slips become share dispositions on Schedule 3, marked so
    //    that the next auto-fill replaces them. The entry grows to hold every
    //    slip: none of the downloaded gains may be left out.
    if (!dispositions.empty() && allow.allowApplySlip(SlipType::T5008)) {
        if (auto* sch3 = dynamic_cast<CTaxData_Schedule_3*>(makeFormExist(FormType::Schedule3))) {
            sch3->setInt("shares_entry_mode", 0);
            const int n = std::max(sch3->getInt("shares_count"),
                                   usedGroupRows(*sch3, groupColumns(*sch3, "shares"), sch3->shareRows()));
            const int k = int(dispositions.size());
            const int rows = sch3->AllocateMoreEquityEntries(n + k);
            for (int i = 1; i <= k && n + i <= rows; ++i) {
                const TaxSlipT5008& slip = *dispositions[i - 1];
                const int row = n + i;
                sch3->setFloat(TableForm::rowField("shares.#.number", row), slip.ownBoxValue("16"));
                sch3->setString(TableForm::rowField("shares.#.description", row), slip.ownBoxText("17"));
                sch3->setFloat(TableForm::rowField("shares.#.proceeds", row), slip.ownBoxValue("21"));
                sch3->setFloat(TableForm::rowField("shares.#.adjusted_cost_base", row), slip.ownBoxValue("20"));
                sch3->setBool(TableForm::rowField("shares.#.auto_filled", row), true);
            }
            sch3->setInt("shares_count", std::min(n + k, rows));
        }
    }

    // 4. The T1 is never made here.
    CTaxData_Form* t1 = GetCountOfForm(FormType::T1) == 1 ? GetFormData(FormType::T1, false) : nullptr;
    TaxData_LastYearAmounts* lastYear = lastYearAmounts(*this);

    // 5. Instalments.
    // A negative amount is no instalment: the line cannot hold one.
    if (allow.allowInstalment() && t1) {
        const double paid = downloadedAmount(data.summary.InstalmentAmount);
        if (const CField* line = t1->field("47600"); line && t1->AcceptsValue(*line, paid, nullptr))
            t1->setFloat("47600", paid);
    }

    // 6. Tuition carried forward from 2020.
    if (allow.allowTuition()) {
        CTaxData_Form* sch11 = GetS11FormData();
        const double federal = data.carryOver.getFedTuitionForTaxYear("2020");
        const double provincial = data.carryOver.getProvTuitionForTaxYear("2020");
        if (lastYear) {
            lastYear->setFloat("unused_tuition_federal", federal);
            lastYear->setFloat("11001", provincial);
            if (t1) {
                t1->setFloat("carryforward_unused_tuition_federal", federal);
                t1->setFloat("carryforward_unused_tuition_provincial", provincial);
            }
        }
        m_provMgr.setProvAmountClaimed(11001, provincial);
        if (sch11) sch11->setFloat("unused_tuition_carryforward", federal);
    }

    // 7. RRSP contribution receipts: one own and one spousal row of Schedule
    //    7, replacing the rows an earlier auto-fill added. The receipts'
    //    prior-year part is what was paid in the first 60 days of 2022.
    if (allow.allowRRSPContribution()
        && (ownCurrent >= kAmountThatCounts || ownPrior >= kAmountThatCounts || spousalCurrent >= kAmountThatCounts
            || spousalPrior >= kAmountThatCounts)) {
        if (CTaxData_Form* sch7 = makeFormExist(FormType::Schedule7)) {
            constexpr int kRows = 20;
            int row = removeAutoFilledRows(*sch7, "contributions", kRows, 0);
            const struct { bool spousal; double current, prior; } sums[] = {
                {false, ownCurrent, ownPrior}, {true, spousalCurrent, spousalPrior}};
            for (const auto& sum : sums) {
                if ((sum.current < kAmountThatCounts && sum.prior < kAmountThatCounts) || row >= kRows) continue;
                ++row;
                sch7->setBool(TableForm::rowField("contributions.#.spousal", row), sum.spousal);
                sch7->setFloat(TableForm::rowField("contributions.#.amount_2021", row), sum.current);
                sch7->setFloat(TableForm::rowField("contributions.#.amount_2022", row), sum.prior);
                sch7->setBool(TableForm::rowField("contributions.#.auto_filled", row), true);
            }
        }
    }

    // 8. RRSP deduction limit and unused contributions.
    const double limit = downloadedAmount(data.summary.DeductionLimitAmount);
    const double unused = downloadedAmount(data.summary.UnusedContributionAmount);
    if (allow.allowRRSPLimit() && (limit >= kAmountThatCounts || unused >= kAmountThatCounts)) {
        if (CTaxData_Form* sch7 = makeFormExist(FormType::Schedule7)) {
            sch7->setFloat("line_1", unused);
            sch7->setFloat("rrsp_deduction_limit", limit);
        }
        if (lastYear) {
            lastYear->setFloat("rrsp_unused_contributions", unused);
            lastYear->setFloat("rrsp_deduction_limit", limit);
        }
    }

    // 9. HBP and LLP repayments required for 2021.
    if (allow.allowHBPLLP()) {
        const double hbp = data.summary.getHBPRequiredRepaymentForYear("2021");
        const double llp = data.summary.getLLPRequiredRepaymentForYear("2021");
        if (hbp >= kAmountThatCounts || llp >= kAmountThatCounts) {
            if (lastYear) {
                lastYear->setFloat("hbp_balance", hbp);
                lastYear->setFloat("llp_balance", llp);
            }
            if (t1) {
                t1->setFloat("carryforward_hbp_balance", hbp);
                t1->setFloat("carryforward_llp_balance", llp);
            }
        }
    }

    // 10. The return records that it was auto-filled, and when: the
    // electronic return reports both.
    if (t1) {
        t1->setAutoFilled(true);
        t1->setDate("autofill_request_date", QDate::currentDate());
    }
    return 0;
}

namespace {

// A slip of an earlier auto-fill that was shared with the spouse: what its
// replacement takes over.
struct SharedSlipLink
{
    ENUMTYPE_SLIP type;
    CString payer;
    int place;              // among the earlier auto-filled slips of its type
    double ownShare;
    double partnerShare;
    bool taken = false;
};

CString payerOf(const CTaxData_Form& slip)
{
    CString payer = slip.getString("payer_name");
    payer.Trim();
    return payer;
}

// Takes out the spouse's linked copy of every shared slip and business
// statement that the coming auto-fill replaces (the item itself goes with
// the fill's first step), so that no copy is left pointing at nothing and
// counting the old amounts. `statements` gets the places, among the earlier
// auto-filled T2125s, of those that were shared.
std::vector<SharedSlipLink> takeOutPartnerCopies(IndividualTaxData& person, IndividualTaxData& partner,
                                                 const DataAFR& allow, std::vector<int>& statements)
{
    if (allow.allowApplySlip(SlipType::T1204)) {
        int place = 0;
        for (STRUCT_FORMDATA_ITEM_2004* item : person.forms()) {
            if (item->formType != FormType::T2125 || !item->object || !item->object->isAutoFilled()) continue;
            const int here = place++;
            CTaxData_Form* copy = item->sharedId != 0 ? partner.GetFormData(item->formType, item->sharedId) : nullptr;
            item->sharedId = 0;
            if (!copy) continue;
            statements.push_back(here);
            partner.RemoveFormData(copy, true);
        }
    }
    std::vector<SharedSlipLink> links;
    std::map<ENUMTYPE_SLIP, int> places;
    for (STRUCT_SLIPDATA_ITEM_2004* item : person.slips()) {
        if (!item->object || !item->object->isAutoFilled() || !allow.allowApplySlip(item->slipType)) continue;
        const int place = places[item->slipType]++;
        const char* share = item->object->sharePercentField();
        CTaxData_Form* copy = item->sharedId != 0 ? partner.GetSlipData(item->slipType, item->sharedId, false) : nullptr;
        item->sharedId = 0;
        if (!copy) continue;
        links.push_back({item->slipType, payerOf(*item->object), place, share ? item->object->getFloat(share) : 0.0,
                         share ? copy->getFloat(share) : 0.0});
        partner.RemoveSlipData(copy);
    }
    return links;
}

// The replacement of a shared slip: the one of the same type and payer, else
// the one in the same place among the new slips of its type.
SharedSlipLink* linkFor(std::vector<SharedSlipLink>& links, ENUMTYPE_SLIP type, const CString& payer, int place)
{
    for (SharedSlipLink& link : links)
        if (!link.taken && link.type == type && !payer.IsEmpty() && link.payer == payer) return &link;
    for (SharedSlipLink& link : links)
        if (!link.taken && link.type == type && link.place == place) return &link;
    return nullptr;
}

}   // namespace

std::list<CString> IndividualTaxData::takeLeftOutAmounts()
{
    std::list<CString> out;
    out.swap(m_leftOutAmounts);
    return out;
}

QString CFamilyTaxData::takeLeftOutAmountsText(const QString& source)
{
    QStringList lines;
    for (IndividualTaxData* person : {taxpayer(), spouse()}) {
        if (!person) continue;
        for (const CString& why : person->takeLeftOutAmounts()) lines << why.toQString();
    }
    if (lines.isEmpty()) return QString();
    return QStringLiteral("These amounts of %1 were left out, since their lines take no negative amount; enter "
                          "them again if the figure is right:\n%2")
        .arg(source, lines.join(QLatin1Char('\n')));
}

int CFamilyTaxData::AutoFillReturn(TDDTaxDataOnePerson& data, DataAFR* options)
{
    IndividualTaxData* person = getCurIndvTaxData();
    if (!person) return -1;
    IndividualTaxData* partner = IsCoupledReturn() ? getNonCurIndvTaxData() : nullptr;
    std::vector<SharedSlipLink> links;
    std::vector<int> statements;
    if (partner && options) links = takeOutPartnerCopies(*person, *partner, *options, statements);

    person->AutoFillReturn(data, options);

    // A business statement that was shared is shared again in its place.
    if (partner && !statements.empty()) {
        std::vector<CTaxData_Form*> made;
        for (STRUCT_FORMDATA_ITEM_2004* item : person->forms())
            if (item->formType == FormType::T2125 && item->object && item->object->isAutoFilled() && item->sharedId == 0)
                made.push_back(item->object);
        for (int place : statements)
            if (place < int(made.size())) ShareTaxFormWithSpouse(made[size_t(place)], 0);
    }

    // Each replacement is shared again as its slip was, with the same shares.
    if (partner && !links.empty()) {
        std::map<ENUMTYPE_SLIP, int> places;
        for (STRUCT_SLIPDATA_ITEM_2004* item : person->slips()) {
            if (!item->object || !item->object->isAutoFilled() || item->sharedId != 0
                || !options->allowApplySlip(item->slipType))
                continue;
            const int place = places[item->slipType]++;
            SharedSlipLink* link = linkFor(links, item->slipType, payerOf(*item->object), place);
            if (!link) continue;
            link->taken = true;
            STRUCT_SLIPDATA_ITEM_2004* copy = linkCopyOfSlip(*item, *partner);
            if (const char* share = copy ? item->object->sharePercentField() : nullptr) {
                item->object->setFloat(share, link->ownShare);
                copy->object->setFloat(share, link->partnerShare);
            }
        }
    }
    Calculate(-1, nullptr);
    return 0;
}
