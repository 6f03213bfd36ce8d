#pragma once
// A name for every form, slip and interview type of the type tables, so that
// the code says FormType::Schedule2 or SlipType::T4 instead of a bare number.
// Each name is the type's short name in the tables without its spaces and
// punctuation; where two types share a short name, the name says which
// (T2125Commission, SummaryLastYear). The lists also drive the test that
// holds each name to its row.

#include "enumtypes.h"

#define QM_FORM_TYPES(X) \
    X(T1, 1) \
    X(Schedule1, 2) \
    X(Schedule2, 3) \
    X(Schedule3, 4) \
    X(Schedule4, 5) \
    X(Schedule5, 6) \
    X(Schedule7, 7) \
    X(Schedule8Before2014, 8) \
    X(Schedule9, 9) \
    X(Schedule11, 11) \
    X(T776, 12) \
    X(T778, 13) \
    X(T929, 14) \
    X(T1163, 15) \
    X(T1172, 17) \
    X(T1212, 18) \
    X(T2124, 19) \
    X(T2038IND, 20) \
    X(T2042, 21) \
    X(T2032, 22) \
    X(T2204, 23) \
    X(ON428, 24) \
    X(ON479, 25) \
    X(ONS2, 26) \
    X(ONS11, 27) \
    X(GST370, 28) \
    X(T1206, 29) \
    X(T626, 30) \
    X(T691, 31) \
    X(T936, 32) \
    X(T2124Commission, 33) \
    X(T2209T2036, 35) \
    X(T2017, 37) \
    X(T5013, 38) \
    X(T1A, 39) \
    X(T657, 40) \
    X(BC428, 41) \
    X(BC479, 42) \
    X(BCS2, 43) \
    X(BCS11, 44) \
    X(AB428, 45) \
    X(ABS2, 47) \
    X(ABS11, 48) \
    X(T2222, 49) \
    X(T2121, 51) \
    X(T1DD1, 52) \
    X(RC71, 53) \
    X(T5004, 55) \
    X(CPT20, 57) \
    X(T777, 59) \
    X(NL428, 62) \
    X(NL479, 63) \
    X(NLS2, 64) \
    X(NLS11, 65) \
    X(NT428, 66) \
    X(NT479, 67) \
    X(NTS2, 68) \
    X(NTS11, 69) \
    X(NS428, 70) \
    X(NS479, 71) \
    X(NSS2, 72) \
    X(NSS11, 73) \
    X(NU428, 74) \
    X(NU479, 75) \
    X(NUS2, 76) \
    X(NUS11, 77) \
    X(PE428, 78) \
    X(PES2, 79) \
    X(PES11, 80) \
    X(SK428, 81) \
    X(SKS2, 82) \
    X(SKS11, 83) \
    X(SK479, 84) \
    X(MB428, 86) \
    X(MB479, 87) \
    X(T1219, 89) \
    X(MBS2, 90) \
    X(MBS11, 91) \
    X(TL2, 92) \
    X(Summary, 93) \
    X(NBS2, 94) \
    X(NBS11, 95) \
    X(T183, 96) \
    X(T1153, 97) \
    X(NB428, 98) \
    X(NB479, 99) \
    X(T1135, 101) \
    X(T1M, 102) \
    X(T1223, 103) \
    X(T746, 105) \
    X(T1229, 107) \
    X(YT428, 108) \
    X(T1273, 109) \
    X(YTS2, 110) \
    X(YTS11, 111) \
    X(YT479, 112) \
    X(T1170, 113) \
    X(T1ADJ, 116) \
    X(T1013, 117) \
    X(T1032, 118) \
    X(Schedule6, 119) \
    X(T2205, 124) \
    X(T2125, 125) \
    X(T2125Commission, 131) \
    X(RC267, 136) \
    X(RC268, 137) \
    X(RC269, 138) \
    X(Schedule13, 139) \
    X(RC359, 145) \
    X(T2091IND, 147) \
    X(RC381, 148) \
    X(RC383, 149) \
    X(Schedule8, 150) \
    X(Schedule1A, 151) \
    X(T2203, 156) \
    X(Schedule12, 157) \
    X(SummaryReFile, 159) \
    X(T1255, 160) \
    X(T1159, 161) \
    X(SummaryLastYear, 165) \
    X(Schedule14, 166) \
    X(ScheduleAB, 167) \
    X(ScheduleC, 168) \
    X(T90, 171) \
    X(T224, 173) \
    X(T225, 174) \
    X(T1134, 177) \
    X(T777S, 179) \
    X(T185, 181) \
    X(RC59, 184) \
    X(RC59X, 185) \
    X(T1044, 186)

#define QM_SLIP_TYPES(X) \
    X(T4, 1) \
    X(T4A, 2) \
    X(T4AP, 3) \
    X(T4RSP, 4) \
    X(T4E, 5) \
    X(T4AOAS, 6) \
    X(T4RIF, 7) \
    X(T5, 8) \
    X(T3, 9) \
    X(T5003, 10) \
    X(T5007, 11) \
    X(T2202A, 12) \
    X(T5013, 13) \
    X(T4PS, 14) \
    X(T4ARCA, 15) \
    X(T5006, 16) \
    X(RC62, 17) \
    X(RC210, 18) \
    X(T5008, 19) \
    X(RRSP, 20) \
    X(MBShelter, 21) \
    X(PRPP, 22) \
    X(T1204, 23) \
    X(NR4, 24) \
    X(T2202, 25)

#define QM_INTERVIEW_KINDS(X) \
    X(GeneralInformation, 1) \
    X(LastYearsCarryforwardAmounts, 2) \
    X(Dependants, 3) \
    X(MedicalExpenses, 4) \
    X(RRSPContributions, 5) \
    X(ProvincialInformation, 6)

#define QM_NAMED_FORM(name, type) constexpr ENUMTYPE_FORM name = type;
#define QM_NAMED_SLIP(name, type) constexpr ENUMTYPE_SLIP name = type;
#define QM_NAMED_KIND(name, type) constexpr ENUMTYPE_TAXWIZARD name = type;

namespace FormType {
QM_FORM_TYPES(QM_NAMED_FORM)
}

namespace SlipType {
QM_SLIP_TYPES(QM_NAMED_SLIP)
}

namespace InterviewKind {
QM_INTERVIEW_KINDS(QM_NAMED_KIND)
}

#undef QM_NAMED_FORM
#undef QM_NAMED_SLIP
#undef QM_NAMED_KIND
