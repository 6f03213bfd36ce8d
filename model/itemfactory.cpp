#include "itemfactory.h"

#include "federalforms.h"
#include "formclasses.h"
#include "schedules.h"
#include "slips.h"
#include "statements.h"
#include "summaryforms.h"
#include "t1.h"
#include "wizards.h"

CTaxData_Form* AllocFedFormData(ENUMTYPE_FORM type)
{
    switch (type) {
    case 1: return new TaxData_T1New;
    case 2: return new TaxData_Sch1_Old;
    case 3: return new TaxData_Sch2;
    case 4: return new CTaxData_Schedule_3;
    case 5: return new TaxData_Sch4;
    case 6: return new TaxData_Sch5;
    case 7: return new TaxData_Sch7;
    case 8: return new TaxData_Sch8;
    case 9: return new TaxData_Sch9;
    case 11: return new TaxData_Sch11;
    case 12: return new CTaxData_T776;
    case 13: return new TaxData_T778New;
    case 14: return new TaxData_T929New;
    case 15: return new CTaxData_T1163;
    case 17: return new TaxData_T1172New;
    case 18: return new TaxData_T1212New;
    case 20: return new TaxData_T2038New;
    case 21: return new CTaxData_T2042;
    case 23: return new TaxData_T2204_New;
    case 28: return new CTaxData_GST370;
    case 29: return new TaxData_T1206New;
    case 30: return new TaxData_T626_New;
    case 31: return new TaxData_T691New;
    case 32: return new TaxData_T936New;
    case 35: return new TaxData_T2209_2036;
    case 37: return new TaxData_T2017New;
    case 38: return new CTaxData_T5013;
    case 39: return new TaxData_T1ANew;
    case 40: return new TaxData_T657New;
    case 49: return new CTaxData_T2222;
    case 51: return new CTaxData_T2121;
    case 52: return new CTaxData_T1DD;
    case 53: return new CTaxData_RC71;
    case 55: return new CTaxData_T5004;
    case 57: return new TaxData_CPT20_New;
    case 59: return new TaxData_T777New;
    case 89: return new CTaxData_T1219;
    case 92: return new TaxData_TL2_New;
    case 93: case 159: case 165: return new TaxData_T1KSNew(type);
    case 96: return new TaxData_T183New;
    case 97: return new CTaxData_T1153;
    case 101: return new TaxData_T1135New;
    case 102: return new TaxData_T1MNew;
    case 103: return new CTaxData_T1223;
    case 105: return new TaxData_T746New;
    case 107: return new CTaxData_T1229;
    case 113: return new CTaxData_T1170;
    case 116: return new CTaxData_T1ADJ;
    case 117: return new TaxData_T1013New;
    case 118: return new TaxData_T1032_New;
    case 119: return new TaxData_Sch6;
    case 124: return new CTaxData_T2205;
    case 125: case 131: return new TaxData_T2125_New(type);
    case 136: return new TaxData_RC267New;
    case 137: return new TaxData_RC268New;
    case 138: return new TaxData_RC269;
    case 139: return new TaxData_Sch13;
    case 145: return new TaxData_RC359;
    case 147: case 160: return new TaxData_T2091(type);
    case 148: return new TaxData_RC381;
    case 149: return new TaxData_RC383;
    case 150: return new TaxData_Sch8_14;
    case 151: return new TaxData_Sch1A;
    case 156: return new TaxData_T2203;
    case 157: return new TaxData_Sch12_2016;
    case 161: return new TaxData_T1159;
    case 166: return new TaxData_Sch14;
    case 167: return new TaxData_SchA_B;
    case 168: return new TaxData_SchC;
    case 171: return new TaxData_T90;
    case 173: return new TaxData_T224;
    case 174: return new TaxData_T225;
    case 179: return new TaxData_T777Covid19;
    case 181: return new TaxData_T185;
    case 184: return new TaxData_RC59_e;
    case 185: return new TaxData_RC59X_e;
    case 186: return new TaxData_T1044;
    default: return nullptr;
    }
}

CTaxData_Form* AllocSlipData(ENUMTYPE_SLIP type)
{
    switch (type) {
    case 1: return new CSlipData_T4;
    case 2: return new TaxData_Slip_T4A;
    case 3: return new CSlipData_T4AP;
    case 4: return new TaxData_Slip_T4RSP;
    case 5: return new TaxData_Slip_T4E;
    case 6: return new CSlipData_T4AOAS;
    case 7: return new TaxData_Slip_T4RIF;
    case 8: return new TaxData_Slip_T5;
    case 9: return new TaxData_Slip_T3;
    case 10: return new CSlipData_T5003;
    case 11: return new CSlipData_T5007;
    case 13: return new TaxData_Slip_T5013;
    case 14: return new TaxData_Slip_T4PS;
    case 15: return new TaxData_Slip_T4ARCA;
    case 16: return new TaxData_Slip_T5006;
    case 17: return new TaxData_Slip_RC62;
    case 18: return new CSlipData_RC210;
    case 21: return new TaxData_Slip_MBShelterAssist;
    case 22: return new TaxData_Slip_PRPP;
    case 23: return new TaxData_Slip_T1204;
    case 24: return new TaxData_Slip_NR4;
    case 25: return new TaxData_Slip_T2202;
    default: return nullptr;   // 12, 19 and 20 have no slip class
    }
}

CTaxData_Form* AllocNoteData()
{
    return new TaxData_TaxNote;
}

CTaxData_Form* AllocWizData(ENUMTYPE_TAXWIZARD kind)
{
    switch (kind) {
    case 1: return new TaxData_Wizard_General;
    case 2: return new TaxData_LastYearAmounts;
    case 3: return new CWizData_Dependant;
    case 4: return new CWizData_MedExp;
    case 5: return new TaxData_RRSPContrib;
    default: return nullptr;
    }
}
