// The lines of the 2021 T1 return, steps 2 to 6, by the agency's line
// numbers. Since 2019 the federal tax calculation (the former Schedule 1) is
// step 5 of the return itself, so its parts are here too.
//
// A line the calculation fills (a total, a result, or an amount carried from a
// slip, a schedule or another form of the return) is QM_CALC; a line the user
// types on the return is QM_AMT.

#include "t1.h"

namespace {

const FieldSpec kT1Lines[] = {
    // ---- Step 2: total income
    QM_CALC("10100"),   // employment income (T4 box 14)
    QM_CALC("10105"),   // tax-exempt income for emergency services volunteers
    QM_CALC("10120"),   // commissions included on line 10100
    QM_AMT("10130"),    // wage loss replacement contributions
    QM_AMT("10400"),    // other employment income
    QM_CALC("11300"),   // old age security pension
    QM_CALC("11400"),   // CPP or QPP benefits
    QM_CALC("11410"),   // disability benefits included on line 11400
    QM_CALC("11500"),   // other pensions and superannuation
    // The pension income amount's worksheet (line 31400): the part of line
    // 11500 that does not count for a person under 65 (annuity payments, say),
    // and the annuity payments of line 12900 that count for a person 65 or older.
    QM_CALC("pension_ineligible_under65"),
    QM_CALC("pension_eligible_12900"),
    QM_CALC("11600"),   // elected split-pension amount (T1032)
    QM_CALC("11700"),   // universal child care benefit (RC62)
    QM_AMT("11701"),    // UCCB amount designated to a dependant
    QM_CALC("11900"),   // employment insurance and other benefits (T4E)
    QM_CALC("11905"),   // EI maternity and parental benefits and provincial plan benefits
    QM_CALC("12000"),   // taxable amount of dividends (eligible and other than eligible)
    QM_CALC("12010"),   // taxable amount of dividends other than eligible dividends
    QM_CALC("12100"),   // interest and other investment income
    QM_CALC("12200"),   // net partnership income: limited or non-active partners only
    QM_CALC("12500"),   // registered disability savings plan income
    QM_CALC("12599"),   // rental income: gross
    QM_CALC("12600"),   // rental income: net
    QM_CALC("12700"),   // taxable capital gains (Schedule 3)
    QM_AMT("12799"),    // support payments received: total
    QM_AMT("12800"),    // support payments received: taxable amount
    QM_CALC("12900"),   // RRSP income
    QM_AMT("13000"),    // other income
    QM_STR("other_income_description"),   // the "specify" text of line 13000
    QM_AMT("13010"),    // taxable scholarships, fellowships, bursaries, and artists' project grants
    QM_CALC("13499"),   // business income: gross
    QM_CALC("13500"),   // business income: net
    QM_CALC("13699"),   // professional income: gross
    QM_CALC("13700"),   // professional income: net
    QM_CALC("13899"),   // commission income: gross
    QM_CALC("13900"),   // commission income: net
    QM_CALC("14099"),   // farming income: gross
    QM_CALC("14100"),   // farming income: net
    QM_CALC("14299"),   // fishing income: gross
    QM_CALC("14300"),   // fishing income: net
    QM_CALC("14400"),   // workers' compensation benefits
    QM_CALC("14500"),   // social assistance payments
    QM_CALC("14600"),   // net federal supplements paid
    QM_CALC("14700"),   // lines 14400 + 14500 + 14600
    QM_CALC("15000"),   // total income

    // ---- Step 3: net income
    QM_CALC("20600"),   // pension adjustment
    QM_CALC("20700"),   // registered pension plan deduction
    QM_CALC("20700_foreign_plans"),   // of line 20700: the RC267, RC268 and RC269 deductions
    QM_AMT("20800"),    // RRSP deduction, as entered when the return holds no Schedule 7
    QM_CALC("20800_sch7"),  // RRSP deduction from Schedule 7
    QM_CALC("20810"),   // PRPP employer contributions
    QM_CALC("21000"),   // deduction for elected split-pension amount
    QM_CALC("21200"),   // annual union, professional, or like dues
    QM_CALC("21300"),   // universal child care benefit repayment
    QM_CALC("21400"),   // child care expenses (T778)
    QM_CALC("21500"),   // disability supports deduction (T929)
    QM_AMT("21699"),    // business investment loss: gross
    QM_CALC("21700"),   // business investment loss: allowable deduction
    QM_CALC("21900"),   // moving expenses (T1-M)
    QM_AMT("21999"),    // support payments made: total
    QM_AMT("22000"),    // support payments made: allowable deduction
    QM_CALC("22100"),   // carrying charges, interest expenses, and other expenses (Schedule 4)
    QM_CALC("22200"),   // deduction for CPP or QPP contributions on self-employment and other earnings
    QM_CALC("22215"),   // deduction for CPP or QPP enhanced contributions on employment income
    QM_CALC("22300"),   // deduction for PPIP premiums on self-employment income
    QM_CALC("22400"),   // exploration and development expenses (T1229)
    QM_CALC("22900"),   // other employment expenses (T777)
    QM_CALC("23100"),   // clergy residence deduction (T1223)
    QM_AMT("23200"),    // other deductions
    QM_STR("other_deductions_description"),   // the "specify" text of line 23200
    QM_AMT("rdsp_repayment"),                 // RDSP income repayment included on line 23200
    QM_CALC("foreign_tax_deduction"),         // foreign non-business tax above 15% (T2209), on line 23200
    // Tax on split income (T1206): the split income deducted on line 23200,
    // and its dividends, which get their credit on the T1206 and not on line 40425.
    QM_CALC("split_income"),
    QM_CALC("split_dividends_eligible"),
    QM_CALC("split_dividends_other"),
    QM_AMT("23210"),    // federal COVID-19 benefits repayment
    QM_CALC("23300"),   // total deductions
    QM_CALC("23400"),   // net income before adjustments
    QM_CALC("23500"),   // social benefits repayment
    QM_CALC("ei_regular_benefits_repayable"),  // T4E box 15 where box 7 is 30%
    QM_CALC("ei_benefits_repayment"),   // the EI part of line 23500
    QM_CALC("oas_recovery"),            // the OAS part of line 23500
    QM_CALC("23600"),   // net income

    // ---- Step 4: taxable income
    QM_CALC("24400"),   // Canadian Armed Forces personnel and police deduction
    QM_CALC("24900"),   // security options deductions
    QM_CALC("25000"),   // other payments deduction
    QM_AMT("25100"),    // limited partnership losses of other years
    QM_AMT("25200"),    // non-capital losses of other years
    QM_AMT("25300_claimed"),   // net capital losses of other years the person claims
    QM_CALC("25300"),   // the claim, at most line 12700
    FieldSpec{"25300_note", CField::String, nullptr, 0, CField::Calculated},   // why the claim was cut
    QM_CALC("25400"),   // capital gains deduction (T657)
    QM_CALC("25500"),   // northern residents deductions (T2222)
    QM_AMT("25600"),    // additional deductions
    QM_STR("additional_deductions_description"),   // the "specify" text of line 25600
    QM_CALC("25700"),   // lines 24400 to 25600
    QM_CALC("26000"),   // taxable income

    // ---- Days figures of the year: the credits of a newcomer or emigrant are
    // prorated by the days in Canada, a bankrupt person's by the days before
    // the bankruptcy.
    QM_CALC_INT("days_in_year"),
    QM_CALC_INT("bankrupt_days"),
    QM_CALC_INT("days_in_canada"),
    QM_CALC_INT("days_in_canada_provincial"),
    QM_CALC_INT("days_prorated"),       // the lesser of the two

    // ---- Step 5, Part A: federal tax on taxable income (the bracket chart)
    QM_CALC("line_73"), // federal tax on taxable income

    // ---- Step 5, Part B: federal non-refundable tax credits
    QM_CALC("30000"),   // basic personal amount
    QM_CALC("30100"),   // age amount
    QM_CALC("30300"),   // spouse or common-law partner amount (Schedule 5)
    QM_CALC("30400"),   // amount for an eligible dependant (Schedule 5)
    QM_CALC("30425"),   // Canada caregiver amount for spouse or eligible dependant age 18 or older
    QM_CALC("30450"),   // Canada caregiver amount for other infirm dependants age 18 or older
    QM_CALC_INT("30499"),   // number of children claimed on line 30500
    QM_CALC("30500"),   // Canada caregiver amount for infirm children under 18
    QM_CALC("30800"),   // base CPP or QPP contributions through employment
    QM_CALC("31000"),   // base CPP or QPP contributions on self-employment and other earnings
    QM_CALC("31200"),   // employment insurance premiums through employment
    QM_CALC("31217"),   // employment insurance premiums on self-employment and other eligible earnings
    QM_AMT("31220"),    // volunteer firefighters' amount
    QM_AMT("31240"),    // search and rescue volunteers' amount
    QM_CALC("31260"),   // Canada employment amount
    QM_AMT("31270"),    // home buyers' amount
    QM_CALC("31285"),   // home accessibility expenses
    QM_AMT("31300"),    // adoption expenses
    QM_AMT("31350"),    // digital news subscription expenses
    QM_CALC("31400"),   // pension income amount
    QM_CALC("pension_amount_after_split"),    // pension income amount after the T1032 split
    QM_CALC("split_pension_qualifying"),      // received split pension from line 11500 sources (T1032)
    QM_BOOL("disability_amount_eligible"),   // an approved T2201 for the line 31600 claim
    QM_CALC("31600"),   // disability amount for self
    QM_CALC("31800"),   // disability amount transferred from a dependant
    QM_AMT("31900"),    // interest paid on your student loans
    QM_CALC("32300"),   // your tuition, education, and textbook amounts (Schedule 11)
    QM_AMT("32400"),    // tuition amount transferred from a child or grandchild
    QM_CALC("32600"),   // amounts transferred from your spouse or common-law partner (Schedule 2)
    QM_CALC("33099"),   // medical expenses for self, spouse, and dependent children born in 2004 or later
    QM_CALC("33199"),   // allowable amount of medical expenses for other dependants
    QM_CALC("33200"),   // medical expenses claimed
    QM_CALC("33500"),   // lines 30000 to 33200
    QM_CALC("33800"),   // line 33500 at 15%
    QM_CALC("34900"),   // donations and gifts (Schedule 9)
    QM_CALC("35000"),   // total federal non-refundable tax credits

    // ---- Step 5, Part C: net federal tax
    QM_CALC("40424"),   // federal tax on split income (T1206)
    QM_CALC("40400"),   // federal tax: line 73 plus line 40424
    QM_CALC("40425"),   // federal dividend tax credit
    QM_CALC("40427"),   // minimum tax carryover (T691)
    QM_CALC("42900"),   // basic federal tax
    QM_CALC("federal_surtax_outside_canada"),   // surtax on income earned outside Canada (T2203)
    QM_CALC("40500"),   // federal foreign tax credit (T2209)
    // The T2209 totals over all countries.
    QM_CALC("ftc_non_business_tax_paid"),
    QM_CALC("ftc_net_foreign_non_business_income"),
    QM_CALC("ftc_business_tax_paid"),
    QM_CALC("ftc_net_foreign_business_income"),
    QM_CALC("itc_recapture"),        // recapture of investment tax credit (T2038(IND))
    QM_AMT("federal_logging_tax_credit"),
    QM_CALC("40600"),   // federal tax
    QM_AMT("40900"),    // total federal political contributions
    QM_CALC("41000"),   // federal political contribution tax credit
    QM_CALC("41200"),   // investment tax credit (T2038(IND))
    QM_CALC("41300"),   // labour-sponsored funds: net cost of shares (T5006)
    QM_CALC("41400"),   // labour-sponsored funds tax credit: allowable credit
    QM_CALC("41600"),   // lines 41000 + 41200 + 41400
    QM_CALC("41700"),   // federal tax less those credits
    QM_CALC("41500"),   // Canada workers benefit advance payments (RC210)
    QM_CALC("41450"),   // section 217 tax adjustment (non-resident return, Schedule C)
    QM_CALC("41800"),   // special taxes (T1172, RC359)
    QM_CALC("42000"),   // net federal tax

    // ---- Step 6: refund or balance owing
    QM_CALC("42100"),   // CPP contributions payable on self-employment and other earnings (Schedule 8)
    QM_CALC("42120"),   // EI premiums payable on self-employment and other eligible earnings (Schedule 13)
    QM_CALC("42200"),   // social benefits repayment (line 23500)
    QM_CALC("42800"),   // provincial or territorial tax
    QM_CALC("43500"),   // total payable
    QM_CALC("43700"),   // total income tax deducted (after a pension split moves some)
    QM_CALC("43700_slips"),   // income tax deducted on the slips
    QM_CALC("split_pension_tax_adjustment"),  // tax deducted moved with the split pension (T1032)
    QM_AMT("43800"),    // tax transfer for residents of Quebec
    QM_CALC("44000"),   // refundable Quebec abatement
    QM_AMT("44100"),    // federal refundable First Nations abatement
    QM_CALC("44800"),   // CPP or QPP overpayment
    QM_CALC("45000"),   // employment insurance overpayment
    QM_CALC("45200"),   // refundable medical expense supplement
    QM_CALC("45300"),   // Canada workers benefit (Schedule 6)
    QM_CALC("45350"),   // Canada training credit (Schedule 11)
    QM_CALC("45400"),   // refund of investment tax credit (T2038(IND))
    QM_CALC("45600"),   // part XII.2 trust tax credit
    QM_CALC("45700"),   // employee and partner GST/HST rebate (GST370)
    QM_AMT("46800"),    // eligible educator school supply expenses
    QM_CALC("46900"),   // eligible educator school supply tax credit
    QM_AMT("47555"),    // Canadian journalism labour tax credit
    QM_AMT("47556"),    // return of fuel charge proceeds to farmers tax credit (T2043)
    QM_AMT("47600"),    // tax paid by instalments
    QM_CALC("47900"),   // provincial or territorial credits
    QM_CALC("48200"),   // total credits
    QM_CALC("48400"),   // refund
    QM_CALC("48500"),   // balance owing
    QM_AMT("46500"),    // donation to the Ontario opportunities fund (Ontario returns)
    QM_CALC("46600"),   // net refund after that donation
    QM_BOOL("49000"),   // a fee was charged for preparing the return

    // Marks for the minimum tax (T691) when the return has no T691: 1 when
    // it holds taxable capital gains, or a loss that the minimum tax adds back.
    QM_CALC("amt_capital_gains_marker"),
    QM_CALC("amt_loss_marker"),
};

#undef QM_CALC_INT

} // namespace

const FieldTable kT1LineFields = fieldTable(kT1Lines);
