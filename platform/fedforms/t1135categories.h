#pragma once
// The kinds of foreign property of the T1135, in the form's order (categories
// 1 to 7): the check's messages and the statement's XML both read them here.
// The agency's statement schema is not at hand, so the XML elements are named
// after the form's own wording.

struct T1135Category
{
    const char* prefix;           // the field group of the detailed method ("funds")
    const char* title;            // as the check's messages name it
    const char* element;          // one row of the detailed method in the XML
    const char* simplifiedField;  // the kind's box of the simplified method
    const char* simplifiedElement;
};

inline constexpr T1135Category kT1135Categories[] = {
    {"funds", "funds held outside Canada", "t1135:FundsHeldOutsideCanada", "simplified_funds",
     "t1135:FundsHeldOutsideCanadaIndicator"},
    {"shares", "shares of non-resident corporations", "t1135:SharesOfNonResidentCorporation", "simplified_shares",
     "t1135:SharesOfNonResidentCorporationsIndicator"},
    {"debts", "indebtedness owed by non-residents", "t1135:IndebtednessOwedByNonResident", "simplified_debts",
     "t1135:IndebtednessOwedByNonResidentIndicator"},
    {"trusts", "interests in non-resident trusts", "t1135:InterestInNonResidentTrust", "simplified_trusts",
     "t1135:InterestsInNonResidentTrustsIndicator"},
    {"real_property", "real property outside Canada", "t1135:RealPropertyOutsideCanada", "simplified_real_property",
     "t1135:RealPropertyOutsideCanadaIndicator"},
    {"other_property", "other property outside Canada", "t1135:OtherPropertyOutsideCanada", "simplified_other",
     "t1135:OtherPropertyOutsideCanadaIndicator"},
    {"dealer_accounts", "property held in an account with a Canadian dealer", "t1135:CanadianDealerAccountProperty",
     "simplified_dealer", "t1135:CanadianDealerAccountPropertyIndicator"},
};
