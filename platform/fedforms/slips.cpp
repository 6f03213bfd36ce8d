#include "slips.h"

#include <algorithm>
#include <cmath>

#include "federal2021.h"
#include "formtypes.h"
#include "slips_layouts.h"
#include "utils.h"

// A slip's pages: its title, the part every slip shares, then its boxes.
#define SLIP_LAYOUT(layout) {layout.title, kSlipCommonLayout, layout.boxes}

namespace {

// Every slip: who issued it and the user's own label for it.
const FieldSpec kSlipCommonFields[] = {
    QM_STR("payer_name"),   // employer, payer, issuer, trust, partnership or school
    QM_STR("description"),
};

// The share of a jointly held slip that belongs to this return, in percent.
bool isSharedBelowFull(const CTaxData_Form& slip, const char* shareField)
{
    return slip.getFloat(shareField) < 100.0 - CFloatField::kTolerance;
}

const FieldSpec kT4Fields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_INT("province_of_employment"),        // box 10, ENUMTYPE_PROVINCE (11 Quebec)
    QM_AMT("14"),                            // employment income
    QM_AMT("16"),                            // employee's CPP contributions
    QM_AMT("17"),                            // employee's QPP contributions
    QM_AMT("18"),                            // employee's EI premiums
    QM_AMT("20"),                            // RPP contributions
    QM_AMT("22"),                            // income tax deducted
    QM_AMT("24"),                            // EI insurable earnings
    QM_AMT("26"),                            // CPP/QPP pensionable earnings
    // A blank box 24 or 26 is not an entered 0: each keeps a mark of entry.
    QM_BOOL("ei_insurable_earnings_entered"),
    QM_BOOL("pensionable_earnings_entered"),
    QM_BOOL("cpp_qpp_exempt"),               // box 28
    QM_BOOL("ei_exempt"),                    // box 28
    QM_BOOL("ppip_exempt"),                  // box 28
    QM_INT("employment_code"),               // box 29
    QM_AMT("44"),                            // union dues
    QM_AMT("46"),                            // charitable donations
    QM_STR("rpp_registration"),              // box 50, RPP or DPSP registration number
    QM_AMT("52"),                            // pension adjustment
    QM_STR("54"),                            // employer's account number
    QM_AMT("55"),                            // employee's PPIP premiums
    QM_AMT("56"),                            // PPIP insurable earnings
    // Other information, by code.
    QM_AMT("30"),                            // board and lodging
    QM_AMT("31"),                            // special work site
    QM_AMT("32"),                            // travel in a prescribed zone
    QM_AMT("33"),                            // medical travel assistance
    QM_AMT("34"),                            // personal use of employer's automobile
    QM_AMT("36"),                            // interest-free and low-interest loans
    QM_AMT("38"),                            // security options benefits
    QM_AMT("39"),                            // security options deduction 110(1)(d)
    QM_AMT("40"),                            // other taxable allowances and benefits
    QM_AMT("41"),                            // security options deduction 110(1)(d.1)
    QM_AMT("42"),                            // employment commissions
    QM_AMT("43"),                            // Canadian Forces personnel and police deduction
    QM_AMT("53"),                            // deferred security option benefits
    QM_AMT("57"),                            // employment income, March 15 to May 9, 2020
    QM_AMT("58"),                            // May 10 to July 4, 2020
    QM_AMT("59"),                            // July 5 to August 29, 2020
    QM_AMT("60"),                            // August 30 to September 26, 2020
    QM_AMT("66"),                            // eligible retiring allowances
    QM_AMT("67"),                            // non-eligible retiring allowances
    QM_AMT("68"),                            // Indian (exempt income) - eligible retiring allowances
    QM_AMT("69"),                            // Indian (exempt income) - non-eligible retiring allowances
    QM_AMT("70"),                            // municipal officer's expense allowance
    QM_AMT("71"),                            // Indian (exempt income) - employment
    QM_AMT("72"),                            // section 122.3 income - employment outside Canada
    QM_AMT("73"),                            // number of days outside Canada
    QM_AMT("74"),                            // pre-1990 past service contributions while a contributor
    QM_AMT("75"),                            // pre-1990 past service contributions while not a contributor
    QM_AMT("77"),                            // workers' compensation benefits repaid to the employer
    QM_AMT("78"),                            // fishers - gross income
    QM_SIGNED("79"),                            // fishers - net partnership amount
    QM_AMT("80"),                            // fishers - shareperson amount
    QM_AMT("81"),                            // placement or employment agency workers - gross income
    QM_AMT("82"),                            // taxi and passenger-vehicle drivers - gross income
    QM_AMT("83"),                            // barbers or hairdressers - gross income
    QM_AMT("84"),                            // public transit pass
    QM_AMT("85"),                            // employee-paid premiums for private health services plans
    QM_AMT("86"),                            // security options election
    QM_AMT("87"),                            // emergency services volunteer exempt amount
    QM_AMT("88"),                            // Indian (exempt income) - self-employment
    QM_BOOL("indian_act_exempt"),            // income on the slip is exempt under the Indian Act
    QM_INT("marker"),                        // non-zero: a T4F, Statement of Fishing Income
};

// The other-information codes that report income exempt under the Indian Act.
const char* const kT4IndianActCodes[] = {"68", "69", "71", "88"};

const FieldSpec kT4AFields[] = {
    QM_STR("recipient_sin"),                 // box 012
    QM_STR("013"),                           // recipient's account number
    QM_AMT("016"),                           // pension or superannuation
    QM_AMT("018"),                           // lump-sum payments
    QM_AMT("020"),                           // self-employed commissions
    QM_AMT("022"),                           // income tax deducted
    QM_AMT("024"),                           // annuities
    QM_AMT("028"),                           // other income
    QM_AMT("048"),                           // fees for services
    // Other information, by code.
    QM_AMT("030"),                           // patronage allocations
    QM_AMT("032"),                           // registered pension plan contributions (past service)
    QM_AMT("034"),                           // pension adjustment
    QM_STR("036"),                           // plan registration number
    QM_AMT("037"),                           // advanced life deferred annuity purchase
    QM_AMT("040"),                           // RESP accumulated income payments
    QM_AMT("042"),                           // RESP educational assistance payments
    QM_AMT("046"),                           // charitable donations
    QM_AMT("102"),                           // lump-sum payments - non-resident services transferred
    QM_AMT("104"),                           // research grants
    QM_AMT("105"),                           // scholarships, bursaries, fellowships, artists' project grants and prizes
    QM_AMT("106"),                           // death benefits
    QM_AMT("107"),                           // wage loss replacement plan
    QM_AMT("108"),                           // lump-sum payments from an RPP that cannot be transferred
    QM_AMT("109"),                           // periodic payments from an unregistered plan
    QM_AMT("110"),                           // lump-sum payments accrued to December 31, 1971
    QM_AMT("111"),                           // income averaging annuity contracts
    QM_AMT("115"),                           // DPSP annuity or instalment payments
    QM_AMT("116"),                           // medical travel assistance
    QM_AMT("117"),                           // loan benefits
    QM_AMT("118"),                           // medical premium benefits
    QM_AMT("119"),                           // premiums paid to a group term life insurance plan
    QM_AMT("122"),                           // RESP accumulated income payments paid to other
    QM_AMT("123"),                           // payments from a revoked DPSP
    QM_AMT("124"),                           // board and lodging at special work sites
    QM_AMT("125"),                           // disability benefits paid out of a superannuation or pension plan
    QM_AMT("126"),                           // pre-1990 past service contributions while a contributor
    QM_AMT("127"),                           // veterans' benefits
    QM_AMT("128"),                           // veterans' benefits eligible for pension splitting
    QM_AMT("129"),                           // tax deferred cooperative share
    QM_AMT("130"),                           // apprenticeship incentive or completion grant
    QM_AMT("131"),                           // registered disability savings plan
    QM_AMT("132"),                           // wage earner protection program
    QM_AMT("133"),                           // variable pension benefits
    QM_AMT("134"),                           // tax-free savings account taxable amount
    QM_AMT("135"),                           // recipient-paid premiums for private health services plans
    QM_AMT("136"),                           // federal income support for parents of murdered or missing children
    QM_AMT("142"),                           // Indian (exempt income) - eligible retiring allowances
    QM_AMT("143"),                           // Indian (exempt income) - non-eligible retiring allowances
    QM_AMT("144"),                           // Indian (exempt income) - other income
    QM_AMT("146"),                           // Indian (exempt income) - pension or superannuation
    QM_AMT("148"),                           // Indian (exempt income) - lump-sum payments
    QM_AMT("149"),
    QM_AMT("150"),                           // labour adjustment benefits act and appropriation acts
    QM_AMT("151"),
    QM_AMT("152"),                           // SUBP qualified under the Income Tax Act
    QM_AMT("153"),
    QM_AMT("154"),                           // cash award or prize from payer
    QM_AMT("155"),
    QM_AMT("156"),                           // bankruptcy settlement
    QM_AMT("158"),                           // lump-sum payments that cannot be transferred, not reported elsewhere
    QM_AMT("162"),                           // pre-1990 past service contributions while not a contributor
    QM_AMT("180"),                           // lump-sum payments from a PRPP that cannot be transferred
    QM_AMT("190"),                           // lump-sum payments from an unregistered plan on or after 1972
    QM_AMT("194"),                           // PRPP payments
    QM_AMT("195"),                           // Indian (exempt income) - PRPP payments
    QM_AMT("196"),                           // tuition assistance for adult basic education
    QM_AMT("197"),                           // Canada emergency response benefit
    QM_AMT("198"),                           // Canada emergency student benefit
    QM_AMT("199"),                           // Canada emergency student benefit, students with a disability or dependants
    QM_AMT("200"),                           // provincial or territorial COVID-19 financial assistance payments
    QM_AMT("201"),                           // repayment of COVID-19 financial assistance
    QM_AMT("202"),                           // Canada recovery benefit
    QM_AMT("203"),                           // Canada recovery sickness benefit
    QM_AMT("204"),                           // Canada recovery caregiving benefit
    QM_AMT("205"),
    QM_AMT("210"),                           // postdoctoral fellowship payments
    QM_AMT("211"),                           // Canada worker lockdown benefit
    // TaxData_Slip_T4A::ScholarshipKind: 0 the $500 exemption applies, 1 fully
    // exempt, any other value fully taxable.
    QM_INT("scholarship_kind"),
    QM_INT("marker"),                        // non-zero: the pension was received because of a spouse's death
};

const FieldSpec kT4APFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_STR("13"),                            // effective date, YYYY/MM as printed
    QM_AMT("14"),                            // retirement benefit
    QM_AMT("15"),                            // survivor benefit
    QM_AMT("16"),                            // disability benefit
    QM_AMT("17"),                            // child benefit
    QM_AMT("18"),                            // death benefit
    QM_AMT("19"),                            // post-retirement benefit
    QM_AMT("20"),                            // taxable CPP benefits
    QM_AMT("21"),                            // number of months for disability
    QM_AMT("22"),                            // income tax deducted
    QM_AMT("23"),
};

const FieldSpec kT4RSPFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_STR("14"),                            // contract number
    QM_AMT("16"),                            // annuity payments
    QM_AMT("18"),                            // refund of premiums
    QM_AMT("20"),                            // refund of excess contributions
    QM_AMT("22"),                            // withdrawal and commutation payments
    QM_BOOL("spousal_plan"),                 // box 24, contributor spouse or common-law partner
    QM_AMT("25"),                            // LLP withdrawal
    QM_AMT("26"),                            // amounts deemed received on deregistration
    QM_AMT("27"),                            // HBP withdrawal
    QM_SIGNED("28"),                            // other income or deductions (negative for deductions)
    QM_AMT("30"),                            // income tax deducted
    QM_AMT("34"),                            // amounts deemed received on death
    QM_AMT("35"),                            // transfers on breakdown of marriage or common-law partnership
    QM_STR("36"),                            // spouse's or common-law partner's SIN
    QM_AMT("37"),                            // advanced life deferred annuity purchase
    QM_AMT("40"),                            // tax-paid amount
    QM_STR("61"),                            // issuer's account number
    QM_INT("marker"),                        // non-zero: received because of a spouse's death
};

const FieldSpec kT4EFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_STR("10"),                            // province of residence
    QM_AMT("7"),                             // repayment rate, percent
    QM_AMT("14"),                            // total benefits paid
    QM_AMT("15"),                            // regular and other benefits paid
    QM_AMT("17"),                            // employment benefits and support measures paid
    QM_AMT("18"),                            // tax-exempt benefits
    QM_AMT("20"),                            // taxable tuition assistance
    QM_AMT("21"),                            // non-taxable tuition assistance
    QM_AMT("22"),                            // income tax deducted
    QM_AMT("23"),                            // Quebec income tax deducted
    QM_AMT("24"),                            // non-resident tax deducted
    QM_AMT("26"),                            // overpayment recovered or repaid
    QM_AMT("27"),                            // reversal of federal tax deducted
    QM_AMT("30"),                            // total repayment
    QM_AMT("33"),                            // payments out of the consolidated revenue fund
    QM_AMT("36"),                            // provincial parental insurance plan benefits
    QM_AMT("37"),                            // EI maternity and parental benefits
};

const FieldSpec kT4AOASFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_AMT("18"),                            // gross pension paid
    QM_AMT("19"),                            // overpayment recovered
    QM_AMT("20"),                            // taxable pension paid
    QM_AMT("21"),                            // net supplements paid
    QM_AMT("22"),                            // income tax deducted
    QM_AMT("23"),
};

const FieldSpec kT4RIFFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_STR("14"),                            // contract number
    QM_AMT("16"),                            // taxable amounts
    QM_AMT("18"),                            // amounts deemed received on death
    QM_AMT("20"),                            // amounts deemed received on deregistration
    QM_SIGNED("22"),                            // other income or deductions (negative for deductions)
    QM_AMT("24"),                            // excess amount
    QM_BOOL("spousal_plan"),                 // box 26, contributor spouse or common-law partner
    QM_AMT("28"),                            // income tax deducted
    QM_AMT("35"),                            // transfers on breakdown of marriage or common-law partnership
    QM_STR("36"),                            // spouse's or common-law partner's SIN
    QM_AMT("37"),                            // advanced life deferred annuity purchase
    QM_AMT("40"),                            // tax-paid amount
    QM_STR("61"),                            // issuer's account number
    QM_INT("marker"),                        // non-zero: received because of a spouse's death
};

const FieldSpec kT5Fields[] = {
    QM_STR("recipient_sin"),                 // box 22, recipient identification number
    QM_AMT("10"),                            // actual amount of dividends other than eligible dividends
    QM_AMT("11"),                            // taxable amount of dividends other than eligible dividends
    QM_AMT("12"),                            // dividend tax credit for dividends other than eligible dividends
    QM_AMT("13"),                            // interest from Canadian sources
    QM_AMT("14"),                            // other income from Canadian sources
    QM_AMT("15"),                            // foreign income
    QM_AMT("16"),                            // foreign tax paid
    QM_AMT("17"),                            // royalties from Canadian sources
    QM_AMT("18"),                            // capital gains dividends
    QM_AMT("19"),                            // accrued income: annuities
    QM_AMT("20"),                            // amount eligible for resource allowance deduction
    QM_STR("21"),                            // report code
    QM_STR("23"),                            // recipient type
    QM_AMT("24"),                            // actual amount of eligible dividends
    QM_AMT("25"),                            // taxable amount of eligible dividends
    QM_AMT("26"),                            // dividend tax credit for eligible dividends
    QM_STR("27"),                            // foreign currency
    QM_STR("28"),                            // transit
    QM_STR("29"),                            // recipient account
    QM_STR("foreign_country"),               // source of boxes 15 and 16
    FieldSpec{"share_percent", CField::Float, "100"},
};

const FieldSpec kT3Fields[] = {
    QM_STR("recipient_sin"),                 // box 12, recipient identification number
    QM_STR("14"),                            // account number
    QM_STR("16"),                            // report code
    QM_STR("18"),                            // beneficiary code
    QM_AMT("21"),                            // capital gains
    QM_AMT("22"),                            // lump-sum pension benefits
    QM_AMT("23"),                            // actual amount of dividends other than eligible dividends
    QM_AMT("24"),                            // foreign business income
    QM_AMT("25"),                            // foreign non-business income
    QM_AMT("26"),                            // other income
    QM_AMT("30"),                            // capital gains eligible for deduction
    QM_AMT("31"),                            // qualifying pension income
    QM_AMT("32"),                            // taxable amount of dividends other than eligible dividends
    QM_AMT("33"),                            // foreign business income tax paid
    QM_AMT("34"),                            // foreign non-business income tax paid
    QM_AMT("35"),                            // eligible death benefits
    QM_AMT("37"),                            // insurance segregated fund capital losses
    QM_AMT("38"),                            // part XII.2 tax credit
    QM_AMT("39"),                            // dividend tax credit for dividends other than eligible dividends
    QM_AMT("40"),                            // investment cost or expenditures
    QM_AMT("41"),                            // investment tax credit
    QM_SIGNED("42"),                            // amount resulting in cost base adjustment
    QM_AMT("45"),                            // other credits
    QM_AMT("46"),                            // pension income qualifying for an eligible annuity for a minor
    QM_AMT("47"),                            // retiring allowance qualifying for transfer to an RPP or RRSP
    QM_AMT("48"),
    QM_AMT("49"),                            // actual amount of eligible dividends
    QM_AMT("50"),                            // taxable amount of eligible dividends
    QM_AMT("51"),                            // dividend tax credit for eligible dividends
    QM_AMT("52"),
    QM_AMT("53"),
    QM_AMT("54"),
    QM_AMT("55"),
    QM_AMT("56"),
    QM_STR("foreign_country"),               // source of boxes 24, 25, 33 and 34
    FieldSpec{"share_percent", CField::Float, "100"},
};

const FieldSpec kT5003Fields[] = {
    QM_STR("recipient_sin"),
    QM_STR("tax_shelter_number"),
    QM_AMT("10"),
    QM_AMT("11"),
    QM_STR("12"),
    QM_AMT("13"),
    QM_AMT("14"),
};

const FieldSpec kT5007Fields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_AMT("10"),                            // workers' compensation benefits
    QM_AMT("11"),                            // social assistance payments
};

const FieldSpec kT5013Fields[] = {
    QM_STR("partnership_account_number"),    // box 001
    QM_INT("partner_code"),                  // box 002
    QM_STR("country_code"),                  // box 003
    QM_INT("recipient_type"),                // box 004
    FieldSpec{"partner_share_percent", CField::Float, "100"},   // box 005
    QM_STR("recipient_sin"),                 // box 006, partner's identification number
    QM_STR("tax_shelter_number"),
    QM_STR("205"),                           // functional currency code
    QM_SIGNED("010"),                           // total limited partner business income (loss)
    QM_SIGNED("020"),                           // total business income (loss)
    QM_SIGNED("030"),                           // total capital gains (losses)
    QM_AMT("040"),                           // capital cost allowance
    // Limited partner's net income (loss).
    QM_SIGNED("101"),                           // farming income (loss)
    QM_AMT("102"),                           // agricultural income stabilization
    QM_SIGNED("103"),                           // fishing income (loss)
    QM_SIGNED("104"),                           // business income (loss)
    QM_AMT("105"),                           // at-risk amount
    QM_SIGNED("106"),                           // adjusted at-risk amount
    QM_SIGNED("107"),                           // rental income (loss)
    QM_AMT("108"),                           // loss available for carryforward
    QM_AMT("109"),                           // previous loss carryforward eligible in the current year
    QM_AMT("113"),                           // return of capital
    // Canadian and foreign net business income (loss).
    QM_AMT("114"),                           // other income
    QM_AMT("115"),
    QM_SIGNED("116"),                           // business income (loss)
    QM_AMT("118"),                           // gross business income
    QM_AMT("119"),                           // foreign business income
    QM_SIGNED("120"),                           // professional income (loss)
    QM_AMT("121"),                           // gross professional income
    QM_SIGNED("122"),                           // commission income (loss)
    QM_AMT("123"),                           // gross commission income
    QM_SIGNED("124"),                           // farming income (loss)
    QM_AMT("125"),                           // gross farming income
    QM_SIGNED("126"),                           // fishing income (loss)
    QM_AMT("127"),                           // gross fishing income
    // Canadian and foreign investments and carrying charges.
    QM_SIGNED("110"),                           // Canadian and foreign net rental income (loss)
    QM_SIGNED("111"),                           // foreign net rental income (loss)
    QM_AMT("117"),                           // gross Canadian and foreign rental income
    QM_AMT("128"),                           // interest from Canadian sources
    QM_AMT("129"),                           // actual amount of dividends other than eligible dividends
    QM_AMT("130"),                           // taxable amount of dividends other than eligible dividends
    QM_AMT("131"),                           // dividend tax credit for dividends other than eligible dividends
    QM_AMT("132"),                           // actual amount of eligible dividends
    QM_AMT("133"),                           // taxable amount of eligible dividends
    QM_AMT("134"),                           // dividend tax credit for eligible dividends
    QM_AMT("135"),                           // foreign dividend and interest income
    QM_AMT("137"),                           // business investment loss
    QM_AMT("144"),
    QM_AMT("145"),
    QM_AMT("146"),
    QM_AMT("147"),
    // Capital gains (losses).
    QM_AMT("151"),
    QM_AMT("152"),
    QM_AMT("153"),
    QM_AMT("154"),
    QM_AMT("155"),
    QM_AMT("156"),
    QM_AMT("159"),
    // Deductions, credits and resource expenses.
    QM_AMT("168"),
    QM_AMT("171"),
    QM_AMT("172"),
    QM_AMT("173"),
    QM_AMT("174"),
    QM_AMT("176"),
    QM_AMT("179"),
    QM_AMT("180"),
    QM_AMT("181"),
    QM_AMT("182"),
    QM_AMT("183"),
    QM_AMT("186"),
    QM_AMT("200"),
    QM_AMT("201"),
    QM_AMT("202"),
    QM_AMT("204"),
    QM_AMT("206"),
    QM_AMT("210"),
    QM_AMT("212"),
    QM_AMT("215"),
    QM_AMT("217"),
    QM_AMT("221"),
    QM_AMT("222"),
    QM_AMT("227"),
    QM_AMT("229"),
    QM_AMT("230"),
    QM_AMT("231"),
};

const FieldSpec kT4PSFields[] = {
    QM_STR("recipient_sin"),                 // box 12
    QM_STR("54"),                            // employer's account number
    QM_AMT("24"),                            // actual amount of dividends other than eligible dividends
    QM_AMT("25"),                            // taxable amount of dividends other than eligible dividends
    QM_AMT("26"),                            // dividend tax credit for dividends other than eligible dividends
    QM_AMT("30"),                            // actual amount of eligible dividends
    QM_AMT("31"),                            // taxable amount of eligible dividends
    QM_AMT("32"),                            // dividend tax credit for eligible dividends
    QM_SIGNED("34"),                            // capital gains or losses
    QM_AMT("35"),                            // other employment income
    QM_AMT("36"),                            // total amount forfeited due to withdrawal from the plan
    QM_SIGNED("37"),                            // foreign capital gains or losses
    QM_AMT("38"),                            // foreign non-business income tax
    QM_BOOL("specified_employee"),           // box 39
    QM_AMT("40"),                            // foreign non-business income
    QM_AMT("41"),                            // employee contributions to the plan
};

const FieldSpec kT4ARCAFields[] = {
    QM_STR("recipient_sin"),
    QM_AMT("12"),                            // refund to employer
    QM_AMT("14"),                            // refund of employee contributions
    QM_AMT("16"),                            // distributions
    QM_AMT("17"),                            // distributions eligible for pension income splitting
    QM_AMT("18"),                            // amounts paid for an interest in the arrangement
    QM_AMT("20"),
    QM_AMT("22"),                            // income tax deducted
};

const FieldSpec kT5006Fields[] = {
    QM_STR("recipient_sin"),
    QM_AMT("10"),
    QM_AMT("11"),
};

const FieldSpec kRC62Fields[] = {
    QM_STR("recipient_sin"),
    QM_AMT("10"),                            // universal child care benefit
    QM_AMT("11"),                            // amount repaid
    QM_AMT("12"),                            // amounts for previous years included in box 10
};

const FieldSpec kRC210Fields[] = {
    QM_STR("recipient_sin"),
    QM_AMT("10"),                            // Canada workers benefit advance payments
};

const FieldSpec kMBShelterFields[] = {
    QM_AMT("shelter_benefit"),
};

// The receipt prints no box numbers.
const FieldSpec kPRPPFields[] = {
    QM_STR("contract_number"),
    QM_STR("version"),
    QM_AMT("employee_contribution_current"),
    QM_AMT("employee_contribution_prior"),
    QM_AMT("employer_contribution"),
    // Contributions from income exempt under the Indian Act.
    QM_AMT("employee_contribution_current_exempt"),
    QM_AMT("employee_contribution_prior_exempt"),
};

const FieldSpec kT1204Fields[] = {
    QM_STR("recipient_sin"),
    QM_STR("recipient_business_number"),
    QM_AMT("82"),                            // service-only payments
    QM_AMT("84"),                            // mixed services and goods payments
};

// Two lines of income, each with its codes.
const FieldSpec kNR4Fields[] = {
    QM_STR("11"),                            // recipient code
    QM_STR("12"),                            // country code for tax purposes
    QM_STR("13"),                            // non-resident account number
    QM_STR("14"),                            // income code
    QM_STR("15"),                            // currency code
    QM_AMT("16"),                            // gross income
    QM_AMT("17"),                            // non-resident tax withheld
    QM_STR("18"),                            // exemption code
    QM_STR("24"),                            // income code
    QM_STR("25"),                            // currency code
    QM_AMT("26"),                            // gross income
    QM_AMT("27"),                            // non-resident tax withheld
    QM_STR("28"),                            // exemption code
};

const FieldSpec kT2202Fields[] = {
    QM_STR("recipient_sin"),
    // Downloaded certificates give these as text.
    QM_STR("10"),                            // name of the institution
    QM_STR("11"),                            // school type
    QM_STR("12"),                            // flying school or club
    QM_STR("13"),                            // name of program or course
    QM_STR("14"),                            // student number
    QM_STR("15"),                            // filer account number
    // Session lines: boxes 19 to 23.
    QM_ROWS("sessions.#.from", CField::String, TaxData_Slip_T2202::kSessions),   // YYYY-MM
    QM_ROWS("sessions.#.to", CField::String, TaxData_Slip_T2202::kSessions),
    QM_AMT_ROWS("sessions.#.months_part_time", TaxData_Slip_T2202::kSessions),
    QM_AMT_ROWS("sessions.#.months_full_time", TaxData_Slip_T2202::kSessions),
    QM_AMT_ROWS("sessions.#.fees", TaxData_Slip_T2202::kSessions),
    QM_AMT("24"),                            // total number of months part-time
    QM_AMT("25"),                            // total number of months full-time
    QM_AMT("26"),                            // total eligible tuition fees
};

} // namespace

CSlipData_T4::CSlipData_T4() : TableForm(FROM_SLIP, SlipType::T4, {fieldTable(kSlipCommonFields), fieldTable(kT4Fields)},
                 SLIP_LAYOUT(kT4Layout)) {}

bool CSlipData_T4::containIndianItem() const
{
    if (getBool("indian_act_exempt")) return true;
    for (const char* code : kT4IndianActCodes)
        if (getFloat(code) >= CFloatField::kTolerance) return true;
    return false;
}

namespace {

constexpr const char* kPensionableMark = "pensionable_earnings_entered";
constexpr const char* kInsurableMark = "ei_insurable_earnings_entered";

// An amount in the box counts as entered too: returns saved before the marks
// existed, and slips filled by code, hold the amount without the mark.
bool boxEntered(const CTaxData_Form& t4, const char* box, const char* mark)
{
    return t4.getBool(mark) || std::abs(t4.getFloat(box)) >= CFloatField::kTolerance;
}

double boxOrIncome(const CTaxData_Form& t4, const char* box, const char* mark, double maximum)
{
    if (boxEntered(t4, box, mark)) return t4.getFloat(box);
    return std::clamp(t4.getFloat("14"), 0.0, maximum);
}

CString payerOf(const CTaxData_Form& t4)
{
    CString payer = t4.getString("payer_name");
    payer.Trim();
    return payer.IsEmpty() ? CString("the T4 slip") : CString("the T4 slip from ") + payer;
}

} // namespace

bool t4PensionableEarningsEntered(const CTaxData_Form& t4)
{
    return boxEntered(t4, "26", kPensionableMark);
}

bool t4InsurableEarningsEntered(const CTaxData_Form& t4)
{
    return boxEntered(t4, "24", kInsurableMark);
}

double t4PensionableEarnings(const CTaxData_Form& t4)
{
    if (t4.getBool("cpp_qpp_exempt")) return 0.0;
    return boxOrIncome(t4, "26", kPensionableMark, Federal2021::kCppYmpe);
}

double t4InsurableEarnings(const CTaxData_Form& t4)
{
    if (t4.getBool("ei_exempt")) return 0.0;
    return boxOrIncome(t4, "24", kInsurableMark, Federal2021::kEiMaxInsurable);
}

const char* CSlipData_T4::entryMarkOf(const CString& field) const
{
    if (field == "26") return kPensionableMark;
    if (field == "24") return kInsurableMark;
    return nullptr;
}

void CSlipData_T4::CarryToNewYear(bool withData)
{
    TableForm::CarryToNewYear(withData);
    if (withData) return;
    setBool(kPensionableMark, false);
    setBool(kInsurableMark, false);
}

void CSlipData_T4::AnyMsgBeforeNetfile(unsigned char, std::list<CString>& messages)
{
    const bool contributions = getFloat("16") >= CFloatField::kTolerance || getFloat("17") >= CFloatField::kTolerance;
    if (contributions && !getBool("cpp_qpp_exempt") && !t4PensionableEarningsEntered(*this))
        messages.push_back(QStringLiteral("Box 26 (CPP/QPP pensionable earnings) of %1 is blank: the return uses box 14 "
                                          "(employment income), up to the 2021 maximum of $%2, as pensionable "
                                          "earnings. Please confirm that box 26 of the slip is blank.")
                               .arg(payerOf(*this).toQString(), displayAmount(Federal2021::kCppYmpe)));
    if (getFloat("18") >= CFloatField::kTolerance && !getBool("ei_exempt") && !t4InsurableEarningsEntered(*this))
        messages.push_back(QStringLiteral("Box 24 (EI insurable earnings) of %1 is blank: the return uses box 14 "
                                          "(employment income), up to the 2021 maximum of $%2, as insurable "
                                          "earnings. Please confirm that box 24 of the slip is blank.")
                               .arg(payerOf(*this).toQString(), displayAmount(Federal2021::kEiMaxInsurable)));
}

TaxData_Slip_T4A::TaxData_Slip_T4A() : TableForm(FROM_SLIP, SlipType::T4A, {fieldTable(kSlipCommonFields), fieldTable(kT4AFields)},
                 SLIP_LAYOUT(kT4ALayout)) {}

CSlipData_T4AP::CSlipData_T4AP() : TableForm(FROM_SLIP, SlipType::T4AP, {fieldTable(kSlipCommonFields), fieldTable(kT4APFields)},
                 SLIP_LAYOUT(kT4APLayout)) {}

TaxData_Slip_T4RSP::TaxData_Slip_T4RSP() : TableForm(FROM_SLIP, SlipType::T4RSP, {fieldTable(kSlipCommonFields), fieldTable(kT4RSPFields)},
                 SLIP_LAYOUT(kT4RSPLayout)) {}

TaxData_Slip_T4E::TaxData_Slip_T4E() : TableForm(FROM_SLIP, SlipType::T4E, {fieldTable(kSlipCommonFields), fieldTable(kT4EFields)},
                 SLIP_LAYOUT(kT4ELayout)) {}

CSlipData_T4AOAS::CSlipData_T4AOAS() : TableForm(FROM_SLIP, SlipType::T4AOAS, {fieldTable(kSlipCommonFields), fieldTable(kT4AOASFields)},
                 SLIP_LAYOUT(kT4AOASLayout)) {}

TaxData_Slip_T4RIF::TaxData_Slip_T4RIF() : TableForm(FROM_SLIP, SlipType::T4RIF, {fieldTable(kSlipCommonFields), fieldTable(kT4RIFFields)},
                 SLIP_LAYOUT(kT4RIFLayout)) {}

TaxData_Slip_T5::TaxData_Slip_T5() : TableForm(FROM_SLIP, SlipType::T5, {fieldTable(kSlipCommonFields), fieldTable(kT5Fields)},
                 SLIP_LAYOUT(kT5Layout)) {}

bool TaxData_Slip_T5::HasSharedComponent() const
{
    return isSharedBelowFull(*this, sharePercentField());
}

TaxData_Slip_T3::TaxData_Slip_T3() : TableForm(FROM_SLIP, SlipType::T3, {fieldTable(kSlipCommonFields), fieldTable(kT3Fields)},
                 SLIP_LAYOUT(kT3Layout)) {}

bool TaxData_Slip_T3::HasSharedComponent() const
{
    return isSharedBelowFull(*this, sharePercentField());
}

CSlipData_T5003::CSlipData_T5003() : TableForm(FROM_SLIP, SlipType::T5003, {fieldTable(kSlipCommonFields), fieldTable(kT5003Fields)},
                 SLIP_LAYOUT(kT5003Layout)) {}

CSlipData_T5007::CSlipData_T5007() : TableForm(FROM_SLIP, SlipType::T5007, {fieldTable(kSlipCommonFields), fieldTable(kT5007Fields)},
                 SLIP_LAYOUT(kT5007Layout)) {}

TaxData_Slip_T5013::TaxData_Slip_T5013() : TableForm(FROM_SLIP, SlipType::T5013, {fieldTable(kSlipCommonFields), fieldTable(kT5013Fields)},
                 SLIP_LAYOUT(kT5013SlipLayout)) {}

bool TaxData_Slip_T5013::HasSharedComponent() const
{
    return isSharedBelowFull(*this, sharePercentField());
}

TaxData_Slip_T4PS::TaxData_Slip_T4PS() : TableForm(FROM_SLIP, SlipType::T4PS, {fieldTable(kSlipCommonFields), fieldTable(kT4PSFields)},
                 SLIP_LAYOUT(kT4PSLayout)) {}

TaxData_Slip_T4ARCA::TaxData_Slip_T4ARCA() : TableForm(FROM_SLIP, SlipType::T4ARCA, {fieldTable(kSlipCommonFields), fieldTable(kT4ARCAFields)},
                 SLIP_LAYOUT(kT4ARCALayout)) {}

TaxData_Slip_T5006::TaxData_Slip_T5006() : TableForm(FROM_SLIP, SlipType::T5006, {fieldTable(kSlipCommonFields), fieldTable(kT5006Fields)},
                 SLIP_LAYOUT(kT5006Layout)) {}

TaxData_Slip_RC62::TaxData_Slip_RC62() : TableForm(FROM_SLIP, SlipType::RC62, {fieldTable(kSlipCommonFields), fieldTable(kRC62Fields)},
                 SLIP_LAYOUT(kRC62Layout)) {}

CSlipData_RC210::CSlipData_RC210() : TableForm(FROM_SLIP, SlipType::RC210, {fieldTable(kSlipCommonFields), fieldTable(kRC210Fields)},
                 SLIP_LAYOUT(kRC210Layout)) {}

TaxData_Slip_MBShelterAssist::TaxData_Slip_MBShelterAssist()
    : TableForm(FROM_SLIP, SlipType::MBShelter, {fieldTable(kSlipCommonFields), fieldTable(kMBShelterFields)},
                 SLIP_LAYOUT(kMBShelterLayout)) {}

TaxData_Slip_PRPP::TaxData_Slip_PRPP() : TableForm(FROM_SLIP, SlipType::PRPP, {fieldTable(kSlipCommonFields), fieldTable(kPRPPFields)},
                 SLIP_LAYOUT(kPRPPLayout)) {}

TaxData_Slip_T1204::TaxData_Slip_T1204() : TableForm(FROM_SLIP, SlipType::T1204, {fieldTable(kSlipCommonFields), fieldTable(kT1204Fields)},
                 SLIP_LAYOUT(kT1204Layout)) {}

TaxData_Slip_NR4::TaxData_Slip_NR4() : TableForm(FROM_SLIP, SlipType::NR4, {fieldTable(kSlipCommonFields), fieldTable(kNR4Fields)},
                 SLIP_LAYOUT(kNR4Layout)) {}

TaxData_Slip_T2202::TaxData_Slip_T2202() : TableForm(FROM_SLIP, SlipType::T2202, {fieldTable(kSlipCommonFields), fieldTable(kT2202Fields)},
                 SLIP_LAYOUT(kT2202Layout)) {}
