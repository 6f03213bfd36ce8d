#pragma once
// The benefits the agency pays after it assesses a 2021 return, for the
// benefit year that return sets (July 2022 to June 2023): the yearly
// estimates the return summary shows.

// The Canada child benefit of a family with `under6` children under 6 and
// `age6to17` aged 6 to 17, `disabled` of them eligible for the child
// disability benefit, on an adjusted family net income of `familyIncome`.
// The province does not change the federal benefit.
double CalculateCCB2016(int province, int under6, int age6to17, int disabled, double familyIncome);

// The GST/HST credit of a person with `income` (adjusted net income), a
// spouse with `spouseIncome`, or without a spouse an eligible dependant, and
// `children` further children under 19.
double CalculateGSTCredit(double income, bool hasSpouse, double spouseIncome, bool hasEligibleDependant,
                          int children);

// Every resident may apply for the GST/HST credit.
bool IsEligibleForGSTCredit();
