// The return lines of one person's return: each form's own, then those that
// depend on several forms or on the T1 as a whole.

#include <cmath>

#include "formtypes.h"
#include "individualtaxdata.h"
#include "netfilegenobj.h"
#include "netfilelines.h"
#include "schedules.h"
#include "t1.h"

namespace {

using namespace netfile;

const int kIncomeCodes[] = {10100, 10400, 11300, 11400, 11500, 11600, 11700, 11900, 12000, 12100, 12200, 12500,
                            12600, 12700, 12800, 12900, 13000, 13010, 13500, 13700, 13900, 14100, 14300, 14700};
const int kNoSpouseCodes[] = {30300, 52300, 52630, 52670, 53680, 55370, 55380,
                              58120, 60900, 61580, 61880, 61970, 9918};
const int kSpouseClaimCodes[] = {30400, 58160};
const int kCaregiverCodes[] = {32600, 58640, 68020};

template <int N>
bool anyInMap(const NetfileGenObjParamStru& param, const int (&codes)[N])
{
    return param.fields && CheckIfEntryInMap(*param.fields, codes, N);
}

// A rounded amount, or 1 for an amount below a dollar either way.
void writeRoundedOrOne(NetfileGenObjParamStru& param, int code, double v)
{
    if (isSmall(v))
        writeAmountOne(param, code);
    else
        writeRoundedAmount(param, code, v);
}

void writeTruncatedAboveOne(NetfileGenObjParamStru& param, int code, double v)
{
    if (!isSmall(v)) writeTruncatedAmount(param, code, v);
}

void writeTruncatedOrOne(NetfileGenObjParamStru& param, int code, double v)
{
    if (isSmall(v))
        writeAmountOne(param, code);
    else
        writeTruncatedAmount(param, code, v);
}

} // namespace

void IndividualTaxData::WriteNetfileMJRelatedField(unsigned char, NetfileGenObjParamStru& param, const int* codes,
                                                   int count)
{
    if (!HasForm(FormType::T2203) || count < 1 || !param.fields) return;
    if (!CheckIfEntryInMap(*param.fields, codes, count)) return;
    for (int i = 0; i < count; ++i) {
        if (codes[i] == 0) continue;
        if (i > 0 && !_isProvInvolvedinMJ(i)) continue;
        writeAmountOne(param, codes[i]);   // a code already in the map writes nothing
    }
}

void IndividualTaxData::WriteNetfileMJRelatedFields(unsigned char mode, NetfileGenObjParamStru& param)
{
    WriteNetfileMJRelatedField(mode, param, s_relatedflds_InfrmDepOver18, kJurisdictionCodes);
    WriteNetfileMJRelatedField(mode, param, s_relatedflds_CaregiverAmt, kJurisdictionCodes);
    WriteNetfileMJRelatedField(mode, param, s_relatedflds_DTCDependant, kJurisdictionCodes);
    WriteNetfileMJRelatedField(mode, param, s_relatedflds_TuitionTransfer, kJurisdictionCodes);
}

int IndividualTaxData::WriteNetfileFreeFormatData(unsigned char mode, NetfileGenObjParamStru& param)
{
    // 1. Every form's own lines, in list order.
    CNetfileGenObj visitor;
    EnumTaxForms(&visitor, &param);

    // 2. The multiple-jurisdiction rule.
    if (!_isNonResidentReturn()) WriteNetfileMJRelatedFields(mode, param);

    const TaxData_T1New* t1Form = t1();
    if (!t1Form) return -1;
    auto line = [t1Form](const char* name) { return t1Form->getFloat(name); };

    // 3. Employment income without a CPP form.
    if (line("10100") >= 0.009 && !HasForm(FormType::Schedule8) && !HasForm(FormType::RC381)) {
        writeAmountOne(param, 50340);
        writeAmountOne(param, 50339);
    }

    // 4. The self-employment and rental pairs.
    struct Pair
    {
        bool present;
        int gross;
        int net;
    };
    const Pair pairs[] = {
        {HaveRentalIncome(), 12599, 12600},     {HaveBusinessIncome(), 13499, 13500},
        {HaveFishIncome(), 14299, 14300},       {HaveFarmIncome(), 14099, 14100},
        {HaveCommissionIncome(), 13899, 13900}, {HaveProfessionalIncome(), 13699, 13700},
    };
    for (const Pair& pair : pairs) {
        if (!pair.present) continue;
        writeRoundedOrOne(param, pair.gross, line(QByteArray::number(pair.gross).constData()));
        writeRoundedOrOne(param, pair.net, line(QByteArray::number(pair.net).constData()));
    }

    // 5. No income at all.
    if (std::fabs(line("15000")) < 0.009 && !anyInMap(param, kIncomeCodes)) writeInteger(param, 9915, 1);

    // 6. and 7. The spouse indicators.
    bool wrote55220 = false;
    if (t1Form->HasSpouse()) {
        if (anyInMap(param, kSpouseClaimCodes)) writeInteger(param, 55290, 1);
    } else {
        if (t1Form->getBool("spouse_self_employed") || anyInMap(param, kNoSpouseCodes))
            wrote55220 = writeInteger(param, 55220, 1);
        if (anyInMap(param, kCaregiverCodes)) writeInteger(param, 57730, 1);
    }

    // 8. Taxable capital gains.
    if (std::fabs(line("12700")) >= 0.009) writeRoundedOrOne(param, 12700, line("12700"));

    // 9. 55220 by Schedule 6.
    const CTaxData_Form* sch6Form = GetFormData(FormType::Schedule6, false);
    const auto* sch6 = dynamic_cast<const TaxData_Sch6*>(sch6Form);
    if (!wrote55220 && sch6 && sch6->isInNetfile() && t1Form->getInt("marital_status") == MARITAL_WIDOWED
        && sch6->getBool("no_spouse") == false)
        writeInteger(param, 55220, 1);

    // 10. 55320, the self-employment income in working income that the
    // T1's self-employment lines do not show: with a Canada workers benefit
    // claim (line 45300), or else with a refundable medical expense
    // supplement (line 45200).
    if (std::fabs(line("45300")) >= 0.009) {
        if (sch6 && t1Form->getInt("test_55320_indicator") != 0 && sch6->getInt("spouse_without_schedule6") != 0)
            writeAmountOne(param, 55320);
        else
            writeTruncatedAboveOne(param, 55320, line("55320"));
    } else if (std::fabs(line("45200")) >= 0.009) {
        writeTruncatedAboveOne(param, 55320, line("55320"));
    }

    // 11. 55300, the T778's earned income beyond the T1's lines, with a
    // child care expenses deduction (line 21400).
    if (HasForm(FormType::T778) && line("21400") >= 0.009)
        writeTruncatedAboveOne(param, 55300, CalculateF5530ForT778());

    // 12. Tax shelters without a T5004.
    if (!HasForm(FormType::T5004)) writeTruncatedAboveOne(param, 67650, line("67650"));

    // 13. Minimum tax amounts without a T691.
    if (!HasForm(FormType::T691)) {
        writeTruncatedAboveOne(param, 67830, line("67830"));
        if (line("23200") - line("23200_slips") >= 0.009 || line("22100") > 0.99999999) {
            writeTruncatedOrOne(param, 67820, line("67820"));
            writeTruncatedOrOne(param, 67860, line("67860"));
        } else {
            writeTruncatedAboveOne(param, 67820, line("67820"));
            writeTruncatedAboveOne(param, 67860, line("67860"));
        }
        writeTruncatedAboveOne(param, 67840, line("67840"));
        writeTruncatedAboveOne(param, 67890, line("67890"));
    }

    // 14. Cumulative net investment loss amounts without a T936.
    if (!HasForm(FormType::T936)) {
        writeTruncatedAboveOne(param, 68080, line("68080"));
        writeTruncatedAboveOne(param, 68100, line("68100"));
        writeTruncatedAboveOne(param, 68110, line("68110"));
        if (line("5365") >= 0.009) writeTruncatedAboveOne(param, 5365, line("5365"));
    }

    // 15. The restricted farm loss.
    const double farming = line("farming_total");
    if (HaveFarmIncome() && t1Form->getBool("restricted_farm_loss") && farming < 0.0) {
        const long long whole = static_cast<long long>(farming);
        if (whole <= -1) writeWholeAmount(param, 54950, -whole);
    }

    // 16. EFILE only.
    if (!(mode & 0x2)) {
        int value = 1;
        if (HasForm(FormType::RC71))
            value = 3;
        else if (t1Form->getInt("test_49000_indicator") == 1)
            value = 2;
        writeInteger(param, 49000, value);
    }
    return 0;
}
