#include "ct1combobox.h"

#include <algorithm>

#include "formtables.h"
#include "formtypes.h"

namespace {
// The return summaries are the program's own: never added by hand.
bool isInternalForm(int type)
{
    return type == FormType::Summary || type == FormType::SummaryReFile || type == FormType::SummaryLastYear;
}
}

CT1ComboBox::CT1ComboBox(QWidget* parent) : QComboBox(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void CT1ComboBox::LoadProvs()
{
    clear();
    addItem(QString(), 0);
    for (int p = 1; p <= 13; ++p)
        addItem(QString::fromUtf8(Global_Provs_Info[p].displayText), p);
}

void CT1ComboBox::LoadProvsWithLibrary()
{
    clear();
    addItem(QString(), 0);
    for (int p = 1; p <= 13; ++p)
        if (HasProvincialLibrary(p)) addItem(QString::fromUtf8(Global_Provs_Info[p].displayText), p);
}

void CT1ComboBox::LoadProvsWithNonResident()
{
    LoadProvs();
    for (int p = 14; p <= MAX_PROVINCE; ++p)
        addItem(QString::fromUtf8(Global_Provs_Info[p].displayText), p);
}

void CT1ComboBox::SetCurSelData(int code)
{
    setCurrentIndex(findData(code));
}

void CT1ComboBox::LoadTaxForms(unsigned char edition, std::list<unsigned int> provinces, const QString& filter)
{
    // Each load replaces the list: a new filter must not add to the last one's forms.
    clear();
    const QString needle = filter.trimmed();
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        const FormInfo& info = Global_Forms_Info[type];
        if (IsFormExpired(type, 0) || isInternalForm(type)) continue;
        // The T183 goes with the preparer's edition only.
        if (type == FormType::T183 && edition != 1) continue;
        // The T1134 is filed apart from the T1, by its own road: no return
        // holds one.
        if (type == FormType::T1134) continue;
        if (info.province != 0
            && std::find(provinces.begin(), provinces.end(), unsigned(info.province)) == provinces.end())
            continue;
        const QString shortName = QString::fromUtf8(info.shortName);
        const QString longName = QString::fromUtf8(info.longName);
        if (!needle.isEmpty() && !shortName.contains(needle, Qt::CaseInsensitive)
            && !longName.contains(needle, Qt::CaseInsensitive))
            continue;
        addItem(shortName + QStringLiteral(" - ") + longName, type);
    }
}
