#pragma once
// A combo box that lists the provinces or the forms a return may add; each
// item carries its province code or form type as item data.

#include <list>

#include <QComboBox>

class CT1ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CT1ComboBox(QWidget* parent = nullptr);

    // The provinces and territories (codes 1 to 13), after an empty item with code 0.
    void LoadProvs();
    // The same, followed by the non-resident choices (codes above 13).
    void LoadProvsWithNonResident();
    // Only the jurisdictions whose tax the program works out (no Quebec).
    void LoadProvsWithLibrary();
    // Selects the item whose data equals `code`; none when no item has it.
    void SetCurSelData(int code);
    // The forms a user may add in `edition` (1 EFILE, 2 NETFILE) to a return
    // of these provinces: federal forms and the forms of the listed provinces,
    // never expired ones nor the program's own summaries. `filter`, when not
    // empty, must be part of the form number or title, in any case.
    void LoadTaxForms(unsigned char edition, std::list<unsigned int> provinces, const QString& filter);
};
