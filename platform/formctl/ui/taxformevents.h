#pragma once
// The custom events a form page posts to its editor. The numbers are the
// contract between the pages and the return editor: never renumber.

#include <QEvent>

namespace TaxFormEvent {
enum Number : int {
    Refresh = 1013,           // every page shows the data again
    ForwardEdit = 1235,       // go to another form (EventForwardEdit carries its type)
    T183Sign = 1831,          // send the T183 for e-signature
    T183SignStatus = 1832,    // the T183's e-signature status
    RC71Sign = 1871,          // send the RC71 for e-signature
    RC71SignStatus = 1872,    // the RC71's e-signature status
    CopyPreparer = 5000,      // copy the preparer's details into the return
    CopyMailingAddress = 5001,// copy the mailing address into the spouse's return
};
}

// "Go to form": the form type the editor should add or show.
class EventForwardEdit : public QEvent
{
public:
    explicit EventForwardEdit(int formType)
        : QEvent(QEvent::Type(TaxFormEvent::ForwardEdit)), m_formType(formType)
    {
    }
    int formType() const { return m_formType; }

private:
    int m_formType;
};

// The event a button of a page posts for `number` (`target`: the form type
// of a ForwardEdit).
QEvent* makeTaxFormEvent(int number, int target);
