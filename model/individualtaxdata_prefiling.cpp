// The points a person confirms before the return is filed: not errors, but
// things that often are. Each is a continue-or-stop warning; the first
// "stop" ends the filing and nothing after it is asked.

#include <set>

#include "dependantinfo.h"
#include "federal2021.h"
#include "federalforms.h"
#include "fieldnumbers.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "messages.h"
#include "schedules.h"
#include "slippreparation.h"
#include "t1.h"

// Which value each point names by its role only:
// - question 4 (identification changed) and the foreign-property question:
//   the T1's answers "info_changed" and "foreign_property_over_100k" given as Yes (0);
// - the child-care benefit received and its two related lines: 11700, 11701
//   (designated to a dependant) and "spouse_uccb"; its repayments: 21300 and
//   "spouse_uccb_repayment";
// - the farming result: "farming_total"; the restricted-farm-loss claim: the
//   "restricted_farm_loss" mark, its claimed amount line 14100;
// - the pension amount concerned by a pension split: line 21000;
// - the T936's accumulated capital loss: the T1's carried-forward net
//   capital losses, with a T936 in the return;
// - Schedule 7's HBP and LLP repayments: its 24600 and 26200; the T1's HBP
//   and LLP amounts: the required repayments "min_hbp_repayment" and "min_llp_repayment";
// - supporting amounts 6782, 6783, 6784, 6786: the T1's 67820, 67830, 67840, 67860.

namespace {

constexpr int kAnswerYes = 0;
constexpr int kSlipT4AP = 3, kSlipT4AOAS = 6;
const char* const kTitle = "Quillmere Warning Message";
// The agency's direct deposit enrolment form.
const char* const kDirectDepositFormUrl =
    "https://www.canada.ca/en/revenue-agency/services/forms-publications/forms/t1dd1.html";

bool confirm(const char* text)
{
    return CYesNoContinueDlg::warnYesNoMsg(nullptr, QString::fromLatin1(kTitle), QString::fromUtf8(text));
}

bool confirm(const CString& text)
{
    return CYesNoContinueDlg::warnYesNoMsg(nullptr, QString::fromLatin1(kTitle), text.toQString());
}

// The long form: line 1 a heading, lines 2 to 4 paragraphs; no size when 0.
bool confirmLong(const char* heading, const QString& line2, const char* line3, const char* line4, int width = 0,
                 int height = 0)
{
    CYesNoContinueDlg dlg(QString::fromLatin1(kTitle));
    if (heading) dlg.setMsg(1, QString::fromUtf8(heading));
    dlg.setMsg(2, line2);
    if (line3) dlg.setMsg(3, QString::fromUtf8(line3));
    if (line4) dlg.setMsg(4, QString::fromUtf8(line4));
    if (width > 0) dlg.resize(width, height);
    return dlg.exec() == 1;
}

bool confirmOwnWarnings(CTaxData_Form* object, unsigned char mode)
{
    if (!object) return true;
    std::list<CString> warnings;
    object->AnyMsgBeforeNetfile(mode, warnings);
    for (const CString& text : warnings)
        if (!confirm(text)) return false;
    return true;
}

bool blank(CString text)
{
    text.Remove(' ');
    text.Trim();
    return text.IsEmpty();
}

} // namespace

bool IndividualTaxData::AnyMsgBeforeNetfile(unsigned char mode, bool)
{
    // 1. The slip totals, collected afresh without adding any form.
    STRU_SLIPDATA_CALCULATION totals;
    std::set<ENUMTYPE_FORM> needed;
    CollectSlipTotals(totals, needed);

    // 2. Each slip's own warnings.
    for (STRUCT_SLIPDATA_ITEM_2004* slip : m_slips)
        if (!confirmOwnWarnings(slip->object, mode)) return false;

    const TaxData_T1New* form = t1();
    auto unique = [this](ENUMTYPE_FORM type) {
        return GetCountOfForm(type) == 1 ? GetFormData(type, false) : nullptr;
    };
    auto line = [form](const char* name) { return fieldNumber(form, name); };
    const int youngChildren = m_dependants ? m_dependants->GetDepNumberBetweenAges(0, 6) : 0;

    if (form) {
        // 3. Identification changed since the last return.
        if (form->getInt("info_changed") == kAnswerYes) {
            const QString changed = QStringLiteral(
                "According to the answer to question 4 on page 1 of T1, tax payer's name, address, phone number or "
                "direct deposit information have changed.");
            const char* byMode =
                (mode & 2) ? "You cannot change your name or direct deposit information using NETFILE. Your name or "
                             "direct deposit information will not be transmitted with your return. Please visit the "
                             "CRA Web site or contact CRA by phone at 1-800-959-8281 prior to using NETFILE.\n\nYou "
                             "cannot change your address or phone number using NETFILE. Your address will not be "
                             "transmitted with your return. To change your address and phone number, please visit "
                             "the CRA Web site or contact CRA by phone at 1-800-714-7257 prior to using NETFILE."
                           : "Please make sure that tax payer's new address, and/or direct deposit information are "
                             "updated in form T183 and T1DD.";
            if (!confirmLong(nullptr, changed, byMode, nullptr)) return false;
        }

        // 4. NETFILE: the access code; EFILE: direct deposit enrolment.
        if (!(mode & 1)) {
            if (blank(form->getString("netfile_access_code"))
                && !confirmLong("NetFile Access Code",
                                QStringLiteral("Your unique Access code can be found on your Notice of Assessment "
                                               "(NOA) for a previous tax year. This eight-character Access code is "
                                               "made up of numbers and letters."),
                                "Are you sure you want to file your tax return without entering your Access code? If "
                                "you do not enter your Access code, you will not be able to use information from your "
                                "2021 tax return when confirming your identity with the CRA.",
                                "You can enter NetFile Access Code on page 1 of T1, under tax payer's name.", 600, 400))
                return false;
        } else if (!HasForm(FormType::T1DD1)
                   && !confirmLong(kTitle,
                                   QStringLiteral("Direct Deposit enrolment is available to be transmitted by EFile. "
                                                  "Taxpayers will still be able to register through the following "
                                                  "methods;"),
                                   "My Account online, My CRA mobile application, by phone, select financial "
                                   "institution, or by completing and mailing a direct deposit enrolment form from the "
                                   "following link. If the Direct Deposit form is printed from the link, the form "
                                   "needs to be signed, and a void cheque should be attached.",
                                   kDirectDepositFormUrl, 700, 400)) {
            return false;
        }

        // 5. Specified foreign property above $100,000.
        if (form->getInt("foreign_property_over_100k") == kAnswerYes
            && !confirmLong(
                kTitle,
                QStringLiteral("You answered 'Yes' to the question 'Did you own or hold specified foreign property "
                               "where the total cost amount of all such property, at any time in the year, was more "
                               "than CAN$100,000?' Therefore, you are required to file form T1135, Foreign Income "
                               "Verification Statement, if you have not already done so."),
                "There are substantial penalties for not completing and filing Form T1135 by the due date. If you "
                "have provided incomplete information, omitted information, or have not filed form T1135 in prior "
                "years, the Canada Revenue Agency (CRA) encourages you to come forward and correct your tax affairs "
                "through the Voluntary Disclosures Program (VDP).",
                "For more information, see Form T1135.", 700, 500))
            return false;

        // 6 to 17: the T1's amounts.
        if (form->IsAgeNotUnder65() && !present(line("11300"))
            && !confirm("Please confirm that you did not receive the old age security (OAS) pension."))
            return false;
        if (youngChildren > 0 && !present(line("11700")) && !present(line("11701")) && !present(line("spouse_uccb"))
            && !confirm("Press 'OK' button to confirm you and your spouse (if applicable), didn't receive Universal "
                        "Child Care Benefit (UCCB) in the tax year."))
            return false;
        if (youngChildren > 0 && !present(line("21300")) && !present(line("spouse_uccb_repayment"))
            && !confirm("Press 'OK' button to confirm you and your spouse(if applicable), didn't have any repayment "
                        "for Universal Child Care Benefit (UCCB) in the tax year."))
            return false;
        if ((line("12200") <= -kPresent || line("12600") <= -kPresent) && !present(line("5354"))
            && !confirm("You reported an amount at field 12200/12600 in T1. If you have any limited partnership loss "
                        "carry forward amount as supporting field 5354, please enter it in box 31 of T5013 slip; or "
                        "supporting fields in form T776 or form T5013."))
            return false;
        const bool restricted = form->getBool("restricted_farm_loss");
        const double farming = line("farming_total");
        if (!restricted && exceedsBy(-Federal2021::kFarmLossFullPart, farming)
            && !confirm("Please confirm you don't want to claim restricted farm loss (section 31) on page 2 of form "
                        "T1."))
            return false;
        if (restricted && !present(line("14100") - farming)
            && !confirm("You made a claim of restricted farm loss (section 31) on page 2 of form T1. However it "
                        "doesn't make difference if you don't claim it."))
            return false;
        if (!present(line("15000")) && !confirm("Please confirm that you reported no income in tax return."))
            return false;
        if (form->CanClaimSpouse()) {
            if (present(line("spouse_net_income")) && !present(line("spouse_taxable_income"))
                && !confirm("Please confirm spouse's taxable income is zero. Click spouse's income field on page 1 of "
                            "T1, there are both spouse's net income and taxable income fields."))
                return false;
            if (!present(line("spouse_net_income"))
                && !confirm("Please confirm that there is no income reported from your spouse or common-law "
                            "partner. Spouse net-income should be entered on page 1 of form T1."))
                return false;
        }
        if (present(line("20700")) && !present(line("20600"))
            && !confirm("Please confirm you have claimed RPP deduction at field 20700 of T1, however there is no "
                        "pension adjustment amount at field 206. It comes from box 52 of T4 slip."))
            return false;
        if (present(line("21000")) && (GetCountOfSlip(kSlipT4AP) > 0 || GetCountOfSlip(kSlipT4AOAS) > 0)
            && !confirm("Please confirm Old Age Security Pension from T4A(OAS) slip and CPP/QPP benefits from T4A(P) "
                        "slip are not included in field 11500, 12900 of T1 and Field 68020 of T1032."))
            return false;
        if (unique(FormType::T936) && present(line("carryforward_net_capital_losses")) && !present(line("25300"))
            && !confirm("You might be able to claim capital loss at line 25300 on page 3 of T1, since you have "
                        "accumulated capital loss in form T936, and you have capital gain in this year."))
            return false;
        if (form->HasSpouse() && !unique(FormType::Schedule2)
            && !confirm("You don't have Schedule 2 Amounts Transferred From Your Spouse in tax return. You might want "
                        "to include it to optimize your tax return result."))
            return false;
    }

    // 18. Each form's own warnings.
    for (STRUCT_FORMDATA_ITEM_2004* item : m_forms)
        if (!confirmOwnWarnings(item->object, mode)) return false;

    // 19 to 21.
    if (!unique(FormType::Schedule6) && MaySchedule6Needed_v2()
        && !confirm("According to your work income, you may qualify CWB (Canada Workers Benefit) by adding schedule 6 "
                    "into return; otherwise confirm schedule 6 is not needed."))
        return false;
    if (const CTaxData_Form* sch7 = unique(FormType::Schedule7)) {
        if (!present(fieldNumber(sch7, "24600")) && !present(fieldNumber(sch7, "26200"))
            && !present(line("min_hbp_repayment")) && !present(line("min_llp_repayment"))
            && !confirm("Please confirm that there is no requirement for HBP or LLP repayment. If you withdrew RRSP "
                        "for HBP or LLP in prior year, you need to check and verify."))
            return false;
    }
    if (!unique(FormType::T691)
        && (present(line("67820")) || present(line("67830")) || present(line("67840")) || present(line("67860")))
        && !confirm("Alternative minimum tax may apply since supporting field 6782, 6783, 6784 and 6786 are being "
                    "claimed in the tax return. Please add form T691 to calculate minimum tax."))
        return false;

    // 22. The provincial libraries' own warnings.
    if (!m_provMgr.AnyMsgBeforeNetfile(t1(), dynamic_cast<TaxData_Sch11*>(unique(FormType::Schedule11))))
        return false;

    // 23. A CPT20 without an election.
    if (const auto* cpt20 = dynamic_cast<const TaxData_CPT20_New*>(unique(FormType::CPT20)))
        if (!cpt20->hadElectedIncomeToPayCPP()
            && !confirm("Please remove form CPT20 if you don't elect any income to make CPP contribution at line 11 "
                        "or 12 on page 1 of the form."))
            return false;

    // 24. What the slip totals point at, collected first and asked in turn.
    std::list<const char*> fromSlips;
    if (present(totals.t4PrivateHealthPremiums))
        fromSlips.push_back("Please confirm that medical expense is claimed for box 85 of T4 slip.");
    if (present(totals.t4aPrivateHealthPremiums))
        fromSlips.push_back("Please confirm that medical expense is claimed for box 135 of T4A slip.");
    if (totals.t1204Slips > 0)
        fromSlips.push_back("Can you confirm that T2125 is completed properly to report government contract income "
                            "from T1204 tax slip?");
    for (const char* text : fromSlips)
        if (!confirm(text)) return false;
    return true;
}
