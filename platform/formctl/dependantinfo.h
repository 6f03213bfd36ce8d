#pragma once
// The family's dependants: a fixed number of entries shared by both
// spouses' returns, the interview and the provincial libraries.

#include <QDate>
#include <vector>

#include "cstring.h"

class MyDataStream;

enum DependantRelationship : int {
    DEP_REL_NONE = 0,
    DEP_REL_CHILD = 1,
    DEP_REL_GRANDCHILD = 2,
    DEP_REL_PARENT = 3,
    DEP_REL_GRANDPARENT = 4,
    DEP_REL_SIBLING = 5,
    DEP_REL_AUNT_UNCLE = 6,
    DEP_REL_NIECE_NEPHEW = 7,
    DEP_REL_OTHER = 8,
};

struct DependantEntry
{
    static constexpr int kNameSize = 80;   // 79 characters and the terminator

    char firstName[kNameSize] = {};
    char lastName[kNameSize] = {};
    QDate birthDate;
    int relationship = DEP_REL_NONE;   // DependantRelationship
    double netIncome = 0.0;            // the dependant's net income for the year
    int infirm = 0;                    // 1 when the dependant has an impairment
    CString sin;
    CString address;
    double monthsLivedWith = 0.0;      // months lived with the taxpayer in the year

    // Copies at most 79 bytes; the field always stays terminated.
    void setFirstName(const char* text);
    void setLastName(const char* text);
    bool isUsed() const { return firstName[0] || lastName[0] || birthDate.isValid(); }
    bool isChild() const { return relationship == DEP_REL_CHILD || relationship == DEP_REL_GRANDCHILD; }
    // Age at the end of `year`; -1 without a birth date.
    int ageAtEndOf(int year) const;

    bool operator==(const DependantEntry& other) const;
    bool operator!=(const DependantEntry& other) const { return !(*this == other); }
};

class DependantInfoStruct
{
public:
    static constexpr int kEntries = 12;
    static constexpr int kTaxYear = 2021;   // ages are counted at the end of it

    DependantInfoStruct() = default;
    DependantInfoStruct(const DependantInfoStruct& other) = default;
    DependantInfoStruct& operator=(const DependantInfoStruct& other) = default;
    bool operator==(const DependantInfoStruct& other) const { return m_entries == other.m_entries; }
    bool operator!=(const DependantInfoStruct& other) const { return !(*this == other); }

    // Gives the record `count` empty entries (the previous ones are dropped).
    void AllocData(int count);
    // Adds empty entries up to `count`, keeping those there are.
    void growTo(int count) { if (count > this->count()) m_entries.resize(size_t(count)); }
    void FreeData() { m_entries.clear(); }
    int count() const { return int(m_entries.size()); }
    DependantEntry* entry(int index);
    const DependantEntry* entry(int index) const;

    // Layout: int count, then per entry the names, date (int yyyymmdd),
    // relationship, net income, infirm, the two texts and the months.
    // A damaged count marks the stream corrupt and leaves the record empty.
    void serilize(int version, MyDataStream& stream);

    // Counts of used entries by age at the end of the tax year (inclusive ranges).
    int GetDepNumberBetweenAges(int fromAge, int toAge) const;
    int GetDepChildrenNumberBetweenAges(int fromAge, int toAge) const;
    int GetDepChildrenNumberBetweenAges_Infirm(int fromAge, int toAge, bool infirm) const;
    // Infirm dependants aged `age` or more; -1 counts every infirm dependant.
    int GetInfirmDependantsNumberNotUnderAge(int age) const;
    int GetInfirmDependentNumberUnderAge18() const;
    // Children under 18, and other dependants under 18, for the family's benefits.
    int GetDepChildrenNumberForLine305() const;
    int GetDepOtherThanChildrenNumberForLine305() const;

private:
    template <typename Pred>
    int countIf(Pred pred) const;

    std::vector<DependantEntry> m_entries;
};
