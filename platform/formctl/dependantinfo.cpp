#include "dependantinfo.h"

#include <cstring>

#include "mydatastream.h"

namespace {

constexpr qint32 kMaxStoredEntries = 64;

void copyName(char (&dest)[DependantEntry::kNameSize], const char* text)
{
    std::memset(dest, 0, sizeof dest);
    if (text)
        std::strncpy(dest, text, DependantEntry::kNameSize - 1);
}

bool inRange(int age, int fromAge, int toAge)
{
    return age >= 0 && age >= fromAge && age <= toAge;
}

} // namespace

void DependantEntry::setFirstName(const char* text) { copyName(firstName, text); }
void DependantEntry::setLastName(const char* text) { copyName(lastName, text); }

int DependantEntry::ageAtEndOf(int year) const
{
    if (!birthDate.isValid() || birthDate.year() > year) return -1;
    return year - birthDate.year();
}

bool DependantEntry::operator==(const DependantEntry& o) const
{
    return std::strcmp(firstName, o.firstName) == 0 && std::strcmp(lastName, o.lastName) == 0
        && birthDate == o.birthDate && relationship == o.relationship && netIncome == o.netIncome
        && infirm == o.infirm && sin == o.sin && address == o.address && monthsLivedWith == o.monthsLivedWith;
}

void DependantInfoStruct::AllocData(int count)
{
    m_entries.assign(size_t(qMax(0, count)), DependantEntry());
}

DependantEntry* DependantInfoStruct::entry(int index)
{
    return (index >= 0 && index < count()) ? &m_entries[size_t(index)] : nullptr;
}

const DependantEntry* DependantInfoStruct::entry(int index) const
{
    return (index >= 0 && index < count()) ? &m_entries[size_t(index)] : nullptr;
}

void DependantInfoStruct::serilize(int /*version*/, MyDataStream& stream)
{
    if (stream.IsStoring()) {
        stream << qint32(m_entries.size());
        for (const DependantEntry& e : m_entries) {
            stream << CString(e.firstName) << CString(e.lastName) << storedDate(e.birthDate)
                   << qint32(e.relationship) << e.netIncome << qint32(e.infirm) << e.sin << e.address
                   << e.monthsLivedWith;
        }
        return;
    }
    m_entries.clear();
    qint32 count = 0;
    stream >> count;
    if (stream.failed()) return;
    if (count < 0 || count > kMaxStoredEntries) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    for (qint32 i = 0; i < count; ++i) {
        DependantEntry e;
        CString first, last;
        qint32 date = 0, relationship = 0, infirm = 0;
        stream >> first >> last >> date >> relationship >> e.netIncome >> infirm >> e.sin >> e.address >> e.monthsLivedWith;
        if (stream.failed()) {
            m_entries.clear();
            return;
        }
        e.setFirstName(first.c_str());
        e.setLastName(last.c_str());
        e.birthDate = dateFromStored(date);
        e.relationship = relationship;
        e.infirm = infirm;
        m_entries.push_back(e);
    }
}

template <typename Pred>
int DependantInfoStruct::countIf(Pred pred) const
{
    int n = 0;
    for (const DependantEntry& e : m_entries)
        if (e.isUsed() && pred(e, e.ageAtEndOf(kTaxYear))) ++n;
    return n;
}

int DependantInfoStruct::GetDepNumberBetweenAges(int fromAge, int toAge) const
{
    return countIf([=](const DependantEntry&, int age) { return inRange(age, fromAge, toAge); });
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges(int fromAge, int toAge) const
{
    return countIf([=](const DependantEntry& e, int age) { return e.isChild() && inRange(age, fromAge, toAge); });
}

int DependantInfoStruct::GetDepChildrenNumberBetweenAges_Infirm(int fromAge, int toAge, bool infirm) const
{
    return countIf([=](const DependantEntry& e, int age) {
        return e.isChild() && (e.infirm != 0) == infirm && inRange(age, fromAge, toAge);
    });
}

int DependantInfoStruct::GetInfirmDependantsNumberNotUnderAge(int minAge) const
{
    return countIf([=](const DependantEntry& e, int age) {
        return e.infirm != 0 && (minAge < 0 || age >= minAge);
    });
}

int DependantInfoStruct::GetInfirmDependentNumberUnderAge18() const
{
    return countIf([](const DependantEntry& e, int age) { return e.infirm != 0 && inRange(age, 0, 17); });
}

int DependantInfoStruct::GetDepChildrenNumberForLine305() const
{
    return GetDepChildrenNumberBetweenAges(0, 17);
}

int DependantInfoStruct::GetDepOtherThanChildrenNumberForLine305() const
{
    return countIf([](const DependantEntry& e, int age) { return !e.isChild() && inRange(age, 0, 17); });
}
