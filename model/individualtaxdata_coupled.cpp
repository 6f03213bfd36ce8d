// One spouse's return checked against the other's, and the reasons a form
// should not be added to a return.

#include "federal2021.h"
#include "fieldnumbers.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "t1.h"

// Which line holds each value the couple's checks name by role only:
// - the spouse amount of Schedule 5: T1 line 30300;
// - the UCCB amount claimed for the spouse: the T1's "spouse_uccb";
// - the UCCB repayment-related amount: T1 line 21300;
// - Schedule 6's basic-benefit selection "claim" (the first choice): "claim_basic" ticked;
// - the T778 box for the higher net income: "is_higher_net_income";
// - the adoption expenses of child k: the return keeps one amount, line
//   31300, which is child 1's; children 2 to 6 have none.

namespace {

// The form of the type when the return holds exactly one.
const CTaxData_Form* uniqueForm(IndividualTaxData& person, ENUMTYPE_FORM type)
{
    return person.GetCountOfForm(type) == 1 ? person.GetFormData(type, false) : nullptr;
}

double adoptionForChild(const TaxData_T1New* t1, int child)
{
    return child == 1 ? fieldNumber(t1, "31300") : 0.0;
}

// Net income as the UCCB test measures it: without the benefit received,
// its repayment put back.
double incomeForUccb(const TaxData_T1New* t1)
{
    return fieldNumber(t1, "23600") - fieldNumber(t1, "11700") + fieldNumber(t1, "21300");
}

bool widowedWithoutMark(const TaxData_T1New* t1)
{
    return t1->getInt("marital_status") == MARITAL_WIDOWED && !t1->IsWidowedInTaxYear();
}

} // namespace

int IndividualTaxData::ValidateWithCoupled(unsigned char, std::list<CString>& messages, IndividualTaxData* spouse)
{
    const TaxData_T1New* own = t1();
    const TaxData_T1New* other = spouse ? spouse->t1() : nullptr;
    // Both sides need their one T1; a return without it has nothing to
    // compare (its own validation says what is missing).
    if (!own || !other || GetCountOfForm(FormType::T1) != 1 || spouse->GetCountOfForm(FormType::T1) != 1)
        return int(messages.size());
    auto add = [&](const char* text) { messages.push_back(CString(text)); };

    if (widowedWithoutMark(own) || widowedWithoutMark(other))
        add("If you are widowed in the tax year, please check the box under marital status to indicate marital "
            "status changed in the tax year, so spouse related amount can be filed.");

    if (own->HasSpouse()) {
        const double ownIncome = incomeForUccb(own), spouseIncome = incomeForUccb(other);
        const double received = fieldNumber(own, "11700"), forSpouse = fieldNumber(own, "spouse_uccb");
        if (present(received)) {
            if (exceedsBy(ownIncome - spouseIncome, received))
                add("UCCB must be claimed by your spouse because your spouse has lower net income.");
        } else if (present(forSpouse) && exceedsBy(spouseIncome - ownIncome, forSpouse)) {
            add("UCCB must be claimed by you because you have lower net income.");
        }
    }

    auto bothClaim = [&](const char* line) {
        return fieldNumber(own, line) >= kPresent && fieldNumber(other, line) >= kPresent;
    };
    if (bothClaim("30300")) add("Both spouses claimed spouse amount in schedule 5, only one should claim it.");
    if (bothClaim("30500")) add("You and your spouse can NOT claim the amount at field 30500 at the same time.");

    for (int child = 1; child <= 6; ++child) {
        if (!exceedsBy(adoptionForChild(own, child) + adoptionForChild(other, child),
                       Federal2021::kAdoptionExpensesMax))
            continue;
        CString what, limit, text;
        what.Format("field 31300 (adoption) for child %d", child);
        limit.Format("$%.2f", Federal2021::kAdoptionExpensesMax);
        text.Format("The total of %s in both returns is more than %s.", what.c_str(), limit.c_str());
        messages.push_back(text);
    }

    if (exceedsBy(fieldNumber(own, "31270") + fieldNumber(other, "31270"), 5000.0))
        add("The total of Home Buyer's Amount in field 31270 in both returns is more than $5,000.");

    const CTaxData_Form* sch2 = uniqueForm(*this, FormType::Schedule2);
    if (sch2 && present(fieldNumber(sch2, "36000"))) {
        const CTaxData_Form* spouseSch11 = uniqueForm(*spouse, FormType::Schedule11);
        if (!spouseSch11 || exceedsBy(fieldNumber(sch2, "36000"), fieldNumber(spouseSch11, "32700")))
            add("To claim an amount in field 36000 of Schedule 2, there has to be an even larger amount in field "
                "32700 of spouse Schedule 11.");
    }

    const CTaxData_Form* ownSch6 = uniqueForm(*this, FormType::Schedule6);
    const CTaxData_Form* spouseSch6 = uniqueForm(*spouse, FormType::Schedule6);
    if (ownSch6 && spouseSch6 && fieldNumber(ownSch6, "claim_basic") != 0.0
        && fieldNumber(spouseSch6, "claim_basic") != 0.0)
        add("Only one person between Married or Common-law couple can claim basic CWB benefit in schedule 6.");

    const CTaxData_Form* ownT778 = uniqueForm(*this, FormType::T778);
    const CTaxData_Form* spouseT778 = uniqueForm(*spouse, FormType::T778);
    if (ownT778 && spouseT778
        && (fieldNumber(ownT778, "is_higher_net_income") != 0.0)
               == (fieldNumber(spouseT778, "is_higher_net_income") != 0.0))
        add("One tax return should claim it has higher net income in form T778 for child care expenses.");

    if ((GetCountOfForm(FormType::T1032) == 1) != (spouse->GetCountOfForm(FormType::T1032) == 1))
        add("Please make sure form T1032 (Election to Split Pension) is presented in both coupled returns.");

    m_provMgr.ValidateWithCoupled(messages, &spouse->provMgr());
    return int(messages.size());
}

void IndividualTaxData::CanAddNewForm(ENUMTYPE_FORM type, std::list<CString>& messages)
{
    const TaxData_T1New* form = t1();
    const bool canClaimSpouse = form && form->CanClaimSpouse();
    switch (type) {
    case 3: case 26: case 43: case 47: case 64: case 68: case 72: case 76: case 79: case 82: case 90:
        if (!canClaimSpouse)
            messages.push_back(
                "'Amount transferred from spouse' cannot be claimed because the marital status is not married or "
                "living with common-law partner.\n\nHowever, if the marital status changed during the tax year, "
                "spouse-transferring amount can still be claimed. Please first check the checkbox on page 1 of form "
                "T1 to claim the marital status change.");
        return;
    case 38:
        messages.push_back(
            "Quillmere has two types of T5013 (slip or form) to report Partnership Income. This T5013 form will "
            "generate Selected Financial Data record in your NETFILE. If you just want to report partnership income "
            "in line 122 of T1, please add T5013 slip from tax slips .\n\nDo you want to continue?");
        return;
    case 118:
        if (!canClaimSpouse) messages.push_back("If tax payer is not married or common-law, T1032 cannot be added to tax return.");
        return;
    default:
        return;
    }
}
