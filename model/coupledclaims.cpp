#include "coupledclaims.h"

#include <algorithm>
#include <cmath>

#include "amounts.h"
#include "formtables.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "schedules.h"

namespace {

const TaxData_Sch9* sch9Of(IndividualTaxData& person)
{
    return person.GetCountOfForm(FormType::Schedule9) == 1
               ? dynamic_cast<const TaxData_Sch9*>(person.GetFormData(FormType::Schedule9, false))
               : nullptr;
}

// A percentage as the user typed it: "70", "33.33".
CString percent(double value)
{
    CString text;
    text.Format("%.2f", value);
    QByteArray bytes = text.bytes();
    while (bytes.endsWith('0')) bytes.chop(1);
    if (bytes.endsWith('.')) bytes.chop(1);
    return CString(bytes);
}

void sharedSlipMessages(IndividualTaxData& taxpayer, IndividualTaxData& spouse, std::list<CString>& messages)
{
    for (const STRUCT_SLIPDATA_ITEM_2004* mine : taxpayer.slips()) {
        const char* field = mine->object && mine->sharedId != 0 ? mine->object->sharePercentField() : nullptr;
        if (!field) continue;
        const CTaxData_Form* theirs = spouse.GetSlipData(mine->slipType, mine->sharedId, false);
        if (!theirs) continue;
        const double own = mine->object->getFloat(field), other = theirs->getFloat(field);
        if (std::fabs(own + other - 100.0) < kAmountThatCounts) continue;
        CString payer = mine->object->getString("payer_name");
        payer.Trim();
        const SlipInfo* info = slipInfo(mine->slipType);
        CString slip(info ? info->shortName : "");
        slip += " slip";
        if (!payer.IsEmpty()) slip += " \"" + payer + "\"";
        CString text;
        text.Format("The shared %s is claimed at %s%% on the taxpayer's return and %s%% on the spouse's: the "
                    "two shares must add up to 100%%.",
                    slip.c_str(), percent(own).c_str(), percent(other).c_str());
        messages.push_back(text);
    }
}

} // namespace

double DonationsClaimedBeyondHeld(const CTaxData_Form* taxpayerSch9, const CTaxData_Form* spouseSch9,
                                  double jointNotEntered)
{
    auto own = [](const CTaxData_Form* f) {
        auto* sch9 = dynamic_cast<const TaxData_Sch9*>(f);
        return sch9 ? sch9->ownDonations() : 0.0;
    };
    auto spouses = [](const CTaxData_Form* f) {
        auto* sch9 = dynamic_cast<const TaxData_Sch9*>(f);
        return sch9 ? sch9->spouseDonationsClaimed() : 0.0;
    };
    const double ownP = own(taxpayerSch9), ownS = own(spouseSch9);
    const double fromS = spouses(taxpayerSch9), fromP = spouses(spouseSch9);
    // What each schedule counts before its limit: never below nothing.
    const double claimed = std::max(0.0, ownP + fromS) + std::max(0.0, ownS + fromP);
    const double held = std::max(ownP, fromP) + std::max(ownS, fromS) + std::max(0.0, jointNotEntered);
    return std::max(0.0, claimed - held);
}

void CoupledClaimMessages(IndividualTaxData& taxpayer, IndividualTaxData& spouse, std::list<CString>& messages)
{
    sharedSlipMessages(taxpayer, spouse, messages);
    const double beyond = DonationsClaimedBeyondHeld(sch9Of(taxpayer), sch9Of(spouse));
    if (beyond >= kAmountThatCounts) {
        CString text;
        text.Format("The donations claimed on the two returns' Schedule 9 (each spouse's own and the spouse's "
                    "donations claimed) are more than the donations the two of you made by $%.2f. Claim each "
                    "donation on one return only.",
                    beyond);
        messages.push_back(text);
    }
}
