// The return-level rules, one table per group: each rule fires with its exact
// text, stays silent when its condition just fails (at the 0.009 boundary
// where it compares amounts), and stays silent when the form it names is in
// the return twice (two forms of a type count as none). Every case runs in
// both editions (1 EFILE, 2 NETFILE).

#include <QtTest>

#include "filingsettings.h"
#include "ruleinputs.h"
#include "validatetestsupport.h"

namespace {

using Fixture = ValidationFixture;
using Setup = void (*)(Fixture&);

struct RuleCase
{
    const char* name;
    const char* text;
    Setup fire;
    Setup silent;
    int duplicate;   // form type added twice must silence the rule; 0 when none applies
};

const RuleCase* findCase(const RuleCase* cases, int count, const QByteArray& name)
{
    for (int i = 0; i < count; ++i)
        if (name == cases[i].name) return &cases[i];
    return nullptr;
}

// ---- Rules 1 to 13.
const RuleCase kSlipAndIdentityCases[] = {
    {"1 T3 at 0 percent", "There is a T3 slip which has sharing percentage set to 0. Please correct the sharing percentage or remove the T3 slip.",
     [](Fixture& f) { f.set(f.slip(9), "share_percent", 0.0089); },
     [](Fixture& f) { f.set(f.slip(9), "share_percent", 0.009); }, 0},
    {"2 T5 at 0 percent", "There is a T5 slip which has sharing percentage set to 0. Please correct the sharing percentage or remove the T5 slip.",
     [](Fixture& f) { f.set(f.slip(8), "share_percent", -0.0089); },
     [](Fixture& f) { f.set(f.slip(8), "share_percent", -0.009); }, 0},
    {"3 T5013 without ids", "Please complete partnership ID and/or tax shelter ID in T5013 slip.",
     [](Fixture& f) { CTaxData_Form* s = f.slip(13); f.set(s, "partnership_account_number", "12345678"); f.set(s, "tax_shelter_number", "12345"); },
     [](Fixture& f) { CTaxData_Form* s = f.slip(13); f.set(s, "partnership_account_number", "12345678"); f.set(s, "tax_shelter_number", "123456"); }, 0},
    {"7 beneficiary without T3", "Tax beneficiary for deceased person requires a T3 slip in the return.",
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 0); f.setT1("52080", 5); f.slip(9); },
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 0); f.setT1("52080", 5); f.set(f.slip(9), "18", "1"); }, 0},
    {"7 unanswered is no", "Tax beneficiary for deceased person requires a T3 slip in the return.",
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 0); },
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 2); }, 0},
    {"8 beneficiary amount", "Tax beneficiary amount (Field 52080) must be more than $1.",
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 0); f.setT1("52080", 1.4905); },
     [](Fixture& f) { f.setT1("tax_beneficiary_of_deceased", 0); f.setT1("52080", 1.4915); }, 0},
    {"9 choice 2 Schedule 8", "Schedule 8 is not needed, please remove it.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.add(150); f.add(148); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.add(148); }, 150},
    {"9 choice 2 RC381", "Please add form RC381 to tax return to calculate CPP/QPP contribution.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.add(148); }, 0},
    {"9 choice 1 Schedule 8", "Please add schedule 8 into tax return to calculate CPP contribution.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.add(150); }, 0},
    {"9 choice 1 RC381", "Please remove form RC381, it's not needed.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.add(150); f.add(148); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.add(150); }, 148},
    {"9 choice 0 Schedule 8", "Schedule 8 is not needed, please remove it.",
     [](Fixture& f) { f.add(150); },
     [](Fixture&) {}, 150},
    {"9 choice 0 RC381", "Please remove form RC381, it's not needed.",
     [](Fixture& f) { f.add(148); },
     [](Fixture&) {}, 148},
    {"10 eligible dependant with a spouse", "Tax payer's was married or living with common-law partner, to claim eligible dependant amount on line 30400 on Schedule 5, either (1)Tax payer's marital status changed during the tax year. Claim marital status change on page 1 of T1; or (2) Read the checkbox condition on top of Schedule 5.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.set(f.add(6), "30400", 0.009); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); CTaxData_Form* s = f.add(6); f.set(s, "30400", 0.009); f.set(s, "eligible_dependant_condition", 1); }, 6},
    {"10 marital change", "Tax payer's was married or living with common-law partner, to claim eligible dependant amount on line 30400 on Schedule 5, either (1)Tax payer's marital status changed during the tax year. Claim marital status change on page 1 of T1; or (2) Read the checkbox condition on top of Schedule 5.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_COMMON_LAW); f.set(f.add(6), "30400", 100.0); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_COMMON_LAW); f.t1->setDate("date_of_marital_change", QDate(2021, 6, 1)); f.set(f.add(6), "30400", 100.0); }, 0},
    {"11 dependant S.I.N. is the spouse's", "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the spouse's S.I.N.",
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130692544"); f.set(f.add(6), "55295", " 130692544 "); },
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130692544"); f.set(f.add(6), "55295", "000000000"); }, 6},
    {"11 dependant S.I.N. is the taxpayer's", "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the spouse's S.I.N.",
     [](Fixture& f) { f.set(f.add(6), "55295", "046454286"); },
     [](Fixture& f) { f.set(f.add(6), "55295", "130692544"); }, 0},
    // Blanks and dashes only format a S.I.N.: the same number written
    // another way is the same number.
    {"11 dependant S.I.N. is the taxpayer's, written with blanks", "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the spouse's S.I.N.",
     [](Fixture& f) { f.set(f.add(6), "55295", "046 454 286"); },
     [](Fixture& f) { f.set(f.add(6), "55295", "046 454 287"); }, 6},
    {"11 dependant S.I.N. is the spouse's, written with dashes", "S.I.N. entered in field 55295 of schedule 5 cannot be identical to tax payer's or the spouse's S.I.N.",
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130 692 544"); f.set(f.add(6), "55295", "130-692-544"); },
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130 692 544"); f.set(f.add(6), "55295", "000-000-000"); }, 0},
    {"12 more children than dependants", "According to dependant information, you entered more children for field 30500.",
     [](Fixture& f) { f.setT1("30499", 1); },
     [](Fixture& f) {
         f.setT1("30499", 1);
         f.dependants.AllocData(1);
         f.dependants.entry(0)->setFirstName("Kid");
         f.dependants.entry(0)->birthDate = QDate(2010, 1, 1);
         f.dependants.entry(0)->relationship = DEP_REL_CHILD;
     }, 0},
    {"13 pension amount too much", "Field 31400 in Schedule 1 is too much according to other entries in tax return.",
     [](Fixture& f) { f.setT1("11500", 1000); f.setT1("12900", 300); f.setT1("12900_llp", 300); f.setT1("11600", 500); f.setT1("pension_ineligible_under65", 200); f.setT1("31400", 1300.009); },
     [](Fixture& f) { f.setT1("11500", 1000); f.setT1("12900", 300); f.setT1("12900_llp", 300); f.setT1("11600", 500); f.setT1("pension_ineligible_under65", 200); f.setT1("31400", 1300.008); }, 0},
};

// ---- Rules 14 to 28.
const RuleCase kCreditCases[] = {
    {"14 Schedule 2 without a spouse", "Please remove Schedule 2 because tax payer is not married or living with common-law partner or widowed in tax year. You may need to claim a marital status change on page 1 of T1.",
     [](Fixture& f) { f.add(3); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.add(3); }, 3},
    {"15 Schedule 2 over its maximum", "Field 36100 of Schedule 2 exceeds maximum amount allowed.",
     [](Fixture& f) { f.set(f.add(3), "transferable_total", 50490.0095); },
     [](Fixture& f) { f.set(f.add(3), "transferable_total", 50490.0085); }, 3},
    {"16 Schedule 8 election without a pension", "Remove field 50372 or 50374 in schedule 8 since there is no CPP/QPP retirement benefit reported in T4A(P) slip.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.set(f.add(150), "50372", 3); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.set(f.add(150), "50372", 3); f.setT1("11400", 0.009); }, 150},
    {"17 31217 without Schedule 13", "Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or a self-employment income.",
     [](Fixture& f) { f.setT1("31217", 0.009); },
     [](Fixture& f) { f.setT1("31217", 0.008); }, 0},
    {"17 31217 with an empty Schedule 13", "Field 31217 requires an amount in Field 54493, or 54494 of Schedule 13 or a self-employment income.",
     [](Fixture& f) { f.setT1("31217", 10); f.add(139); },
     [](Fixture& f) { f.setT1("31217", 10); f.add(139); f.setT1("13500", 0.009); }, 0},
    {"18 54493 over employment income", "Field 54493 of Schedule 13 cannot be greater than field 10100 of T1.",
     [](Fixture& f) { f.setT1("10100", 100); f.set(f.add(139), "54493", 100.009); },
     [](Fixture& f) { f.setT1("10100", 100); f.set(f.add(139), "54493", 100.008); }, 139},
    {"19 54494 over T90", "Field 54494 of Schedule 13 cannot be greater than field 10000 of form T90.",
     [](Fixture& f) { f.set(f.add(171), "10000", 100); f.set(f.add(139), "54494", 100.009); },
     [](Fixture& f) { f.set(f.add(171), "10000", 100); f.set(f.add(139), "54494", 100.008); }, 139},
    {"20 53550 without T2204", "Field 53550 in Schedule 13 requires at least one self-employment form and a T4 tax slip showing EI insurable earning.",
     [](Fixture& f) { f.setT1("13500", 10); f.set(f.add(139), "53550", 5); f.set(f.add(23), "insurable_earnings", 0.991); },
     [](Fixture& f) { f.setT1("13500", 10); f.set(f.add(139), "53550", 5); f.set(f.add(23), "insurable_earnings", 0.992); }, 139},
    {"21 PPIP without 54493", "PPIP amount in box 55 of T4 slip requires an amount in field 54493 of Schedule 13.",
     [](Fixture& f) { CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Acme"); f.set(s, "55", 0.009); },
     [](Fixture& f) { CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Acme"); f.set(s, "55", 0.008); }, 0},
    {"23 Schedule 14 not eligible", "Schedule 14 cannot be claimed for the tax province, or if the tax payer deceased.",
     [](Fixture& f) { f.setT1("province", 2); f.add(166); },
     [](Fixture& f) { f.add(166); }, 166},
    {"24 Schedule 14 newcomer", "Schedule 14 cannot be claimed if the tax payer is an immigrant or emmigrant in tax year.",
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 1, 2)); f.add(166); },
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 1, 1)); f.add(166); }, 166},
    {"24 Schedule 14 emigrant", "Schedule 14 cannot be claimed if the tax payer is an immigrant or emmigrant in tax year.",
     [](Fixture& f) { f.t1->setDate("date_of_departure", QDate(2021, 8, 2)); f.add(166); },
     [](Fixture& f) { f.t1->setDate("date_of_departure", QDate(2020, 8, 2)); f.add(166); }, 0},
    {"25 Schedule 14 deceased", "Schedule 14 cannot be claimed if the tax payer died in the tax year.",
     [](Fixture& f) { f.t1->setDate("date_of_death", QDate(2021, 8, 2)); f.add(166); },
     [](Fixture& f) { f.add(166); }, 166},
    {"26 training credit too young", "Canada traing credit (Field 45350) cannot be claimed if tax payer's age is not between 26 and 65.",
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1996, 1, 1)); f.setT1("45350", 0.009); },
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1995, 1, 1)); f.setT1("45350", 0.009); }, 0},
    {"26 training credit too old", "Canada traing credit (Field 45350) cannot be claimed if tax payer's age is not between 26 and 65.",
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1955, 1, 1)); f.setT1("45350", 10); },
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1955, 1, 1)); f.setT1("45350", 0.008); }, 0},
    {"27 training credit newcomer", "Canada traing credit (Field 45350) cannot be claimed by a new immigrant tax payer.",
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 3, 1)); f.setT1("45350", 10); },
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 1, 1)); f.setT1("45350", 10); }, 0},
    {"28 T778 higher income wrongly ticked", "The chekbox selection for who has higher net income in form T778 is wrongfully selected.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.setT1("23600", 100); f.setT1("spouse_net_income", 100.009); f.set(f.add(13), "is_higher_net_income", 1); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.setT1("23600", 100); f.setT1("spouse_net_income", 100.008); f.set(f.add(13), "is_higher_net_income", 1); }, 13},
    {"28 T778 higher income not ticked", "The chekbox selection for who has higher net income in form T778 is wrongfully selected.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.setT1("23600", 100.009); f.setT1("spouse_net_income", 100); f.add(13); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.setT1("23600", 100.009); f.setT1("spouse_net_income", 100); f.set(f.add(13), "spouse_income_not_applicable", 1); }, 0},
};

// Rule 22 needs a Quebec return: its own case below.

// ---- Rules 30 to 50.
const RuleCase kInvestmentCases[] = {
    {"30 T1170 without Schedule 3", "Please add form federal Schedule 3 to your tax return when you have form T1170 in tax return already.",
     [](Fixture& f) { f.add(113); },
     [](Fixture& f) { f.add(113); f.add(4); }, 113},
    {"31 33700 without gains", "You entered an amount in line 33700 of Schedule 9, please enter the related entry in schedule 3.",
     [](Fixture& f) { f.set(f.add(9), "33700", 0.009); f.add(4); },
     [](Fixture& f) { f.set(f.add(9), "33700", 0.009); f.set(f.add(4), "15900", 0.009); }, 9},
    {"32 33900 without gains", "You entered an amount in line 33900 of Schedule 9, please enter the related fields in schedule 3.",
     [](Fixture& f) { f.set(f.add(9), "33900", 0.009); },
     [](Fixture& f) { f.set(f.add(9), "33900", 0.008); }, 9},
    {"33 self-employed without Schedule 8", "Schedule 8 should be included in the tax return if field 122, 135, 137, 139, 141 or 143 of T1 is claimed.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.setT1("13500", 0.009); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.setT1("13500", 0.008); }, 0},
    {"34 self-employed without RC381", "Form RC381 is needed since field 12200, 13500, 13700, 13900, 14100 or 14300 of T1 is claimed.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.setT1("12200", 0.009); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.setT1("12200", 0.009); f.set(f.t1, "is_bankrupt", 1); }, 0},
    {"35 T1212 line 4", "50 percent of Line 4 in form T1212 can be claimed on Line 249 in section Taxable income of form T1.",
     [](Fixture& f) { f.setT1("24900", 50); f.set(f.add(18), "65210", 100.018); f.set(f.add(4), "13200", 1); },
     [](Fixture& f) { f.setT1("24900", 50); f.set(f.add(18), "65210", 100.016); f.set(f.add(4), "13200", 1); }, 18},
    {"36 T1212 without line 13200", "Field 65210 in form T1212 requires an entry at field 13200 of Schedule 3.",
     [](Fixture& f) { f.setT1("24900", 50); f.set(f.add(18), "65210", 0.009); f.add(4); },
     [](Fixture& f) { f.setT1("24900", 50); f.set(f.add(18), "65210", 0.009); f.set(f.add(4), "13199", 0.009); }, 18},
    {"37 supporting 68080", "The supporting field 68080 is claimed for field 23200 of T1, or in form T5013, T1163, and T2042. Please also enter the full amount of field 6808 in form T936.",
     [](Fixture& f) { f.setT1("23200", 1); f.setT1("68080", 10.009); f.set(f.add(32), "68080", 10); },
     [](Fixture& f) { f.setT1("23200", 1); f.setT1("68080", 10.008); f.set(f.add(32), "68080", 10); }, 32},
    {"38 supporting 68100", "The supporting field 68100 is claimed for line 13000, 25100 of form T1, or for box 26 of T3 tax slip, or box 24, 28 of T4A tax slip, or in form T5013, T1163, and T2042. Please also enter the full amount of field 68100 in form T936.",
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68100", 0.009); f.add(32); },
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68100", 0.008); f.add(32); }, 0},
    {"39 supporting 68110", "The supporting field 68110 is claimed for line 13000 of form T1, or for box 28 of T4A slip. Please also enter the full amount of field 68110 in form T936.",
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68110", 5.009); f.set(f.add(32), "68110", 5); },
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68110", 5.008); f.set(f.add(32), "68110", 5); }, 32},
    {"40 68140 without Schedule 3", "Field 68140 of form T936 needs an amount in field 17600 of Schedule 3.",
     [](Fixture& f) { f.set(f.add(32), "68140", 0.009); },
     [](Fixture& f) { f.set(f.add(32), "68140", 0.008); }, 32},
    {"41 supporting 68150", "The supporting field 68150 is claimed for box 21 of T3 tax slip. Please also enter the full amount of field 68150 in form T936.",
     [](Fixture& f) { f.setT1("68150", 2.0095); f.set(f.add(32), "68150", 2); f.set(f.add(4), "17600", 5); },
     [](Fixture& f) { f.setT1("68150", 2.0085); f.set(f.add(32), "68150", 2); f.set(f.add(4), "17600", 5); }, 32},
    {"42 supporting CNIL without T936", "Please include form T936 in the tax return since supporting field 68100/68110 is claimed for line 13000 of T1.",
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68110", -0.009); },
     [](Fixture& f) { f.setT1("13000", 1); f.setT1("68110", -0.008); }, 0},
    {"43 T2091 without Schedule 3", "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.",
     [](Fixture& f) { f.add(160); },
     [](Fixture&) {}, 0},
    {"44 17600 over 68140", "Field 17600 of Schedule 3 requires a greater amount in field 68140 of Form T936.",
     [](Fixture& f) { f.set(f.add(4), "17600", 10.009); f.set(f.add(32), "68140", 10); },
     [](Fixture& f) { f.set(f.add(4), "17600", 10.008); f.set(f.add(32), "68140", 10); }, 4},
    // Line 17900 as the 2021 schedule has it: each box is ticked with at
    // least one T2091(IND), and one per disposition the schedule lists.
    {"45 box 1 needs a T2091", "Box 1 of field 17900 of Schedule 3 is ticked: add Form T2091(IND) to the tax return.",
     [](Fixture& f) { f.set(f.add(4), "17900", 1); },
     [](Fixture& f) { f.set(f.add(4), "17900", 1); f.add(147); }, 4},
    {"45 box 2 with one home sold", "Box 2 of field 17900 of Schedule 3 is ticked: add Form T2091(IND) to the tax return.",
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 2); f.set(s, "principal_residence.1.description", "12 Main St"); },
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 2); f.set(s, "principal_residence.1.description", "12 Main St"); f.add(147); }, 4},
    {"45 box 3 with one T2091 of either type", "Box 3 of field 17900 of Schedule 3 is ticked: add Form T2091(IND) to the tax return.",
     [](Fixture& f) { f.set(f.add(4), "17900", 3); },
     [](Fixture& f) { f.set(f.add(4), "17900", 3); f.add(160); }, 4},
    {"45 no box expects none", "Form T2091 is in the return, make sure field 17900 of Schedule 3 is properly answered.",
     [](Fixture& f) { f.add(4); f.add(160); },
     [](Fixture& f) { f.add(4); }, 0},
    {"45 one T2091 per listed disposition", "Schedule 3 lists 2 principal residence dispositions at field 17900: add one Form T2091(IND) for each one (the tax return holds 1).",
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 2); f.set(s, "principal_residence.1.description", "12 Main St"); f.set(s, "principal_residence.3.proceeds", 0.009); f.add(160); },
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 2); f.set(s, "principal_residence.1.description", "12 Main St"); f.set(s, "principal_residence.3.proceeds", 0.008); f.add(160); }, 4},
    {"45 a year alone fills a row", "Schedule 3 lists 2 principal residence dispositions at field 17900: add one Form T2091(IND) for each one (the tax return holds 0).",
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 1); f.set(s, "principal_residence.1.description", "  x "); f.set(s, "principal_residence.2.year_of_acquisition", 2004); },
     [](Fixture& f) { CTaxData_Form* s = f.add(4); f.set(s, "17900", 1); f.set(s, "principal_residence.1.description", "   "); f.set(s, "principal_residence.2.year_of_acquisition", 2004); f.add(147); }, 4},
    {"46 68080 without income", "Field 68080, in form T936 or reported as supporting field, requires an entry at field 14100, 14300 or 23200 of form T1.",
     [](Fixture& f) { f.set(f.add(32), "68080", 0.009); f.setT1("68080", 0.009); },
     [](Fixture& f) { f.set(f.add(32), "68080", 0.009); f.setT1("68080", 0.009); f.setT1("14300", 0.009); }, 0},
    {"47 68100 without income", "Field 68100 in form T936 requires an entry of field 11400, 11500, 13000, 14100, 14300 or 25100 of form T1.",
     [](Fixture& f) { f.setT1("68100", 0.009); f.set(f.add(32), "68100", 0.009); },
     [](Fixture& f) { f.setT1("68100", 0.009); f.set(f.add(32), "68100", 0.009); f.setT1("25100", 0.009); }, 0},
    {"48 68110 without line 13000", "Field 68110 in form T936 can be claimed only when there is an amount at field 13000 of T1.",
     [](Fixture& f) { f.set(f.add(32), "68110", 0.009); f.setT1("68110", 0.009); },
     [](Fixture& f) { f.set(f.add(32), "68110", 0.009); f.setT1("68110", 0.009); f.setT1("13000", 0.009); }, 0},
    {"49 68150 without 17600", "Field 68150 in Chart A of form T936 can only be claimed if there is an entry at field 176 of Schedule 3.",
     [](Fixture& f) { f.set(f.add(32), "68150", 0.009); f.set(f.add(4), "17600", 0.008); },
     [](Fixture& f) { f.set(f.add(32), "68150", 0.008); f.add(4); }, 0},
    {"50 exempt income without T90", "Please add form [T90] into return to report tax-exempted income.",
     [](Fixture& f) { f.setT1("5365", 0.009); },
     [](Fixture& f) { f.setT1("5365", 0.008); }, 0},
};

// ---- Rules 51 to 62.
const RuleCase kBenefitAndRrspCases[] = {
    {"51 Schedule 6 under 19", "Schedule 6 can not be claimed because you were under age 19 in the tax year.",
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(2003, 1, 1)); CTaxData_Form* s = f.add(119); f.set(s, "claim_basic", 1); f.set(s, "claim_disability_supplement", 1); },
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(2002, 1, 1)); CTaxData_Form* s = f.add(119); f.set(s, "claim_basic", 1); f.set(s, "claim_disability_supplement", 1); }, 119},
    {"52 Schedule 6 newcomer", "Please remove Schedule 6 for CWB because the tax payer is an immigrant in tax year.",
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 12, 31)); f.add(119); },
     [](Fixture& f) { f.t1->setDate("date_of_entry", QDate(2021, 1, 1)); f.add(119); }, 119},
    {"53 Schedule 6 full-time student", "Remove Schedule 6 because Schedule 11 indicates that tax payer attended school full time for more than 3 months.",
     [](Fixture& f) { f.set(f.add(119), "claim_basic", 1); f.add(11); CTaxData_Form* s = f.slip(25); f.set(s, "payer_name", "College"); f.set(s, "25", 4); },
     [](Fixture& f) { f.set(f.add(119), "claim_basic", 1); f.add(11); CTaxData_Form* s = f.slip(25); f.set(s, "payer_name", "College"); f.set(s, "25", 3); }, 11},
    {"54 38105 unanswered", "Please answer, in field 38105 of Schedule 6, whether you want to include tax-exempt income into calculation.",
     [](Fixture& f) { f.set(f.add(119), "38107", 0.009); },
     [](Fixture& f) { CTaxData_Form* s = f.add(119); f.set(s, "38107", 0.009); f.set(s, "38105", 1); }, 119},
    {"55 38105 yes without amounts", "Field 38105 in schedule 6 requires at least an amount in field 10105/10000/10026/38107/38109.",
     [](Fixture& f) { f.set(f.add(119), "38105", 0); },
     [](Fixture& f) { CTaxData_Form* s = f.add(119); f.set(s, "38105", 0); f.set(s, "38109", 0.009); }, 119},
    {"56 Schedule 6 died before July", "Working Income Tax Benefit cannot be claimed because tax payer died before July 1st in the tax year. Remove form Schedule 6.",
     [](Fixture& f) { f.t1->setDate("date_of_death", QDate(2021, 6, 30)); f.add(119); },
     [](Fixture& f) { f.t1->setDate("date_of_death", QDate(2021, 7, 1)); f.add(119); }, 119},
    {"57 24640 over the incomes", "Field 24640 in Schedule 7 cannot be greater than the total of fields 11500, 12900 and 13000 of T1.",
     [](Fixture& f) { f.setT1("11500", 50); f.setT1("13000", -20); f.set(f.add(7), "transfers", 50.009); },
     [](Fixture& f) { f.setT1("11500", 50); f.setT1("13000", -20); f.set(f.add(7), "transfers", 50.008); }, 7},
    {"58 over 71 contributes", "Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.",
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1949, 1, 1)); f.set(f.add(7), "contributions.1.amount_2022", 0.009); },
     [](Fixture& f) { f.t1->setDate("birth_date", QDate(1950, 1, 1)); f.set(f.add(7), "contributions.1.amount_2022", 0.009); }, 7},
    {"59 spousal contribution without a spouse", "You entered spouse RRSP amount, however, your marital status is not married or common-law.",
     [](Fixture& f) { CTaxData_Form* s = f.add(7); f.set(s, "contributions.2.spousal", 1); f.set(s, "contributions.2.amount_2021", 0.009); },
     [](Fixture& f) { CTaxData_Form* s = f.add(7); f.set(s, "contributions.2.spousal", 1); f.set(s, "contributions.2.amount_2021", 0.008); }, 7},
    {"60 spouse over 71", "Tax payer who aged over 71 in the tax year can NOT have a RRSP contribution.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.t1->setDate("spouse_birth_date", QDate(1949, 6, 1)); CTaxData_Form* s = f.add(7); f.set(s, "contributions.1.spousal", 1); f.set(s, "contributions.1.amount_2021", 10); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.t1->setDate("spouse_birth_date", QDate(1949, 6, 1)); CTaxData_Form* s = f.add(7); f.set(s, "contributions.1.amount_2021", 10); }, 7},
    {"61 HBP repayment short", "RRSP HBP repayment doesn't meet the minimum requirement according to last year assessment.",
     [](Fixture& f) { f.setT1("min_hbp_repayment", 1000.009); f.setT1("12900_hbp", 400); f.set(f.add(7), "24600", 600); },
     [](Fixture& f) { f.setT1("min_hbp_repayment", 1000.008); f.setT1("12900_hbp", 400); f.set(f.add(7), "24600", 600); }, 0},
    {"62 LLP repayment short", "RRSP LLP repayment doesn't meet the minimum requirement according to last year assessment.",
     [](Fixture& f) { f.setT1("min_llp_repayment", 0.009); },
     [](Fixture& f) { f.setT1("min_llp_repayment", 0.008); }, 0},
};

// ---- Rules 63 to 79.
const RuleCase kCppSplitCases[] = {
    {"63 CPT20 with RC381 elected and revoked", "Please remove form CPT20.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.set(f.add(57), "elected_earnings", 100); CTaxData_Form* r = f.add(148); f.set(r, "is_elected", 1); f.set(r, "election_status", 3); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.set(f.add(57), "elected_earnings", 100); CTaxData_Form* r = f.add(148); f.set(r, "is_elected", 1); f.set(r, "election_status", 1); f.set(r, "elected_amount", 0.009); }, 57},
    {"63 CPT20 with RC381 nothing due", "Please remove form CPT20.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.set(f.add(57), "elected_earnings", 100); f.set(f.add(148), "under_deduction", 0.008); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 2); f.set(f.add(57), "elected_earnings", 100); f.set(f.add(148), "under_deduction", 0.009); }, 148},
    {"63 CPT20 with Schedule 8 nothing due", "Please remove form CPT20.",
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.set(f.add(57), "elected_earnings", 100); f.set(f.add(150), "contributions_required", 0.008); },
     [](Fixture& f) { f.setT1("cpp_form_kind", 1); f.set(f.add(57), "elected_earnings", 100); f.set(f.add(150), "contributions_required", 0.009); }, 150},
    {"64 RC383 over T90", "The total of Field 58750 and 58810 from RC383 cannot be greater than the field 10000 of form T90.",
     [](Fixture& f) { CTaxData_Form* r = f.add(149); f.set(r, "58750", 50); f.set(r, "58810", 50.009); f.set(f.add(171), "10000", 100); },
     [](Fixture& f) { CTaxData_Form* r = f.add(149); f.set(r, "58750", 50); f.set(r, "58810", 50.008); f.set(f.add(171), "10000", 100); }, 149},
    {"65 T2017 66844", "There should be an amount in field 11000 of schedule 3 since field 66844 is greater than field 66843.",
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66843", 10); f.set(t, "66844", 10.009); },
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66843", 10); f.set(t, "66844", 10.008); }, 37},
    {"66 T2017 66850 without 10700", "There should be an amount in field 10700 of schedule 3 since field 66850 is greater than field 66883 in form T2017.",
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66850", 0.009); },
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66850", 0.009); f.set(f.add(4), "10700", 0.009); }, 37},
    {"67 T2017 66905 missing", "There should be an amount in field 66905 of form T2017.",
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66883", 10); f.set(t, "66850", 10.009); },
     [](Fixture& f) { CTaxData_Form* t = f.add(37); f.set(t, "66883", 10); f.set(t, "66850", 10.009); f.set(t, "66905", 0.009); }, 37},
    {"68 bankrupt study months", "Number of months in form Schedule 11 can NOT be more than the pre-bankrupt months in the tax year.",
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.t1->setDate("date_of_bankruptcy", QDate(2021, 3, 1)); f.add(11); CTaxData_Form* s = f.slip(25); f.set(s, "payer_name", "College"); f.set(s, "24", 3); },
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.t1->setDate("date_of_bankruptcy", QDate(2021, 3, 2)); f.add(11); CTaxData_Form* s = f.slip(25); f.set(s, "payer_name", "College"); f.set(s, "24", 3); }, 11},
    {"69 post-bankrupt T2222 days", "Number of days in form T2222 can NOT be greater than the pre-bankrupt days in the tax year.",
     [](Fixture& f) { f.setT1("post_bankrupt", 0); f.set(f.add(49), "zone_b_days", 1); },
     [](Fixture& f) { f.setT1("post_bankrupt", 1); f.set(f.add(49), "zone_b_days", 1); }, 49},
    {"70 bankrupt HBP", "Pre-bankrupt tax return cannot claim HBP repayment or LLP repayment amount at field 12900 on page 2 of T1.",
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.setT1("12900_llp", 0.009); },
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.setT1("12900_hbp", 0.008); }, 0},
    {"71 bankrupt Schedule 6", "Pre-bankrupt tax return cannot claim Working Income Tax Benefit. Please remove tax form Schedule 6.",
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.add(119); },
     [](Fixture& f) { f.add(119); }, 119},
    {"72 bankrupt Schedule 7 LLP", "Pre-bankrupt tax return cannot claim HBP repayment at field 24600 or LLP repayment at field 24620 in Schedule 7.",
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.set(f.add(7), "26200", 0.009); },
     [](Fixture& f) { f.setT1("is_bankrupt", 1); f.set(f.add(7), "26200", 0.008); }, 7},
    {"73 T1032 without a spouse", "Please remove T1032 of Split Pension Income, or confirm a separation with spouse for less than 90 days in the tax year on page 1 of T1.",
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130692544"); f.add(118); },
     [](Fixture& f) { f.set(f.t1, "spouse_sin", "130692544"); f.setT1("marital_status", MARITAL_MARRIED); f.add(118); }, 118},
    {"74 T1032 spouse S.I.N.", "Please enter spouse social insurance number on page 1 of T1 as required by form T1032.",
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.set(f.t1, "spouse_sin", "130692545"); f.add(118); },
     [](Fixture& f) { f.setT1("marital_status", MARITAL_MARRIED); f.set(f.t1, "spouse_sin", "130 692 544"); f.add(118); }, 118},
    {"75 T1032 68026", "Field 68026 of form T1032 cannot be greater than field 13000 of T1.",
     [](Fixture& f) { f.setT1("13000", 10); CTaxData_Form* t = f.add(118); f.set(t, "is_transferor", 1); f.set(t, "68026", 10.009); },
     [](Fixture& f) { f.setT1("13000", 10); CTaxData_Form* t = f.add(118); f.set(t, "is_transferor", 1); f.set(t, "68026", 10.008); }, 118},
    {"76 T1032 tax deducted", "Field 43700 of T1 cannot be less than Field 68040 minus Field 68050 of form T1032.",
     [](Fixture& f) { f.setT1("43700", 100); CTaxData_Form* t = f.add(118); f.set(t, "is_transferor", 1); f.set(t, "68040", 150.0095); f.set(t, "68050", 50); },
     [](Fixture& f) { f.setT1("43700", 100); CTaxData_Form* t = f.add(118); f.set(t, "68040", 150.0095); f.set(t, "68050", 50); }, 118},
    {"77 T1206 68330", "Field 68330 in form T1206 can NOT be greater than field 12000 of T1.",
     [](Fixture& f) { f.setT1("12000", 10); f.set(f.add(29), "68330", 10.009); },
     [](Fixture& f) { f.setT1("12000", 10); f.set(f.add(29), "68330", 10.008); }, 29},
    {"78 T1206 68340", "Field 68340 in form T1206 can NOT be greater than field 12010 of T1.",
     [](Fixture& f) { f.set(f.add(29), "68340", 0.009); },
     [](Fixture& f) { f.set(f.add(29), "68340", 0.008); }, 29},
    {"79 T1206 68360", "Field 68360 of form T1206 cannot be greater than field 23200 of T1.",
     [](Fixture& f) { f.setT1("23200", 1); f.set(f.add(29), "68360", 1.0095); },
     [](Fixture& f) { f.setT1("23200", 1); f.set(f.add(29), "68360", 1.0085); }, 29},
};

// ---- Rules 80 to 101.
const RuleCase kMinimumTaxAndBusinessCases[] = {
    {"80 supporting 67820", "Claiming supporting field 67820 requires an amount at field 22100 or 23200 of form T1.",
     [](Fixture& f) { f.setT1("67820", 0.009); },
     [](Fixture& f) { f.setT1("67820", 0.009); f.setT1("22100", 0.009); }, 0},
    {"81 supporting 67830", "Claiming supporting field 67830 requires an amount at line 12600 of T1.",
     [](Fixture& f) { f.setT1("67830", 0.009); },
     [](Fixture& f) { f.setT1("67830", 0.009); f.add(12); }, 0},
    {"82 supporting 67840", "Claiming supporting field 67840 requires an amount at line 12200, 22100 or 23200 of T1.",
     [](Fixture& f) { f.setT1("67840", -0.009); },
     [](Fixture& f) { f.setT1("67840", -0.009); f.setT1("12200", -0.009); }, 0},
    {"83 supporting 67860", "Claiming supporting field 67860 requires an amount at line 22100, 22400 or 23200 of T1.",
     [](Fixture& f) { f.setT1("67860", 0.009); },
     [](Fixture& f) { f.setT1("67860", 0.008); }, 0},
    {"84 T691 6782", "Field 67820 of form T691 requires an entry at field 22100 or 23200 of T1.",
     [](Fixture& f) { f.set(f.add(31), "67820", 0.009); },
     [](Fixture& f) { f.set(f.add(31), "67820", 0.009); f.setT1("23200", 0.009); }, 31},
    {"85 T691 6783", "You cannot enter an amount at line 6783 in T691 while there is no amount claimed at line 126 in T1.",
     [](Fixture& f) { f.set(f.add(31), "67830", 0.009); },
     [](Fixture& f) { f.set(f.add(31), "67830", 0.009); f.add(12); }, 31},
    {"86 T691 6784", "You cannot enter an amount at line 6784 in T691 while there is no amount claimed at line 122, 221 or 232 in T1.",
     [](Fixture& f) { f.set(f.add(31), "67840", 0.009); },
     [](Fixture& f) { f.set(f.add(31), "67840", 0.008); }, 31},
    {"87 T691 6786", "You cannot enter an amount at line 6786 in T691 while there is no amount claimed at line 221, 224 or 232 in T1.",
     [](Fixture& f) { f.set(f.add(31), "67860", 0.009); },
     [](Fixture& f) { f.set(f.add(31), "67860", 0.009); f.setT1("22400", 0.009); }, 31},
    {"88 T691 short of 67820", "Supporting field 67820 for field 22100 or 23200 of T1 is entered, however the full amount of field 6782 is NOT entered in Alternative Minimum Tax form T691.",
     [](Fixture& f) { f.setT1("22100", 1); f.setT1("67820", 5.009); f.set(f.add(31), "67820", 5); },
     [](Fixture& f) { f.setT1("22100", 1); f.setT1("67820", 5.008); f.set(f.add(31), "67820", 5); }, 31},
    {"89 T691 short of 67830", "Supporting field 67830 for field 12600 of T1 is entered, however the full amount of field 6783 is NOT entered in Alternative Minimum Tax form T691.",
     [](Fixture& f) { f.setT1("67830", 0.009); f.add(31); },
     [](Fixture& f) { f.setT1("67830", 0.008); f.add(31); }, 31},
    {"90 T691 short of 67840", "Supporting field 67840 for field 12200, 22100 or 23200 of T1 is entered, however the full amount of field 6784 is NOT entered in Alternative Minimum Tax form T691.",
     [](Fixture& f) { f.setT1("67840", 0.009); f.add(31); },
     [](Fixture& f) { f.setT1("67840", 0.008); f.add(31); }, 31},
    {"91 T691 short of 67860", "Supporting field 6786 for field 221, 224 or 232 is entered in T1 return, however the full amount of field 6786 is NOT entered in Alternative Minimum Tax form T691.",
     [](Fixture& f) { f.setT1("67860", 0.009); f.add(31); },
     [](Fixture& f) { f.setT1("67860", 0.008); f.add(31); }, 31},
    {"92 T1172 over 13000", "Field 68270 and field 68280 in form T1172 cannot be greater than field 13000 of T1.",
     [](Fixture& f) { CTaxData_Form* t = f.add(17); f.set(t, "68270", 0.005); f.set(t, "68280", 0.004); },
     [](Fixture& f) { CTaxData_Form* t = f.add(17); f.set(t, "68270", 0.004); f.set(t, "68280", 0.004); }, 17},
    {"93 T5004 short of 67650", "The supporting field 67650 is claimed for box 11 of T5003 slip, or for field 22400, 23200 of form T1, or in form T5013, T776, T1163, T2042, T2124, T2121. Please also enter the full amount of field 6765 in form T5004.",
     [](Fixture& f) { f.setT1("67650", 0.009); f.add(55); },
     [](Fixture& f) { f.setT1("67650", 0.009); f.set(f.add(55), "67650", 0.009); }, 55},
    {"94 T4F tax without 5345", "You reported income tax deducted in T4F tax slip, however, you didn't enter box 14 of the T4F slip as supporting field 5345 income with tax withheld at the bottom on page 1 of form T2121.",
     [](Fixture& f) { f.add(51); f.add(51); CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Fish Co"); f.set(s, "marker", 1); f.set(s, "22", 0.01); },
     [](Fixture& f) { f.set(f.add(51), "5345", 0.009); CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Fish Co"); f.set(s, "marker", 1); f.set(s, "22", 0.01); }, 0},
    {"95 fishing T4 without T2121", "You added fishing related T4 slip in tax return, you also need to add form T2121 to report the details of fishing activity.",
     [](Fixture& f) { f.setT1("fishing_t4_slip", 0); },
     [](Fixture& f) { f.setT1("fishing_t4_slip", 0); f.add(51); }, 0},
    {"96 T929 without disability amount", "Form T929 can be included in the tax return only when disability amount is claimed on field 316 of Schedule 1.",
     [](Fixture& f) { f.add(14); },
     [](Fixture& f) { f.add(14); f.setT1("31600", 0.009); }, 14},
    {"97 T777 without line 22900", "Please remove form T777/T777S or TL2 from the tax return, because there is no work expense claimed on line 22900 of T1.",
     [](Fixture& f) { f.add(179); },
     [](Fixture& f) { f.add(179); f.setT1("22900", 0.009); }, 0},
    {"98 farm in another province", "The province of main farmstead is not same as residence province on Dec. 31.",
     [](Fixture& f) { f.set(f.add(15), "farm_province", 1); },
     [](Fixture& f) { f.set(f.add(15), "farm_province", 9); }, 0},
    {"99 placement agency without T4", "There is no [T4] tax slip in the return.",
     [](Fixture& f) { f.set(f.add(131), "has_placement_agency_income", 1); },
     [](Fixture& f) { f.set(f.add(131), "has_placement_agency_income", 1); f.set(f.slip(1), "payer_name", "Agency"); }, 0},
    {"100 placement income without business", "You claimed placement agency income in T4 slip; however, you didn't report the income in any self-employment business form.",
     [](Fixture& f) { CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Agency"); f.set(s, "81", 0.009); },
     [](Fixture& f) { CTaxData_Form* s = f.slip(1); f.set(s, "payer_name", "Agency"); f.set(s, "81", 0.008); }, 0},
    {"101 T1204 without T2125", "Tax form T2125 is needed because tax slip T1204 is entered into tax return.",
     [](Fixture& f) { f.set(f.slip(23), "payer_name", "Ministry"); },
     [](Fixture& f) { f.set(f.slip(23), "payer_name", "Ministry"); f.add(125); }, 0},
};

} // namespace

class ReturnRulesTest : public QObject
{
    Q_OBJECT

private:
    void addRows(const RuleCase* cases, int count)
    {
        QTest::addColumn<QByteArray>("caseName");
        QTest::addColumn<int>("mode");
        for (int i = 0; i < count; ++i)
            for (int mode : {1, 2})
                QTest::newRow(QByteArray(cases[i].name).append(mode == 1 ? " EFILE" : " NETFILE").constData())
                    << QByteArray(cases[i].name) << mode;
    }
    void checkCase(const RuleCase* cases, int count);

private slots:
    void init()
    {
        filingSettings() = FilingSettings();
        filingSettings().EfilerId = "ABCDE";
        filingSettings().EfilerPassword = "1234567";
    }
    void slipAndIdentityRules_data() { addRows(kSlipAndIdentityCases, int(std::size(kSlipAndIdentityCases))); }
    void slipAndIdentityRules() { checkCase(kSlipAndIdentityCases, int(std::size(kSlipAndIdentityCases))); }
    void creditRules_data() { addRows(kCreditCases, int(std::size(kCreditCases))); }
    void creditRules() { checkCase(kCreditCases, int(std::size(kCreditCases))); }
    void investmentRules_data() { addRows(kInvestmentCases, int(std::size(kInvestmentCases))); }
    void investmentRules() { checkCase(kInvestmentCases, int(std::size(kInvestmentCases))); }
    void benefitAndRrspRules_data() { addRows(kBenefitAndRrspCases, int(std::size(kBenefitAndRrspCases))); }
    void benefitAndRrspRules() { checkCase(kBenefitAndRrspCases, int(std::size(kBenefitAndRrspCases))); }
    void cppAndSplitRules_data() { addRows(kCppSplitCases, int(std::size(kCppSplitCases))); }
    void cppAndSplitRules() { checkCase(kCppSplitCases, int(std::size(kCppSplitCases))); }
    void minimumTaxAndBusinessRules_data()
    {
        addRows(kMinimumTaxAndBusinessCases, int(std::size(kMinimumTaxAndBusinessCases)));
    }
    void minimumTaxAndBusinessRules()
    {
        checkCase(kMinimumTaxAndBusinessCases, int(std::size(kMinimumTaxAndBusinessCases)));
    }
    void quebecTransferIsFortyFivePercent_data();
    void quebecTransferIsFortyFivePercent();
    void efileRules_data();
    void efileRules();
    void slipShareMessagesOncePerKind();
    void pensionAmountAfterSplitting_data();
    void pensionAmountAfterSplitting();
    void pensionAmountOnSpousalPlanIncome_data();
    void pensionAmountOnSpousalPlanIncome();
    void everyFieldTheRulesReadExists();
};

void ReturnRulesTest::checkCase(const RuleCase* cases, int count)
{
    QFETCH(QByteArray, caseName);
    QFETCH(int, mode);
    const RuleCase* c = findCase(cases, count, caseName);
    QVERIFY(c);
    const QString text = QString::fromUtf8(c->text);
    {
        Fixture f;
        c->fire(f);
        QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
        QCOMPARE(returnMessages(f.person, quint8(mode)).count(text), 1);
        if (c->duplicate) {
            f.add(c->duplicate);
            QCOMPARE(returnMessages(f.person, quint8(mode)).count(text), 0);
        }
    }
    {
        Fixture f;
        c->silent(f);
        QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
        QCOMPARE(returnMessages(f.person, quint8(mode)).count(text), 0);
    }
}

void ReturnRulesTest::quebecTransferIsFortyFivePercent_data()
{
    QTest::addColumn<double>("line43800");
    QTest::addColumn<int>("expected");
    // 45% of 1,000 deducted outside Quebec is 450.
    QTest::newRow("at the share") << 450.008 << 0;
    QTest::newRow("over the share") << 450.009 << 1;
}

void ReturnRulesTest::quebecTransferIsFortyFivePercent()
{
    QFETCH(double, line43800);
    QFETCH(int, expected);
    Fixture f(PROV_QC);
    CTaxData_Form* t4 = f.slip(1);
    f.set(t4, "payer_name", "Acme");
    f.set(t4, "province_of_employment", PROV_ON);
    f.set(t4, "22", 1000.0);
    f.setT1("43800", line43800);
    QVERIFY(f.unknownFields.isEmpty());
    const QString text = "Line 438 on page 4 of T1 cannot exceed 45 percent of the income tax deducted on Non-Quebec T4 slips.";
    for (quint8 mode : {1, 2}) QCOMPARE(returnMessages(f.person, mode).count(text), expected);
}

void ReturnRulesTest::efileRules_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("withT183");
    QTest::addColumn<QStringList>("expected");
    const QString t183 = "Add form T183 - Information Return of Electronic Filing, to the tax return.";
    const QString e1 = "EFILER ID is missing or invalid in preference settings by menu Start | Preference.";
    const QString e2 = "EFILER password is missing or invalid in preference settings by menu Start | Preference.";
    QTest::newRow("complete") << "ABCDE" << "1234567" << true << QStringList();
    QTest::newRow("blanks around the id") << " ABCDE " << " 1234567 " << true << QStringList();
    QTest::newRow("six characters") << "ABCDEF" << "12345678" << true << QStringList{e1, e2};
    QTest::newRow("empty") << "" << "" << false << QStringList{t183, e1, e2};
}

void ReturnRulesTest::efileRules()
{
    QFETCH(QString, id);
    QFETCH(QString, password);
    QFETCH(bool, withT183);
    QFETCH(QStringList, expected);
    filingSettings().EfilerId = CString(id);
    filingSettings().EfilerPassword = CString(password);
    Fixture f;
    if (withT183) f.add(96);
    QCOMPARE(returnMessages(f.person, 1), expected);
    QCOMPARE(returnMessages(f.person, 2), QStringList());   // NETFILE asks none of them
    if (withT183) {
        f.add(96);   // two T183s count as none
        QVERIFY(returnMessages(f.person, 1).contains(
            "Add form T183 - Information Return of Electronic Filing, to the tax return."));
    }
}

void ReturnRulesTest::slipShareMessagesOncePerKind()
{
    const QString t3 = "There is a T3 slip which has sharing percentage set to 0. Please correct the sharing percentage or remove the T3 slip.";
    const QString t5 = "There is a T5 slip which has sharing percentage set to 0. Please correct the sharing percentage or remove the T5 slip.";
    {
        Fixture f;
        f.set(f.slip(9), "share_percent", 0.0);
        f.set(f.slip(8), "share_percent", 0.0);
        QCOMPARE(returnMessages(f.person, 2), (QStringList{t3, t5}));
    }
    {
        Fixture f;
        f.set(f.slip(9), "share_percent", 0.0);
        f.set(f.slip(9), "share_percent", 0.0);
        QCOMPARE(returnMessages(f.person, 2), QStringList{t3});
    }
    {
        // Each T5013 slip without its identifiers says so.
        Fixture f;
        f.slip(13);
        f.slip(13);
        f.set(f.slip(13), "partnership_account_number", "123456789");
        const QString t5013 = "Please complete partnership ID and/or tax shelter ID in T5013 slip.";
        QCOMPARE(returnMessages(f.person, 2), (QStringList{t5013, t5013}));
    }
}

void ReturnRulesTest::pensionAmountAfterSplitting_data()
{
    QTest::addColumn<int>("birthYear");
    QTest::addColumn<double>("pension");       // line 11500
    QTest::addColumn<double>("split");         // the T1032's elected split, 0: no T1032
    QTest::addColumn<double>("ineligible");    // pension income that does not qualify under 65
    QTest::addColumn<double>("amount");        // line 31400
    QTest::addColumn<int>("expected");
    // The pensioner who splits deducts the split at line 21000: what is left
    // of line 11500 is counted once, not twice.
    QTest::newRow("65 or older splits half") << 1952 << 40000.0 << 20000.0 << 0.0 << 2000.0 << 0;
    QTest::newRow("65 or older splits nearly all") << 1952 << 4000.0 << 2000.0 << 0.0 << 2000.0 << 0;
    QTest::newRow("65 or older, more than is left") << 1952 << 4000.0 << 2000.0 << 0.0 << 2000.009 << 1;
    // Under 65, annuities that do not qualify give no pension amount.
    QTest::newRow("under 65, within what qualifies") << 1980 << 10000.0 << 0.0 << 8000.0 << 2000.0 << 0;
    QTest::newRow("under 65, beyond what qualifies") << 1980 << 10000.0 << 0.0 << 8000.0 << 2000.009 << 1;
}

void ReturnRulesTest::pensionAmountOnSpousalPlanIncome_data()
{
    QTest::addColumn<int>("birthYear");
    QTest::addColumn<QString>("line");
    QTest::addColumn<double>("amount");
    QTest::addColumn<int>("expected");
    // RRIF income from a spousal plan that the contributor reports (T2205)
    // is pension income of the contributor, on no line of its own.
    QTest::newRow("65 or older") << 1950 << "spousal_plan_pension_65_or_over" << 1500.0 << 0;
    QTest::newRow("65 or older, more than the income") << 1950 << "spousal_plan_pension_65_or_over" << 1500.009 << 1;
    QTest::newRow("under 65") << 1960 << "spousal_plan_pension_under_65" << 1500.0 << 0;
    QTest::newRow("under 65, more than the income") << 1960 << "spousal_plan_pension_under_65" << 1500.009 << 1;
}

void ReturnRulesTest::pensionAmountOnSpousalPlanIncome()
{
    QFETCH(int, birthYear);
    QFETCH(QString, line);
    QFETCH(double, amount);
    QFETCH(int, expected);
    Fixture f;
    f.t1->setDate("birth_date", QDate(birthYear, 3, 14));
    f.setT1(line.toUtf8().constData(), 1500.0);
    f.setT1("31400", amount);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
    const QString text = "Field 31400 in Schedule 1 is too much according to other entries in tax return.";
    for (quint8 mode : {1, 2}) QCOMPARE(returnMessages(f.person, mode).count(text), expected);
}

void ReturnRulesTest::pensionAmountAfterSplitting()
{
    QFETCH(int, birthYear);
    QFETCH(double, pension);
    QFETCH(double, split);
    QFETCH(double, ineligible);
    QFETCH(double, amount);
    QFETCH(int, expected);
    Fixture f;
    f.t1->setDate("birth_date", QDate(birthYear, 3, 14));
    f.setT1("marital_status", MARITAL_MARRIED);
    f.set(f.t1, "spouse_sin", "130692544");
    f.setT1("11500", pension);
    f.setT1("pension_ineligible_under65", ineligible);
    if (split > 0) {
        CTaxData_Form* t1032 = f.add(118);
        f.set(t1032, "is_transferor", 1);
        f.set(t1032, "split_amount", split);
        f.setT1("21000", split);   // as the calculation leaves it for the pensioner
    }
    f.setT1("31400", amount);
    QVERIFY2(f.unknownFields.isEmpty(), qPrintable(f.unknownFields.join(',')));
    const QString text = "Field 31400 in Schedule 1 is too much according to other entries in tax return.";
    for (quint8 mode : {1, 2}) QCOMPARE(returnMessages(f.person, mode).count(text), expected);
}

void ReturnRulesTest::everyFieldTheRulesReadExists()
{
    // Every group above ran its rules on the forms they name: a rule that
    // reads a field its form lacks would read 0 and be counted here.
    QCOMPARE(missingFieldReads(), 0);
}

QTEST_GUILESS_MAIN(ReturnRulesTest)
#include "tst_returnrules.moc"
