#include "formtables.h"

#include <cctype>
#include <cstring>
#include <iterator>

namespace {

// Province numbers, so the provincial rows read by code rather than by number.
enum : int { P_AB = 1, P_BC, P_MB, P_NB, P_NL, P_NS, P_NT, P_NU, P_ON, P_PE, P_QC, P_SK, P_YT };

constexpr unsigned kStatement = FF_Multiple | FF_SFD | FF_Sharable;  // business and property statements
constexpr unsigned kProvTax = FF_Mandatory | FF_Dependants;          // each province's 428

} // namespace

// The Java identifier doubles as the report text and names the XML layout, so
// the three can never drift apart.
#define FORM(type, shortName, longName, id, prov, flags) \
    { type, shortName, longName, #id, #id, #id ".xml", prov, flags }
// Numbers once used by forms that are gone; old files may still hold them.
#define RETIRED(type) \
    { type, "F" #type, "Retired form type " #type, "Retired" #type, "Retired" #type, "Retired" #type ".xml", 0, FF_Expired }
// Numbers no form has ever used; the report maker still lists every number.
#define UNUSED(type) \
    { type, "F" #type, "Unused form type " #type, "Unused" #type, "Unused" #type, "Unused" #type ".xml", 0, FF_Expired }

constexpr FormInfo Global_Forms_Info[MAX_FORM_TYPE + 1] = {
    {0, "", "", "", "", "", 0, 0},
    FORM(  1, "T1",            "Income Tax and Benefit Return",                                                      T1,              0,    FF_Mandatory),
    FORM(  2, "Schedule 1",    "Federal Tax",                                                                        Sch1,            0,    FF_Expired),
    FORM(  3, "Schedule 2",    "Federal Amounts Transferred From Your Spouse or Common-Law Partner",                 Sch2,            0,    0),
    FORM(  4, "Schedule 3",    "Capital Gains (or Losses) in 2021",                                                  Sch3,            0,    0),
    FORM(  5, "Schedule 4",    "Statement of Investment Income",                                                     Sch4,            0,    0),
    FORM(  6, "Schedule 5",    "Amounts for Spouse or Common-Law Partner and Dependants",                            Sch5,            0,    FF_Dependants),
    FORM(  7, "Schedule 7",    "RRSP, PRPP and SPP Unused Contributions, Transfers, and HBP or LLP Activities",      Sch7,            0,    0),
    FORM(  8, "Schedule 8",    "CPP Contributions on Self-Employment and Other Earnings (before 2014)",              Sch8Old,         0,    FF_Expired),
    FORM(  9, "Schedule 9",    "Donations and Gifts",                                                                Sch9,            0,    0),
    UNUSED(10),
    FORM( 11, "Schedule 11",   "Federal Tuition, Education, and Textbook Amounts and Canada Training Credit",        Sch11,           0,    0),
    FORM( 12, "T776",          "Statement of Real Estate Rentals",                                                   T776,            0,    kStatement),
    FORM( 13, "T778",          "Child Care Expenses Deduction for 2021",                                             T778,            0,    FF_Dependants),
    FORM( 14, "T929",          "Disability Supports Deduction",                                                      T929,            0,    0),
    FORM( 15, "T1163",         "Statement A - AgriStability and AgriInvest Programs Information and Statement of Farming Activities for Individuals", T1163, 0, kStatement),
    UNUSED(16),
    FORM( 17, "T1172",         "Additional Tax on Accumulated Income Payments from RESPs",                           T1172,           0,    0),
    FORM( 18, "T1212",         "Statement of Deferred Security Options Benefits",                                    T1212,           0,    0),
    FORM( 19, "T2124",         "Statement of Business Activities",                                                   T2124,           0,    FF_Expired),
    FORM( 20, "T2038(IND)",    "Investment Tax Credit (Individuals)",                                                T2038IND,        0,    0),
    FORM( 21, "T2042",         "Statement of Farming Activities",                                                    T2042,           0,    kStatement),
    FORM( 22, "T2032",         "Statement of Professional Activities",                                               T2032,           0,    FF_Expired),
    FORM( 23, "T2204",         "Employee Overpayment of 2021 Employment Insurance Premiums",                         T2204,           0,    0),
    FORM( 24, "ON428",         "Ontario Tax",                                                                        ON428,           P_ON, kProvTax),
    FORM( 25, "ON479",         "Ontario Credits",                                                                    ON479,           P_ON, 0),
    FORM( 26, "ON(S2)",        "Ontario Provincial Amounts Transferred From Your Spouse or Common-Law Partner",      ON_S2,           P_ON, 0),
    FORM( 27, "ON(S11)",       "Ontario Tuition and Education Amounts",                                              ON_S11,          P_ON, 0),
    FORM( 28, "GST370",        "Employee and Partner GST/HST Rebate Application",                                    GST370,          0,    0),
    FORM( 29, "T1206",         "Tax on Split Income",                                                                T1206,           0,    0),
    FORM( 30, "T626",          "Overseas Employment Tax Credit",                                                     T626,            0,    0),
    FORM( 31, "T691",          "Alternative Minimum Tax",                                                            T691,            0,    0),
    FORM( 32, "T936",          "Calculation of Cumulative Net Investment Loss (CNIL) to December 31, 2021",          T936,            0,    0),
    FORM( 33, "T2124",         "Statement of Business Activities (commission income)",                               T2124Commission, 0,    FF_Expired),
    RETIRED(34),
    FORM( 35, "T2209/T2036",   "Federal Foreign Tax Credits / Provincial or Territorial Foreign Tax Credit",         T2209,           0,    FF_Multiple),
    UNUSED(36),
    FORM( 37, "T2017",         "Summary of Reserves on Dispositions of Capital Property",                            T2017,           0,    0),
    FORM( 38, "T5013",         "Statement of Partnership Income",                                                    T5013,           0,    kStatement),
    FORM( 39, "T1A",           "Request for Loss Carryback",                                                         T1A,             0,    0),
    FORM( 40, "T657",          "Calculation of Capital Gains Deduction for 2021",                                    T657,            0,    0),
    FORM( 41, "BC428",         "British Columbia Tax",                                                               BC428,           P_BC, kProvTax),
    FORM( 42, "BC479",         "British Columbia Credits",                                                           BC479,           P_BC, 0),
    FORM( 43, "BC(S2)",        "British Columbia Provincial Amounts Transferred From Your Spouse or Common-Law Partner", BC_S2,       P_BC, 0),
    FORM( 44, "BC(S11)",       "British Columbia Tuition and Education Amounts",                                     BC_S11,          P_BC, 0),
    FORM( 45, "AB428",         "Alberta Tax and Credits",                                                            AB428,           P_AB, kProvTax),
    UNUSED(46),
    FORM( 47, "AB(S2)",        "Alberta Provincial Amounts Transferred From Your Spouse or Common-Law Partner",      AB_S2,           P_AB, 0),
    FORM( 48, "AB(S11)",       "Alberta Tuition and Education Amounts",                                              AB_S11,          P_AB, 0),
    FORM( 49, "T2222",         "Northern Residents Deductions - 2021",                                               T2222,           0,    0),
    UNUSED(50),
    FORM( 51, "T2121",         "Statement of Fishing Activities",                                                    T2121,           0,    kStatement),
    FORM( 52, "T1DD(1)",       "Direct Deposit Request - Individuals",                                               T1DD,            0,    0),
    FORM( 53, "RC71",          "Statement of Discounting Transaction",                                               RC71,            0,    0),
    UNUSED(54),
    FORM( 55, "T5004",         "Claim for Tax Shelter Loss or Deduction",                                            T5004,           0,    0),
    UNUSED(56),
    FORM( 57, "CPT20",         "Election to Pay Canada Pension Plan Contributions",                                  CPT20,           0,    0),
    RETIRED(58),
    FORM( 59, "T777",          "Statement of Employment Expenses",                                                   T777,            0,    FF_Multiple | FF_SFD),
    UNUSED(60),
    UNUSED(61),
    FORM( 62, "NL428",         "Newfoundland and Labrador Tax and Credits",                                          NL428,           P_NL, kProvTax),
    FORM( 63, "NL479",         "Newfoundland and Labrador Credits",                                                  NL479,           P_NL, 0),
    FORM( 64, "NL(S2)",        "Newfoundland and Labrador Provincial Amounts Transferred From Your Spouse or Common-Law Partner", NL_S2, P_NL, 0),
    FORM( 65, "NL(S11)",       "Newfoundland and Labrador Tuition and Education Amounts",                            NL_S11,          P_NL, 0),
    FORM( 66, "NT428",         "Northwest Territories Tax",                                                          NT428,           P_NT, kProvTax),
    FORM( 67, "NT479",         "Northwest Territories Credits",                                                      NT479,           P_NT, 0),
    FORM( 68, "NT(S2)",        "Northwest Territories Territorial Amounts Transferred From Your Spouse or Common-Law Partner", NT_S2, P_NT, 0),
    FORM( 69, "NT(S11)",       "Northwest Territories Tuition and Education Amounts",                                NT_S11,          P_NT, 0),
    FORM( 70, "NS428",         "Nova Scotia Tax and Credits",                                                        NS428,           P_NS, kProvTax),
    FORM( 71, "NS479",         "Nova Scotia Credits",                                                                NS479,           P_NS, 0),
    FORM( 72, "NS(S2)",        "Nova Scotia Provincial Amounts Transferred From Your Spouse or Common-Law Partner",  NS_S2,           P_NS, 0),
    FORM( 73, "NS(S11)",       "Nova Scotia Tuition and Education Amounts",                                          NS_S11,          P_NS, 0),
    FORM( 74, "NU428",         "Nunavut Tax",                                                                        NU428,           P_NU, kProvTax),
    FORM( 75, "NU479",         "Nunavut Credits",                                                                    NU479,           P_NU, 0),
    FORM( 76, "NU(S2)",        "Nunavut Territorial Amounts Transferred From Your Spouse or Common-Law Partner",     NU_S2,           P_NU, 0),
    FORM( 77, "NU(S11)",       "Nunavut Tuition and Education Amounts",                                              NU_S11,          P_NU, 0),
    FORM( 78, "PE428",         "Prince Edward Island Tax and Credits",                                               PE428,           P_PE, kProvTax),
    FORM( 79, "PE(S2)",        "Prince Edward Island Provincial Amounts Transferred From Your Spouse or Common-Law Partner", PE_S2,   P_PE, 0),
    FORM( 80, "PE(S11)",       "Prince Edward Island Tuition and Education Amounts",                                 PE_S11,          P_PE, 0),
    FORM( 81, "SK428",         "Saskatchewan Tax",                                                                   SK428,           P_SK, kProvTax),
    FORM( 82, "SK(S2)",        "Saskatchewan Provincial Amounts Transferred From Your Spouse or Common-Law Partner", SK_S2,           P_SK, 0),
    FORM( 83, "SK(S11)",       "Saskatchewan Tuition and Education Amounts",                                         SK_S11,          P_SK, 0),
    FORM( 84, "SK479",         "Saskatchewan Credits",                                                               SK479,           P_SK, 0),
    UNUSED(85),
    FORM( 86, "MB428",         "Manitoba Tax",                                                                       MB428,           P_MB, kProvTax),
    FORM( 87, "MB479",         "Manitoba Credits",                                                                   MB479,           P_MB, 0),
    UNUSED(88),
    FORM( 89, "T1219",         "Provincial or Territorial Alternative Minimum Tax",                                  T1219,           0,    0),
    FORM( 90, "MB(S2)",        "Manitoba Provincial Amounts Transferred From Your Spouse or Common-Law Partner",     MB_S2,           P_MB, 0),
    FORM( 91, "MB(S11)",       "Manitoba Tuition and Education Amounts",                                             MB_S11,          P_MB, 0),
    FORM( 92, "TL2",           "Claim for Meals and Lodging Expenses",                                               TL2,             0,    FF_Multiple | FF_SFD),
    FORM( 93, "Summary",       "Tax Return Summary",                                                                 Summary,         0,    0),
    FORM( 94, "NB(S2)",        "New Brunswick Provincial Amounts Transferred From Your Spouse or Common-Law Partner", NB_S2,          P_NB, 0),
    FORM( 95, "NB(S11)",       "New Brunswick Tuition and Education Amounts",                                        NB_S11,          P_NB, 0),
    FORM( 96, "T183",          "Information Return for Electronic Filing of an Individual's Income Tax and Benefit Return", T183,    0,    0),
    FORM( 97, "T1153",         "Preparer and Discounter Information",                                                T1153,           0,    0),
    FORM( 98, "NB428",         "New Brunswick Tax and Credits",                                                      NB428,           P_NB, kProvTax),
    FORM( 99, "NB479",         "New Brunswick Credits",                                                              NB479,           P_NB, 0),
    RETIRED(100),
    FORM(101, "T1135",         "Foreign Income Verification Statement",                                              T1135,           0,    0),
    FORM(102, "T1-M",          "Moving Expenses Deduction",                                                          T1M,             0,    0),
    FORM(103, "T1223",         "Clergy Residence Deduction",                                                         T1223,           0,    0),
    UNUSED(104),
    FORM(105, "T746",          "Calculating Your Deduction for Refund of Unused RRSP, PRPP, and SPP Contributions",  T746,            0,    0),
    UNUSED(106),
    FORM(107, "T1229",         "Statement of Resource Expenses and Depletion Allowance",                             T1229,           0,    0),
    FORM(108, "YT428",         "Yukon Tax",                                                                          YT428,           P_YT, kProvTax),
    FORM(109, "T1273",         "Statement A - Harmonized AgriInvest and AgriStability Programs Information and Statement of Farming Activities for Individuals", T1273, 0, FF_Multiple | FF_Expired),
    FORM(110, "YT(S2)",        "Yukon Territorial Amounts Transferred From Your Spouse or Common-Law Partner",       YT_S2,           P_YT, 0),
    FORM(111, "YT(S11)",       "Yukon Tuition and Education Amounts",                                                YT_S11,          P_YT, 0),
    FORM(112, "YT479",         "Yukon Credits",                                                                      YT479,           P_YT, 0),
    FORM(113, "T1170",         "Capital Gains on Gifts of Certain Capital Property",                                 T1170,           0,    0),
    RETIRED(114),
    RETIRED(115),
    FORM(116, "T1ADJ",         "T1 Adjustment Request",                                                              T1ADJ,           0,    0),
    FORM(117, "T1013",         "Authorizing or Cancelling a Representative",                                         T1013,           0,    0),
    FORM(118, "T1032",         "Joint Election to Split Pension Income",                                             T1032,           0,    0),
    FORM(119, "Schedule 6",    "Canada Workers Benefit",                                                             Sch6,            0,    FF_Dependants),
    RETIRED(120),
    UNUSED(121),
    UNUSED(122),
    UNUSED(123),
    FORM(124, "T2205",         "Calculating Amounts From a Spousal or Common-law Partner RRSP, RRIF or SPP to Include in Income", T2205, 0, 0),
    FORM(125, "T2125",         "Statement of Business or Professional Activities",                                   T2125,           0,    kStatement),
    UNUSED(126),
    UNUSED(127),
    UNUSED(128),
    UNUSED(129),
    UNUSED(130),
    FORM(131, "T2125",         "Statement of Business or Professional Activities (commission income)",              T2125Commission, 0,    kStatement),
    UNUSED(132),
    RETIRED(133),
    RETIRED(134),
    UNUSED(135),
    FORM(136, "RC267",         "Employee Contributions to a United States Retirement Plan - Temporary Assignments", RC267,           0,    0),
    FORM(137, "RC268",         "Employee Contributions to a United States Retirement Plan - Cross-Border Commuters", RC268,          0,    0),
    FORM(138, "RC269",         "Employee Contributions to a Foreign Pension Plan or Social Security Arrangement - Non-United States Plans or Arrangements", RC269, 0, 0),
    FORM(139, "Schedule 13",   "Employment Insurance Premiums on Self-Employment and Other Eligible Earnings",       Sch13,           0,    0),
    UNUSED(140),
    RETIRED(141),
    UNUSED(142),
    UNUSED(143),
    UNUSED(144),
    FORM(145, "RC359",         "Tax on Excess Employee Profit-Sharing Plan Amounts",                                 RC359,           0,    0),
    UNUSED(146),
    FORM(147, "T2091(IND)",    "Designation of a Property as a Principal Residence by an Individual (Other Than a Personal Trust)", T2091IND, 0, kStatement),
    FORM(148, "RC381",         "Inter-provincial Calculation for CPP and QPP Contributions and Overpayments for 2021", RC381,          0,    0),
    FORM(149, "RC383",         "Tax-Exempt Earnings and Income Election for CPP Contributions",                      RC383,           0,    0),
    FORM(150, "Schedule 8",    "CPP Contributions on Self-Employment and Other Earnings",                            Sch8,            0,    0),
    FORM(151, "Schedule 1-A",  "Family Tax Cut",                                                                     Sch1A,           0,    FF_Expired),
    UNUSED(152),
    UNUSED(153),
    UNUSED(154),
    UNUSED(155),
    FORM(156, "T2203",         "Provincial and Territorial Taxes for 2021 - Multiple Jurisdictions",                T2203,           0,    0),
    FORM(157, "Schedule 12",   "Home Accessibility Expenses",                                                        Sch12,           0,    0),
    UNUSED(158),
    FORM(159, "Summary",       "Tax Return Summary (ReFILE)",                                                        SummaryReFile,   0,    0),
    FORM(160, "T1255",         "Designation of a Property as a Principal Residence by the Legal Representative of a Deceased Individual", T1255, 0, kStatement),
    FORM(161, "T1159",         "Income Tax Return for Electing Under Section 216",                                   T1159,           0,    0),
    UNUSED(162),
    UNUSED(163),
    UNUSED(164),
    FORM(165, "Summary",       "Last Year's Tax Return Summary",                                                     SummaryLastYear, 0,    0),
    FORM(166, "Schedule 14",   "Climate Action Incentive",                                                           Sch14,           0,    0),
    FORM(167, "Schedule A/B",  "Statement of World Income / Allowable Amount of Non-Refundable Tax Credits",         SchAB,           0,    0),
    FORM(168, "Schedule C",    "Electing Under Section 217 of the Income Tax Act",                                   SchC,            0,    0),
    UNUSED(169),
    UNUSED(170),
    FORM(171, "T90",           "Income Exempt from Tax under the Indian Act",                                        T90,             0,    0),
    UNUSED(172),
    FORM(173, "T224",          "Form T224",                                                                          T224,            0,    0),
    FORM(174, "T225",          "Form T225",                                                                          T225,            0,    0),
    UNUSED(175),
    UNUSED(176),
    FORM(177, "T1134",         "Information Return Relating to Controlled and Not-Controlled Foreign Affiliates",   T1134,           0,    0),
    UNUSED(178),
    FORM(179, "T777S",         "Statement of Employment Expenses for Working at Home Due to COVID-19",               T777S,           0,    FF_Multiple | FF_SFD),
    UNUSED(180),
    FORM(181, "T185",          "Pre-Authorized Debit Agreement",                                                     T185,            0,    0),
    UNUSED(182),
    UNUSED(183),
    FORM(184, "RC59",          "Business Consent for Offline Access",                                                RC59,            0,    FF_Expired),
    FORM(185, "RC59X",         "Cancel Business Consent or Delegated Authority",                                     RC59X,           0,    FF_Expired),
    FORM(186, "T1044",         "Non-Profit Organization (NPO) Information Return",                                   T1044,           0,    FF_Expired),
    UNUSED(187),
    UNUSED(188),
    UNUSED(189),
    UNUSED(190),
    UNUSED(191),
    UNUSED(192),
};

#undef FORM
#undef RETIRED
#undef UNUSED

namespace {

// A missing or misplaced row would shift every type after it.
template <typename Row, int N>
constexpr bool rowsAreIndexed(const Row (&rows)[N])
{
    for (int i = 0; i < N; ++i)
        if (rows[i].type != i)
            return false;
    return true;
}

} // namespace

static_assert(rowsAreIndexed(Global_Forms_Info), "form rows must be in type order");

constexpr SlipInfo Global_Slips_Info[MAX_SLIP_TYPE + 1] = {
    { 0, "", "", "", false},
    { 1, "T4 Statement of Remuneration Paid",                                                      "T4",         "SlipT4",          false},
    { 2, "T4A Statement of Pension, Retirement, Annuity, and Other Income",                        "T4A",        "SlipT4A",         false},
    { 3, "T4A(P) Statement of Canada Pension Plan Benefits",                                       "T4A(P)",     "SlipT4AP",        false},
    { 4, "T4RSP Statement of RRSP Income",                                                         "T4RSP",      "SlipT4RSP",       false},
    { 5, "T4E Statement of Employment Insurance and Other Benefits",                               "T4E",        "SlipT4E",         false},
    { 6, "T4A(OAS) Statement of Old Age Security",                                                 "T4A(OAS)",   "SlipT4AOAS",      false},
    { 7, "T4RIF Statement of Income From a Registered Retirement Income Fund",                     "T4RIF",      "SlipT4RIF",       false},
    { 8, "T5 Statement of Investment Income",                                                      "T5",         "SlipT5",          true},
    { 9, "T3 Statement of Trust Income Allocations and Designations",                              "T3",         "SlipT3",          true},
    {10, "T5003 Statement of Tax Shelter Information",                                             "T5003",      "SlipT5003",       false},
    {11, "T5007 Statement of Benefits",                                                            "T5007",      "SlipT5007",       false},
    // Replaced by the T2202 (25); kept so old files still name it.
    {12, "T2202A Tuition, Education, and Textbook Amounts Certificate",                            "T2202A",     "SlipT2202A",      false},
    {13, "T5013 Statement of Partnership Income",                                                  "T5013",      "SlipT5013",       true},
    {14, "T4PS Statement of Employee Profit-Sharing Plan Allocations and Payments",                "T4PS",       "SlipT4PS",        false},
    {15, "T4A-RCA Statement of Distributions From a Retirement Compensation Arrangement (RCA)",    "T4A-RCA",    "SlipT4ARCA",      false},
    {16, "T5006 Statement of Registered Labour-Sponsored Venture Capital Corporation Class A Shares", "T5006",   "SlipT5006",       false},
    {17, "RC62 Universal Child Care Benefit Statement",                                            "RC62",       "SlipRC62",        false},
    {18, "RC210 Canada Workers Benefit Advance Payments Statement",                                "RC210",      "SlipRC210",       false},
    {19, "T5008 Statement of Securities Transactions",                                             "T5008",      "SlipT5008",       false},
    {20, "RRSP Contribution Receipt",                                                              "RRSP",       "SlipRRSPReceipt", false},
    {21, "MB Shelter Benefit (Manitoba Rent Assist) Statement",                                    "MB Shelter", "SlipMBShelter",   false},
    {22, "PRPP Pooled Registered Pension Plan Contribution Receipt",                               "PRPP",       "SlipPRPP",        false},
    {23, "T1204 Government Service Contract Payments",                                             "T1204",      "SlipT1204",       false},
    {24, "NR4 Statement of Amounts Paid or Credited to Non-Residents of Canada",                    "NR4",        "SlipNR4",         false},
    {25, "T2202 Tuition and Enrolment Certificate",                                                "T2202",      "SlipT2202",       false},
};

static_assert(rowsAreIndexed(Global_Slips_Info), "slip rows must be in type order");

constexpr TaxWizardInfo Global_TaxWizard_Info[MAX_TAXWIZARD_KIND + 1] = {
    {0, "", 0},
    {1, "General Information",              1},
    {2, "Last Year's Carry-forward Amounts", 1},
    {3, "Dependants",                       1},
    {4, "Medical Expenses",                 1},
    {5, "RRSP Contributions",               1},
    {6, "Provincial Information",           1},
};

static_assert(Global_TaxWizard_Info[MAX_TAXWIZARD_KIND].kind == MAX_TAXWIZARD_KIND, "one row per interview kind");

// Numbered in the order of the agency's two-letter codes; Quebec files its own
// provincial return, so it has no library.
constexpr ProvInfo Global_Provs_Info[MAX_PROVINCE + 1] = {
    { 0, "",                                  "",   ""},
    { 1, "Alberta",                           "AB", "qlmr21ab"},
    { 2, "British Columbia",                  "BC", "qlmr21bc"},
    { 3, "Manitoba",                          "MB", "qlmr21mb"},
    { 4, "New Brunswick",                     "NB", "qlmr21nb"},
    { 5, "Newfoundland and Labrador",         "NL", "qlmr21nl"},
    { 6, "Nova Scotia",                       "NS", "qlmr21ns"},
    { 7, "Northwest Territories",             "NT", "qlmr21nt"},
    { 8, "Nunavut",                           "NU", "qlmr21nu"},
    { 9, "Ontario",                           "ON", "qlmr21on"},
    {10, "Prince Edward Island",              "PE", "qlmr21pe"},
    {11, "Quebec",                            "QC", ""},
    {12, "Saskatchewan",                      "SK", "qlmr21sk"},
    {13, "Yukon",                             "YT", "qlmr21yt"},
    {14, "Non-resident",                      "",   ""},
    {15, "Non-resident (section 216, T1159)", "",   ""},
    {16, "Non-resident (section 217)",        "",   ""},
};

static_assert(Global_Provs_Info[MAX_PROVINCE].province == MAX_PROVINCE, "one row per province number");

namespace {

// The 428 is made whenever a return moves into the province; the 479 only
// when something on the return calls for it.
constexpr ProvinceFormEntry s_abForms[] = {{45, 1}};
constexpr ProvinceFormEntry s_bcForms[] = {{41, 1}, {42, 0}};
constexpr ProvinceFormEntry s_mbForms[] = {{86, 1}, {87, 0}};
constexpr ProvinceFormEntry s_nbForms[] = {{98, 1}, {99, 0}};
constexpr ProvinceFormEntry s_nlForms[] = {{62, 1}, {63, 0}};
constexpr ProvinceFormEntry s_nsForms[] = {{70, 1}, {71, 0}};
constexpr ProvinceFormEntry s_ntForms[] = {{66, 1}, {67, 0}};
constexpr ProvinceFormEntry s_nuForms[] = {{74, 1}, {75, 0}};
constexpr ProvinceFormEntry s_onForms[] = {{24, 1}, {25, 0}};
constexpr ProvinceFormEntry s_peForms[] = {{78, 1}};
constexpr ProvinceFormEntry s_skForms[] = {{81, 1}, {84, 0}};
constexpr ProvinceFormEntry s_ytForms[] = {{108, 1}, {112, 0}};

template <int N>
constexpr ProvinceFormsRecord forms(const ProvinceFormEntry (&entries)[N])
{
    return {entries, N};
}

} // namespace

constexpr ProvinceFormsRecord Province_Forms_Info[MAX_PROVINCE + 1] = {
    {nullptr, 0},        //  0 not chosen
    forms(s_abForms),    //  1
    forms(s_bcForms),    //  2
    forms(s_mbForms),    //  3
    forms(s_nbForms),    //  4
    forms(s_nlForms),    //  5
    forms(s_nsForms),    //  6
    forms(s_ntForms),    //  7
    forms(s_nuForms),    //  8
    forms(s_onForms),    //  9
    forms(s_peForms),    // 10
    {nullptr, 0},        // 11 Quebec: no library makes its forms
    forms(s_skForms),    // 12
    forms(s_ytForms),    // 13
    {nullptr, 0},        // 14-16 non-resident returns have no provincial forms
    {nullptr, 0},
    {nullptr, 0},
};

const FederalFormEntry Federal_Forms_Info[] = {
    {3}, {4}, {5}, {6}, {7}, {9}, {11}, {13}, {17}, {23}, {29}, {32}, {35},
    {119}, {148}, {149}, {150}, {166}, {171},
};
const int Federal_Forms_Num = int(std::size(Federal_Forms_Info));

const FormInfo* formInfo(int type)
{
    return (type >= 1 && type <= MAX_FORM_TYPE) ? &Global_Forms_Info[type] : nullptr;
}

const SlipInfo* slipInfo(int type)
{
    return (type >= 1 && type <= MAX_SLIP_TYPE) ? &Global_Slips_Info[type] : nullptr;
}

const TaxWizardInfo* taxWizardInfo(int kind)
{
    return (kind >= 1 && kind <= MAX_TAXWIZARD_KIND) ? &Global_TaxWizard_Info[kind] : nullptr;
}

const ProvInfo* provInfo(int province)
{
    return (province >= 1 && province <= MAX_PROVINCE) ? &Global_Provs_Info[province] : nullptr;
}

namespace {
bool hasFlag(int type, unsigned flag)
{
    const FormInfo* info = formInfo(type);
    return info && (info->flags & flag) != 0;
}
} // namespace

bool IsMultipleForm(int type) { return hasFlag(type, FF_Multiple); }
bool IsSFDForm(int type) { return hasFlag(type, FF_SFD); }
bool IsFormSharable(int type) { return hasFlag(type, FF_Sharable); }

bool IsSlipSharable(int type)
{
    const SlipInfo* info = slipInfo(type);
    return info && info->sharable;
}

// The mode is accepted for the callers' sake; expiry is the same in every mode.
bool IsFormExpired(int type, int /*mode*/)
{
    return hasFlag(type, FF_Expired);
}

// Every edition needs the same forms.
bool IsFormMandatory(unsigned char /*edition*/, int province, int type)
{
    const FormInfo* info = formInfo(type);
    if (!info || !(info->flags & FF_Mandatory))
        return false;
    return info->province == 0 || info->province == province;
}

int getFormProv(int type)
{
    const FormInfo* info = formInfo(type);
    return info ? info->province : 0;
}

bool IsProvinceSupported(int province)
{
    return province >= P_AB && province <= P_YT;
}

bool HasProvincialLibrary(int province)
{
    const ProvInfo* info = provInfo(province);
    return IsProvinceSupported(province) && info && info->libFile && *info->libFile;
}

int getProvince(const char* code)
{
    if (!code)
        return 0;
    const char* begin = code;
    const char* end = code + std::strlen(code);
    while (begin < end && std::isspace(static_cast<unsigned char>(*begin)))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(end[-1])))
        --end;
    if (end - begin != 2)
        return 0;
    for (int province = P_AB; province <= P_YT; ++province) {
        const char* candidate = Global_Provs_Info[province].code;
        if (std::toupper(static_cast<unsigned char>(begin[0])) == candidate[0]
            && std::toupper(static_cast<unsigned char>(begin[1])) == candidate[1])
            return province;
    }
    return 0;
}
