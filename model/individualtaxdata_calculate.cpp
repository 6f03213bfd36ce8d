// One calculation step of a person's return, and the figures every step uses.

#include "individualtaxdata.h"
#include "t1.h"
#include "utils.h"

int IndividualTaxData::Calculate(bool fromInterview, int changedType, EnumCalculateStep step, bool isSpouse)
{
    if (step < STEP_0 || step > STEP_6) return 0;
    if (m_mainProvince == PROV_T1159) {
        _calculateForT1159Purpose();
        return 0;
    }
    switch (step) {
    case STEP_0: return calculateStep0(fromInterview, changedType, isSpouse);
    case STEP_1: return calculateStep1(fromInterview, changedType, isSpouse);
    case STEP_2: return calculateStep2(isSpouse);
    case STEP_3: return calculateStep3(isSpouse);
    case STEP_4: return calculateStep4(isSpouse);
    case STEP_5: return calculateStep5(isSpouse);
    case STEP_6: return calculateStep6(isSpouse);
    }
    return 0;
}

IndividualTaxData::DaysFigures IndividualTaxData::daysFigures() const
{
    DaysFigures days;
    days.daysInYear = GetDaysInYear(kTaxYear);
    days.daysInCanada = days.daysInYear;
    const TaxData_T1New* form = t1();
    if (!form) return days;
    days.bankruptDays = form->GetBankruptDaysInTaxYear();
    if (form->shouldProrateAsImmigrant())
        days.daysInCanada = DaysInCanadaInTaxYear(kTaxYear, form->getDate("date_of_entry"), form->getDate("date_of_departure"));
    return days;
}
