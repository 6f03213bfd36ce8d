// The coupled-return optimiser: the bracket equaliser, the grid searches over
// the pension split and the donation split, and the whole optimisation that
// runs them on a scratch copy of a coupled return.

#include "optimiser.h"

#include <algorithm>
#include <limits>
#include <list>

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

#include "coupledclaims.h"
#include "familytaxdata.h"
#include "federalforms.h"
#include "formtypes.h"
#include "schedules.h"
#include "shareamountdata.h"
#include "t1.h"

namespace {

// Amounts the optimiser moves, kept apart from what the person's own slips
// and forms report: on the T1 the interest and capital gains added to
// (or taken from) the person's own, on Schedule 9 the donations.
const char* const kSharedInterest = "shared_interest";
const char* const kSharedCapitalGains = "shared_capital_gains";
const char* const kSharedDonations = "shared_donations";


// Every trial recalculates both returns, so the user sees a wait cursor.
class WaitCursor
{
public:
    WaitCursor() : m_shown(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr)
    {
        if (m_shown) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    }
    ~WaitCursor()
    {
        if (m_shown) QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool m_shown;
};

double familyFigure(const CFamilyTaxData& family)
{
    double principal = 0, spouse = 0, total = 0;
    family.GetFamilyReturnStatus(principal, spouse, total);
    return total;
}

double taxableIncome(const IndividualTaxData* person)
{
    const TaxData_T1New* t1 = person->t1();
    return t1 ? t1->getFloat("26000") : 0.0;
}

TaxData_T1032_New* t1032Of(IndividualTaxData* person, bool create)
{
    return dynamic_cast<TaxData_T1032_New*>(person->GetFormData(FormType::T1032, create));
}

void addTo(CTaxData_Form* form, const char* name, double amount)
{
    if (form) form->setFloat(name, form->getFloat(name) + amount);
}

void setAmount(CTaxData_Form* form, const char* name, double amount)
{
    if (form) form->setFloat(name, amount);
}

// Coarse-to-fine passes of 100, 10, 1 and 0.1 over [lower, upper): the first
// pass covers the whole range, each later one a window around the best value
// the previous pass left. `trial` answers the family figure for a value.
template <typename Trial>
double gridSearch(double lower, double upper, double best, double bestValue, Trial trial)
{
    auto pass = [&](double start, double step, double end) {
        for (int i = 0;; ++i) {
            const double v = start + i * step;
            if (!(v < end)) break;
            const double figure = trial(v);
            if (best > figure) {
                best = figure;
                bestValue = v;
            }
        }
    };
    if (upper > lower) pass(lower, 100.0, upper);
    for (double step : {10.0, 1.0, 0.1}) {
        const double width = step * 10.0;
        pass(std::max(lower, bestValue - width), step, std::min(upper, bestValue + width));
    }
    return bestValue;
}

} // namespace

// ---------------------------------------------------------------- NumberStair

void NumberStair::AddStepAmt(double amount)
{
    m_steps.insert(std::upper_bound(m_steps.begin(), m_steps.end(), amount), amount);
}

int NumberStair::GetLevel(double x) const
{
    int level = 0;
    while (level < GetMaxLevel() && m_steps[level] <= x) ++level;
    return level;
}

double NumberStair::GetStepAmt(int i) const
{
    if (m_steps.empty() || i >= GetMaxLevel()) return 0.0;
    return m_steps[std::max(i, 0)];
}

void NumberStair::Optimize(PersonalAmt a, PersonalAmt b, double& most, double& least) const
{
    const int levelA = GetLevel(a.income);
    const int levelB = GetLevel(b.income);
    const bool aIsHigh = levelA > levelB;
    const PersonalAmt& high = aIsHigh ? a : b;
    const PersonalAmt& low = aIsHigh ? b : a;
    int hi = std::max(levelA, levelB);
    int lo = std::min(levelA, levelB);
    double h = high.income, hm = high.movable, l = low.income, lm = low.movable;
    double moved = 0;
    least = 0;
    auto move = [&](double amount) {
        l += amount;
        lm += amount;
        h -= amount;
        hm -= amount;
        moved += amount;
        least = moved;
    };
    while (lo < hi) {
        const double gapLow = m_steps[lo] - l;
        const double gapHigh = h - m_steps[hi - 1];
        if (gapHigh <= gapLow) {
            if (hm < gapHigh) break;
            move(gapHigh);
            --hi;
        } else {
            if (hm < gapLow) break;
            move(gapLow);
            ++lo;
        }
    }
    if (lo != hi) {
        most = least = hm + moved;
    } else if (lo < 1) {
        most = moved;
    } else {
        const double floor = m_steps[lo - 1];
        double back;
        if (lo < GetMaxLevel()) {
            const double ceiling = m_steps[lo];
            most = moved + std::min({hm, ceiling - l, h - floor});
            back = std::min(ceiling - h, l - floor);
        } else {
            most = moved + std::min(hm, h - floor);
            back = l - floor;
        }
        least -= std::min(lm, back);
    }
    if (!aIsHigh) {
        most = -most;
        least = -least;
    }
}

// ---------------------------------------------------------------- the rules

OptimiserMove planOptimiserMove(double amount, double interest, double capitalGains, double pension,
                                bool bothHaveT1032)
{
    OptimiserMove plan;
    plan.interest = interest <= 0 ? interest : std::min(amount, interest);
    amount -= plan.interest;
    if (amount > 0) {
        plan.capitalGains = std::min(amount, capitalGains);
        amount -= plan.capitalGains;
    }
    if (amount > 0 && bothHaveT1032) {
        plan.splitsPension = true;
        plan.pensionSplit = std::min(amount, pension);
    }
    return plan;
}

DonationShares donationsToHigherEarner(double taxpayerIncome, double spouseIncome, double taxpayerShareable,
                                       double spouseShareable, double unclaimed)
{
    DonationShares shares;
    shares.spouseHigher = spouseIncome > taxpayerIncome && spouseIncome - taxpayerIncome >= CFloatField::kTolerance;
    if (shares.spouseHigher) {
        shares.taxpayer = -taxpayerShareable;
        shares.spouse = taxpayerShareable + unclaimed;
    } else {
        shares.spouse = -spouseShareable;
        shares.taxpayer = spouseShareable + unclaimed;
    }
    return shares;
}

// ---------------------------------------------------------------- the searches

void CFamilyTaxData::DoPensionSplitOpt(double maxSplit, double& split)
{
    const double start = familyFigure(*this);
    TaxData_T1032_New* own = t1032Of(taxpayer(), true);
    TaxData_T1032_New* other = t1032Of(spouse(), true);
    split = gridSearch(0.0, maxSplit, start, split, [&](double v) {
        if (own && other) {
            own->setFloat("split_amount", v);
            other->setFloat("split_amount", v);
        }
        Calculate(FROM_WHOLE_RETURN, own);
        return familyFigure(*this);
    });
}

void CFamilyTaxData::DoDonationSplitOpt(double lower, double upper, double total, double& share)
{
    CTaxData_Form* own = taxpayer()->GetFormData(FormType::Schedule9, true);
    CTaxData_Form* other = spouse()->GetFormData(FormType::Schedule9, true);
    setAmount(own, kSharedDonations, share);
    setAmount(other, kSharedDonations, total - share);
    // A split that would have the couple claim more than they gave is never
    // taken: the same bound the return's validation holds them to.
    auto beyondGifts = [&] { return DonationsClaimedBeyondHeld(own, other, total) >= CFloatField::kTolerance; };
    const double start = beyondGifts() ? std::numeric_limits<double>::infinity() : familyFigure(*this);
    share = gridSearch(lower, upper, start, share, [&](double v) {
        setAmount(own, kSharedDonations, v);
        setAmount(other, kSharedDonations, total - v);
        if (beyondGifts()) return std::numeric_limits<double>::infinity();
        Calculate(FROM_WHOLE_RETURN, own);
        return familyFigure(*this);
    });
}

// ---------------------------------------------------------------- the whole optimisation

void CFamilyTaxData::DoCoupledReturnOptimize(DataShareAmtDlg* shares)
{
    if (!shares || !IsCoupledReturn()) return;
    const WaitCursor wait;
    IndividualTaxData* p = taxpayer();
    IndividualTaxData* s = spouse();
    TaxData_T1New* pT1 = p->t1();
    TaxData_T1New* sT1 = s->t1();

    NumberStair stair;
    std::list<double> thresholds;
    p->GetIncomeThresholds(thresholds);
    for (double t : thresholds) stair.AddStepAmt(t);

    // Amounts neither return claims start shared half and half.
    const double interestJoint = shares->fld_BankInterest_3->GetValue();
    const double gainsJoint = shares->fld_CapGain_3->GetValue();
    const double pInterestHalf = interestJoint * 0.5;
    const double pGainsHalf = gainsJoint * 0.5;
    setAmount(pT1, kSharedInterest, pInterestHalf);
    setAmount(pT1, kSharedCapitalGains, pGainsHalf);
    setAmount(sT1, kSharedInterest, interestJoint - pInterestHalf);
    setAmount(sT1, kSharedCapitalGains, gainsJoint - pGainsHalf);
    const double pInterest = shares->fld_BankInterest_1->GetValue() + pInterestHalf;
    const double pGains = shares->fld_CapGain_1->GetValue() + pGainsHalf;
    const double sInterest = shares->fld_BankInterest_2->GetValue() + (interestJoint - pInterestHalf);
    const double sGains = shares->fld_CapGain_2->GetValue() + (gainsJoint - pGainsHalf);

    // Only the pensioner's pension moves, and never more than the half of
    // the eligible pension income that the election allows.
    TaxData_T1032_New* pT1032 = t1032Of(p, false);
    TaxData_T1032_New* sT1032 = t1032Of(s, false);
    const bool bothT1032 = pT1032 && sT1032;
    double pPension = 0, sPension = 0;
    if (bothT1032) {
        if (pT1032->role() == TaxData_T1032_New::ROLE_PENSIONER)
            pPension = pT1032->getFloat("max_split");
        else if (sT1032->role() == TaxData_T1032_New::ROLE_PENSIONER)
            sPension = sT1032->getFloat("max_split");
        pT1032->setBool("is_elected", true);
        sT1032->setBool("is_elected", true);
    }
    const double pMovable = pInterest + pGains + pPension;
    const double sMovable = sInterest + sGains + sPension;

    const double donationsJoint = shares->fld_Donation_3->GetValue();
    CTaxData_Form* pSch9 = p->GetFormData(FormType::Schedule9, true);
    CTaxData_Form* sSch9 = s->GetFormData(FormType::Schedule9, true);
    const double pDonationHalf = donationsJoint * 0.5;
    setAmount(pSch9, kSharedDonations, pDonationHalf);
    setAmount(sSch9, kSharedDonations, donationsJoint - pDonationHalf);
    Calculate(FROM_WHOLE_RETURN, nullptr);

    // Equalise the brackets, moving from the spouse who gives.
    double most = 0, least = 0;
    stair.Optimize(PersonalAmt(taxableIncome(p), pMovable), PersonalAmt(taxableIncome(s), sMovable), most, least);
    const bool fromTaxpayer = least > 0;
    const OptimiserMove move = fromTaxpayer ? planOptimiserMove(least, pInterest, pGains, pPension, bothT1032)
                                            : planOptimiserMove(-least, sInterest, sGains, sPension, bothT1032);
    TaxData_T1New* giver = fromTaxpayer ? pT1 : sT1;
    TaxData_T1New* taker = fromTaxpayer ? sT1 : pT1;
    addTo(giver, kSharedInterest, -move.interest);
    addTo(taker, kSharedInterest, move.interest);
    if (move.capitalGains != 0) {
        addTo(giver, kSharedCapitalGains, -move.capitalGains);
        addTo(taker, kSharedCapitalGains, move.capitalGains);
    }
    if (move.splitsPension) {
        pT1032->setFloat("split_amount", move.pensionSplit);
        sT1032->setFloat("split_amount", move.pensionSplit);
    }
    Calculate(FROM_WHOLE_RETURN, nullptr);

    if (bothT1032) {
        double split = pT1032->getFloat("split_amount");
        DoPensionSplitOpt(pT1032->getFloat("max_split"), split);
        // Both copies take it: the election is copied from the pensioner's.
        pT1032->setFloat("split_amount", split);
        sT1032->setFloat("split_amount", split);
        Calculate(FROM_WHOLE_RETURN, pT1032);
    }

    // A spouse can hand over no more of the donations than their Schedule 9
    // claims before any sharing.
    auto claimable = [](const CTaxData_Form* sch9) {
        auto* s9 = dynamic_cast<const TaxData_Sch9*>(sch9);
        return s9 ? std::max(0.0, s9->ownDonations() + s9->getFloat("donations_spouse")) : 0.0;
    };
    const double d1 = std::clamp(shares->fld_Donation_1->GetValue(), 0.0, claimable(pSch9));
    const double d2 = std::clamp(shares->fld_Donation_2->GetValue(), 0.0, claimable(sSch9));
    if (d1 + d2 + donationsJoint < CFloatField::kTolerance) return;
    const DonationShares toHigher = donationsToHigherEarner(taxableIncome(p), taxableIncome(s), d1, d2, donationsJoint);
    setAmount(pSch9, kSharedDonations, toHigher.taxpayer);
    setAmount(sSch9, kSharedDonations, toHigher.spouse);
    Calculate(FROM_WHOLE_RETURN, nullptr);
    IndividualTaxData* higher = toHigher.spouseHigher ? s : p;
    if (higher->IsNonrefundableCreditAllUsed()) return;
    double share = toHigher.taxpayer;
    DoDonationSplitOpt(-d1, d2 + donationsJoint, donationsJoint, share);
    setAmount(pSch9, kSharedDonations, share);
    setAmount(sSch9, kSharedDonations, donationsJoint - share);
    Calculate(FROM_WHOLE_RETURN, pSch9);
}
