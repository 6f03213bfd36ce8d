#pragma once
// The slip totals of one person's return: each member sums one box of one
// kind of slip over all the person's slips (or that box under the condition
// its comment gives). The calculation moves them into the T1 and the
// schedules; the pre-filing checks read a few of them.

struct STRU_SLIPDATA_CALCULATION
{
    // ---- T4 (and T4F, a T4 with its marker set)
    int t4Slips = 0;
    int t4CppSlips = 0;                    // employment outside Quebec
    int t4QppSlipsWithCpp = 0;             // Quebec employment with CPP contributions
    int t4QppSlips = 0;                    // Quebec employment without CPP contributions
    double t4EmploymentIncome = 0.0;       // box 14
    double t4EmploymentIncomeQuebec = 0.0;
    double t4EmploymentIncomeOutsideQuebec = 0.0;
    double t4CppContributions = 0.0;       // box 16
    double t4QppContributions = 0.0;       // box 17
    double t4CppPensionableEarnings = 0.0; // box 26 of the other slips
    double t4QppPensionableEarnings = 0.0; // box 26 of Quebec slips without CPP contributions
    bool t4CppExempt = false;              // box 28 on a CPP slip
    bool t4QppExempt = false;              // box 28 on a Quebec slip
    double t4EiPremiums = 0.0;             // box 18, employment outside Quebec
    double t4EiPremiumsQuebec = 0.0;       // box 18, Quebec employment
    double t4EiInsurableEarnings = 0.0;    // box 24
    double t4RppContributions = 0.0;       // box 20
    double t4TaxDeducted = 0.0;            // box 22
    double t4TaxDeductedOutsideQuebec = 0.0;
    double t4PpipPremiums = 0.0;           // box 55
    double t4PpipInsurableEarnings = 0.0;  // box 56
    double t4UnionDues = 0.0;              // box 44
    double t4Donations = 0.0;              // box 46
    double t4PensionAdjustment = 0.0;      // box 52
    double t4Commissions = 0.0;            // box 42
    double t4SecurityOptionsDeduction = 0.0; // boxes 39 and 41
    double t4ForcesPoliceDeduction = 0.0;  // box 43
    double t4EmergencyVolunteerExempt = 0.0; // box 87
    double t4PlacementAgencyIncome = 0.0;  // box 81
    double t4PrivateHealthPremiums = 0.0;  // box 85
    double t4IndianExemptEmployment = 0.0; // box 71
    double t4IndianExemptOther = 0.0;      // boxes 68, 69 and 88
    double t4fIncome = 0.0;                // box 14 of T4F slips
    double t4fTaxDeducted = 0.0;           // box 22 of T4F slips
    bool indianActExempt = false;          // a slip holds income exempt under the Indian Act

    // ---- T4A. Pension, annuities and variable pension benefits go to the
    // under-65 totals unless the person is 65 or older or the slip says they
    // came from a spouse's death.
    double t4aPensionUnder65 = 0.0;        // box 016
    double t4aAnnuitiesUnder65 = 0.0;      // box 024
    double t4aVariablePensionUnder65 = 0.0; // box 133
    double t4aPension = 0.0;
    double t4aAnnuities = 0.0;
    double t4aVariablePension = 0.0;
    double t4aLumpSum = 0.0;               // box 018
    double t4aSelfEmployedCommissions = 0.0; // box 020
    double t4aTaxDeducted = 0.0;           // box 022
    double t4aOtherIncome = 0.0;           // box 028
    double t4aRppPastService = 0.0;        // box 032
    double t4aPensionAdjustment = 0.0;     // box 034
    double t4aRespAccumulatedIncome = 0.0; // box 040
    double t4aRespEducationalAssistance = 0.0; // box 042
    double t4aDonations = 0.0;             // box 046
    double t4aFeesForServices = 0.0;       // box 048
    double t4aResearchGrants = 0.0;        // box 104
    double t4aScholarshipsBasicExemption = 0.0; // box 105, scholarship kind 0
    double t4aScholarshipsExempt = 0.0;    // box 105, kind 1
    double t4aScholarshipsTaxable = 0.0;   // box 105, any other kind
    double t4aDeathBenefits = 0.0;         // box 106
    double t4aWageLossReplacement = 0.0;   // box 107
    double t4aGroupTermLife = 0.0;         // box 119
    double t4aVeteransBenefits = 0.0;      // box 127
    double t4aApprenticeshipGrants = 0.0;  // box 130
    double t4aRdsp = 0.0;                  // box 131
    double t4aPrivateHealthPremiums = 0.0; // box 135
    double t4aCovidBenefits = 0.0;         // boxes 197 to 200, 202 to 204 and 211
    double t4aCovidRepayment = 0.0;        // box 201
    double t4aPostdoctoral = 0.0;          // box 210
    // After all slips: the taxable part of the scholarships (the $500
    // exemption applies once, to the kind-0 total) and the part of the
    // death benefits above $10,000 (added to t4aOtherIncome).
    double t4aTaxableScholarships = 0.0;
    double t4aTaxableDeathBenefits = 0.0;

    // ---- T4A(P)
    double t4apTaxableBenefits = 0.0;      // box 20
    double t4apDisabilityBenefits = 0.0;   // box 16
    double t4apChildBenefits = 0.0;        // box 17
    double t4apDeathBenefit = 0.0;         // box 18
    double t4apTaxDeducted = 0.0;          // box 22

    // ---- T4RSP
    double t4rspAnnuity = 0.0;             // box 16
    double t4rspAnnuityFromSpouseDeath = 0.0; // box 16 of slips marked so (eligible pension income)
    double t4rspRefundOfPremiums = 0.0;    // box 18
    double t4rspExcessRefund = 0.0;        // box 20
    double t4rspWithdrawals = 0.0;         // box 22
    double t4rspLlpWithdrawals = 0.0;      // box 25
    double t4rspDeregistration = 0.0;      // box 26
    double t4rspHbpWithdrawals = 0.0;      // box 27
    double t4rspOtherIncome = 0.0;         // box 28 when positive
    double t4rspDeductions = 0.0;          // box 28 when negative, as a positive amount
    double t4rspTaxDeducted = 0.0;         // box 30
    double t4rspDeemedOnDeath = 0.0;       // box 34
    double t4rspTaxPaidAmount = 0.0;       // box 40

    // ---- T4E
    double t4eBenefits = 0.0;              // box 14
    double t4eRegularBenefits = 0.0;       // box 15
    double t4eRegularBenefitsRepayable = 0.0;  // box 15 of the slips whose repayment rate (box 7) is 30%
    double t4eTaxExempt = 0.0;             // box 18
    double t4eTaxableTuition = 0.0;        // box 20
    double t4eTaxDeducted = 0.0;           // box 22
    double t4eQuebecTaxDeducted = 0.0;     // box 23
    double t4eOverpaymentRepaid = 0.0;     // box 26
    double t4eTotalRepayment = 0.0;        // box 30
    double t4eParentalBenefits = 0.0;      // boxes 36 and 37
    // The lowest repayment rate of the slips (box 7, as a fraction); 1 until
    // a slip gives one.
    double t4eRepaymentRate = 1.0;

    // ---- T4A(OAS)
    double t4aoasGrossPension = 0.0;       // box 18
    double t4aoasOverpayment = 0.0;        // box 19
    double t4aoasTaxablePension = 0.0;     // box 20
    double t4aoasNetSupplements = 0.0;     // box 21
    double t4aoasTaxDeducted = 0.0;        // box 22

    // ---- T4RIF: taxable amounts and the excess amount go to the under-65
    // totals as the T4A pension does.
    double t4rifTaxableUnder65 = 0.0;      // box 16
    double t4rifExcessUnder65 = 0.0;       // box 24
    double t4rifTaxable = 0.0;
    double t4rifExcess = 0.0;
    double t4rifDeemedOnDeath = 0.0;       // box 18
    double t4rifDeregistration = 0.0;      // box 20
    double t4rifOtherIncome = 0.0;         // box 22 when positive
    double t4rifDeductions = 0.0;          // box 22 when negative, as a positive amount
    double t4rifTaxDeducted = 0.0;         // box 28
    double t4rifTaxPaidAmount = 0.0;       // box 40

    // ---- T5 (times the recipient's share)
    double t5ActualOtherDividends = 0.0;   // box 10
    double t5TaxableOtherDividends = 0.0;  // box 11
    double t5OtherDividendCredit = 0.0;    // box 12
    double t5Interest = 0.0;               // box 13
    double t5OtherIncome = 0.0;            // box 14
    double t5ForeignIncome = 0.0;          // box 15
    double t5ForeignTax = 0.0;             // box 16
    double t5Royalties = 0.0;              // box 17
    double t5CapitalGainsDividends = 0.0;  // box 18
    double t5AccruedAnnuities = 0.0;       // box 19
    double t5ActualEligibleDividends = 0.0; // box 24
    double t5TaxableEligibleDividends = 0.0; // box 25
    double t5EligibleDividendCredit = 0.0; // box 26

    // ---- T3 (times the recipient's share)
    double t3CapitalGains = 0.0;           // box 21
    double t3LumpSumPension = 0.0;         // box 22
    double t3ActualOtherDividends = 0.0;   // box 23
    double t3ForeignBusinessIncome = 0.0;  // box 24
    double t3ForeignNonBusinessIncome = 0.0; // box 25
    double t3OtherIncome = 0.0;            // box 26
    double t3CapitalGainsEligibleForDeduction = 0.0; // box 30
    double t3PensionIncome = 0.0;          // box 31
    double t3TaxableOtherDividends = 0.0;  // box 32
    double t3ForeignBusinessTax = 0.0;     // box 33
    double t3ForeignNonBusinessTax = 0.0;  // box 34
    double t3DeathBenefits = 0.0;          // box 35
    double t3SegregatedFundLosses = 0.0;   // box 37
    double t3PartXII2Credit = 0.0;         // box 38
    double t3OtherDividendCredit = 0.0;    // box 39
    double t3InvestmentTaxCredit = 0.0;    // box 41
    double t3ActualEligibleDividends = 0.0; // box 49
    double t3TaxableEligibleDividends = 0.0; // box 50
    double t3EligibleDividendCredit = 0.0; // box 51

    // ---- T5013 (times the partner's share)
    double t5013BusinessIncome = 0.0;      // box 020
    double t5013CapitalGains = 0.0;        // box 030
    double t5013CapitalCostAllowance = 0.0; // box 040
    double t5013LimitedFarmingIncome = 0.0; // box 101
    double t5013LimitedFishingIncome = 0.0; // box 103
    double t5013LimitedBusinessIncome = 0.0; // box 104
    double t5013LimitedRentalIncome = 0.0; // box 107
    double t5013RentalIncome = 0.0;        // box 110
    double t5013ForeignRentalIncome = 0.0; // box 111
    double t5013OtherIncome = 0.0;         // box 114
    double t5013NetBusinessIncome = 0.0;   // box 116
    double t5013ForeignBusinessIncome = 0.0; // box 119
    double t5013ProfessionalIncome = 0.0;  // box 120
    double t5013CommissionIncome = 0.0;    // box 122
    double t5013FarmingIncome = 0.0;       // box 124
    double t5013FishingIncome = 0.0;       // box 126
    double t5013Interest = 0.0;            // box 128
    double t5013ActualOtherDividends = 0.0; // box 129
    double t5013TaxableOtherDividends = 0.0; // box 130
    double t5013OtherDividendCredit = 0.0; // box 131
    double t5013ActualEligibleDividends = 0.0; // box 132
    double t5013TaxableEligibleDividends = 0.0; // box 133
    double t5013EligibleDividendCredit = 0.0; // box 134
    double t5013ForeignDividendsInterest = 0.0; // box 135
    double t5013BusinessInvestmentLoss = 0.0; // box 137
    double t5013OtherInvestmentIncome = 0.0; // box 146
    double t5013CarryingCharges = 0.0;     // box 210

    // ---- T4PS
    double t4psActualOtherDividends = 0.0; // box 24
    double t4psTaxableOtherDividends = 0.0; // box 25
    double t4psOtherDividendCredit = 0.0;  // box 26
    double t4psActualEligibleDividends = 0.0; // box 30
    double t4psTaxableEligibleDividends = 0.0; // box 31
    double t4psEligibleDividendCredit = 0.0; // box 32
    double t4psCapitalGains = 0.0;         // box 34
    double t4psOtherEmploymentIncome = 0.0; // box 35
    double t4psForfeited = 0.0;            // box 36
    double t4psForeignCapitalGains = 0.0;  // box 37
    double t4psForeignTax = 0.0;           // box 38
    double t4psForeignIncome = 0.0;        // box 40

    // ---- the other slips
    double t5003Box10 = 0.0;               // T5003 tax shelter amounts, boxes 10, 11, 13 and 14
    double t5003Box11 = 0.0;
    double t5003Box13 = 0.0;
    double t5003Box14 = 0.0;
    double t5007WorkersCompensation = 0.0; // T5007 box 10
    double t5007SocialAssistance = 0.0;    // T5007 box 11
    double t4arcaRefund = 0.0;             // T4A-RCA box 14
    double t4arcaDistributions = 0.0;      // box 16
    double t4arcaSplittable = 0.0;         // box 17
    double t4arcaTaxDeducted = 0.0;        // box 22
    double t5006Box10 = 0.0;               // T5006 boxes 10 and 11
    double t5006Box11 = 0.0;
    double rc62Uccb = 0.0;                 // RC62 box 10
    double rc62Repaid = 0.0;               // box 11
    double rc62PriorYears = 0.0;           // box 12
    double rc210AdvancePayments = 0.0;     // RC210 box 10
    double mbShelterBenefit = 0.0;         // Manitoba shelter benefit
    double prppEmployeeContributions = 0.0; // PRPP receipts, current and prior period
    double prppEmployerContributions = 0.0;
    double prppExemptContributions = 0.0;  // from income exempt under the Indian Act
    int t1204Slips = 0;
    double t1204ServicePayments = 0.0;     // T1204 box 82
    double t1204MixedPayments = 0.0;       // box 84
    double nr4GrossIncome = 0.0;           // NR4 boxes 16 and 26
    double nr4TaxWithheld = 0.0;           // boxes 17 and 27
    double t2202TuitionFees = 0.0;         // T2202 box 26
    double t2202MonthsPartTime = 0.0;      // box 24
    double t2202MonthsFullTime = 0.0;      // box 25
    double t2202SessionFees = 0.0;         // the session lines' fees
};
