#pragma once
// The forms a provincial library makes. One class per kind of form serves
// every province: the lines all provinces share come from here, each
// province's own lines from its parameter table.

#include "provincelayouts.h"
#include "tableform.h"

// Form 428: the provincial tax and non-refundable credits (SK428 is form 81).
class TaxData_Prov428 : public TableForm
{
public:
    // formS11, formS2: the province's companions its buttons go to.
    TaxData_Prov428(int type, const FieldTable& ownLines, const Prov428OwnLayout& ownLayout, int formS11,
                    int formS2);

private:
    Prov428GoTo m_goTo;   // the layout points into it
};

// Form 479: the provincial refundable credits.
class TaxData_Prov479 : public TableForm
{
public:
    TaxData_Prov479(int type, const FieldTable& lines, const LayoutTable& layout);
};

// XX(S2): provincial amounts transferred from the spouse or common-law partner.
class TaxData_ProvS2 : public TableForm
{
public:
    TaxData_ProvS2(int type, const FieldTable& ownLines, const LayoutTable& ownLayout);
};

// XX(S11): provincial tuition and education amounts.
class TaxData_ProvS11 : public TableForm
{
public:
    explicit TaxData_ProvS11(int type);
};

// The province's interview answers (interview kind 6).
class TaxData_ProvInterview : public TableForm
{
public:
    static constexpr int kKind = 6;

    TaxData_ProvInterview(const FieldTable& ownAnswers, const LayoutTable& ownLayout);
};
