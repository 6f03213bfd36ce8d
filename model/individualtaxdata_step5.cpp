// Calculation step 5 of a person's return: the provincial tax after the
// coupled exchange, the refundable credits, the refund or balance owing, and
// the filing forms that carry the person's identity and the results.

#include "amounts.h"
#include "federal2021.h"
#include "federalforms.h"
#include "formclasses.h"
#include "formtypes.h"
#include "individualtaxdata.h"
#include "stephelpers.h"
#include "preparersettings.h"
#include "schedules.h"
#include "t1.h"

namespace {

// The identity texts the filing forms share.
struct Identity
{
    CString first, last, fullName, sin, address, city, province, postalCode, phone;

    explicit Identity(const TaxData_T1New& t1)
    {
        first = t1.getString("first_name");
        last = t1.getString("last_name");
        t1.ConstructFullName(fullName);
        sin = t1.getString("sin");
        address = t1.getString("mailing_address");
        city = t1.getString("mailing_city");
        province = t1.getString("mailing_province");
        postalCode = t1.getString("mailing_postal_code");
        phone = t1.getString("home_phone");
    }

    // Into the fields of those names that the form has.
    void fill(CTaxData_Form& form) const
    {
        form.setString("first_name", first);
        form.setString("last_name", last);
        form.setString("sin", sin);
        form.setString("address", address);
        form.setString("city", city);
        form.setString("province", province);
        form.setString("postal_code", postalCode);
        form.setString("phone", phone);
    }
};

// The income lines of the loss carryback request, each an income or a loss.
const char* const kT1AIncomeLines[] = {"12100", "12200", "12600", "12700", "13500",
                                       "13700", "13900", "14100", "14300"};

// Discounters may keep 15% of the first 300 of the refund and 5% of the rest.
double maxDiscount(double refund)
{
    using namespace Federal2021;
    const double first = qBound(0.0, refund, kDiscountFirstPart);
    return roundToCents(first * kDiscountFirstRate + qMax(0.0, refund - kDiscountFirstPart) * kDiscountRestRate);
}

} // namespace

int IndividualTaxData::calculateStep5(bool)
{
    TaxData_T1New* t1 = this->t1();
    if (!t1) return 0;
    const int flag = m_calculationFlag;

    // 1-2. Provincial tax after the exchange.
    CalculateT2209FromFedToProv();
    std::list<TaxData_T2209_2036*> foreign;
    PrepareT2209List(foreign);
    auto* t2203 = formOf<TaxData_T2203>(*this, FormType::T2203);
    m_provMgr.CalcProvTax_AfterExchData(t1, t2203, formOf<TaxData_Sch2>(*this, FormType::Schedule2),
                                        formOf<CTaxData_Schedule_3>(*this, FormType::Schedule3),
                                        formOf<TaxData_Sch9>(*this, FormType::Schedule9),
                                        formOf<TaxData_T1206New>(*this, FormType::T1206), foreign,
                                        formOf<TaxData_T691New>(*this, FormType::T691),
                                        formOf<CTaxData_T1219>(*this, FormType::T1219),
                                        formOf<TaxData_T2017New>(*this, FormType::T2017));

    // 3. The forms that the provincial libraries frame, with the age.
    for (ENUMTYPE_FORM type : {FormType::T225, FormType::T224}) {
        CTaxData_Form* form = GetFormData(type, false);
        if (!form) continue;
        m_provMgr.beforeCalcFormData(type, form);
        form->setInt("age", t1->GetAge());
        form->Calculate();
        m_provMgr.afterCalcFormData(type, form);
    }

    // 4. Provincial credits.
    m_provMgr.CalcProvCredit(t1, t2203, formOf<TaxData_Sch5>(*this, FormType::Schedule5), foreign);

    // 5. Climate action incentive, Canada workers benefit, GST/HST rebate.
    if (CTaxData_Form* sch14 = GetFormData(FormType::Schedule14, false)) sch14->Calculate();
    double workersBenefit = 0.0;
    if (auto* sch6 = formOf<TaxData_Sch6>(*this, FormType::Schedule6)) {
        sch6->setMainTaxProvince(m_mainProvince);
        // When both spouses' returns hold a Schedule 6, the one with the
        // higher working income claims the basic benefit; on equal incomes
        // the taxpayer.
        bool claimsBasic = true;
        if (IsCoupledReturn() && t1->HasSpouse() && sch6->getInt("spouse_without_schedule6") == 0) {
            const double own = sch6->getFloat("38108"), spouse = sch6->getFloat("spouse_38108");
            claimsBasic = own > spouse + kPresent || (qAbs(own - spouse) < kPresent && !isSpouseReturn());
        }
        sch6->Calculate01(claimsBasic);
        // Residents of Canada all year who are 19 or older, or who live with
        // a spouse or an eligible dependant.
        const bool family = t1->HasSpouse() || sch6->getBool("has_eligible_dependant");
        if ((t1->GetAge() >= 19 || family) && !t1->shouldProrateAsImmigrant()) workersBenefit = sch6->getFloat("45300");
    }
    t1->setFloat("45300", workersBenefit);
    auto* gst370 = formOf<CTaxData_GST370>(*this, FormType::GST370);
    if (gst370) gst370->Calculate01();
    t1->setFloat("45700", amountOf(gst370, "rebate"));

    // 6. Refundable medical expense supplement, total payable, and the result.
    const double working = t1->getFloat("10100") + t1->getFloat("10400") + t1->getFloat("10400_slips")
        + t1->getSelfEmploymentIncomeWithoutLoss();
    t1->CalculateMedicalExpenseSupplement(working);
    t1->CalculateBeforeLine437(flag);
    t1->CalculateBalance(flag);

    const Identity who(*t1);

    // 7. Loss carryback request.
    if (CTaxData_Form* t1a = GetFormData(FormType::T1A, false)) {
        who.fill(*t1a);
        t1a->setFloat("employment_income", t1->getFloat("10100") + t1->getFloat("10400") + t1->getFloat("10400_slips"));
        for (const char* line : kT1AIncomeLines) {
            const double amount = t1->getFloat(line);
            t1a->setFloat(CString("income_") + line, qMax(0.0, amount));
            t1a->setFloat(CString("loss_") + line, qMax(0.0, -amount));
        }
        t1a->setFloat("deductions", t1->getFloat("23300"));
        t1a->setFloat("allowable_business_investment_loss", t1->getFloat("21700"));
        t1a->setFloat("net_capital_losses_applied", t1->getFloat("25300"));
        if (auto* form = dynamic_cast<TaxData_T1ANew*>(t1a)) form->Calculate01();
    }

    // 8. Tax shelters, direct deposit, the EFILE declaration and the debit agreement.
    if (auto* t5004 = formOf<CTaxData_T5004>(*this, FormType::T5004)) {
        t5004->setString("taxpayer_name", who.fullName);
        t5004->Calculate01();
    }
    CTaxData_Form* t1dd = GetFormData(FormType::T1DD1, false);
    if (t1dd) {
        who.fill(*t1dd);
        t1dd->Calculate();
    }
    if (CTaxData_Form* t183 = GetFormData(FormType::T183, false)) {
        who.fill(*t183);
        for (const char* line : {"15000", "23600", "26000", "48400", "48500"}) t183->setFloat(line, t1->getFloat(line));
        t183->Calculate();
        if (t1dd) t183->setInt("has_direct_deposit", 1);
    }
    if (CTaxData_Form* t185 = GetFormData(FormType::T185, false)) {
        who.fill(*t185);
        if (t185->getInt("amount_choice") == 0) t185->setFloat("balance_owing", t1->getFloat("48500"));
        t185->Calculate();
    }

    // 9. Discounting, adjustment request, foreign property and the
    //    preparer's details.
    const PreparerSettings& preparer = preparerSettings();
    if (CTaxData_Form* rc71 = GetFormData(FormType::RC71, false)) {
        if (!preparer.DiscounterCode.IsEmpty()) rc71->setString("discounter_code", preparer.DiscounterCode);
        rc71->setString("client_first_name", who.first);
        rc71->setString("client_last_name", who.last);
        rc71->setString("client_sin", who.sin);
        rc71->setString("client_address", t1->GetFullAddressWithoutPostcode(',') + " " + who.postalCode);
        rc71->setString("client_phone", who.phone);
        rc71->setString("client_name", who.fullName);
        const double refund = t1->getFloat("48400");
        rc71->setFloat("expected_refund", refund);
        rc71->setFloat("discount", Federal2021::roundToCents(refund - rc71->getFloat("amount_paid")));
        rc71->setFloat("max_discount", maxDiscount(refund));
        rc71->Calculate();
    }
    if (CTaxData_Form* adjustment = GetFormData(FormType::T1ADJ, false)) {
        if (!preparer.BusinessEFileNum.IsEmpty()) adjustment->setString("efile_number", preparer.BusinessEFileNum);
        adjustment->setString("tax_year", "2021");
        adjustment->setString("taxpayer_name", who.last + ", " + who.first);
        adjustment->setString("sin", who.sin);
        adjustment->Calculate();
    }
    if (CTaxData_Form* t1135 = GetFormData(FormType::T1135, false)) {
        t1135->setInt("reporter_kind", 0);
        t1135->setString("first_name", who.first);
        t1135->setString("last_name", who.last);
        t1135->setString("sin", who.sin);
        t1135->Calculate();
    }
    if (CTaxData_Form* t1153 = GetFormData(FormType::T1153, false)) {
        t1153->setString("taxpayer_name", who.fullName);
        t1153->setString("sin", who.sin);
        t1153->setDate("birth_date", t1->getDate("birth_date"));
        t1153->setString("address", who.address);
        t1153->setString("city", who.city);
        t1153->setString("province", who.province);
        t1153->setString("postal_code", who.postalCode);
    }

    // 10. The interview data back from the forms.
    WriteDataToWizards(flag >= 0);
    for (STRUCT_WIZDATA_ITEM_2004* item : m_wizards)
        if (item->object) item->object->Calculate();
    return 0;
}
