// The one place the family return touches a widget: the person chooser.

#include <QComboBox>

#include "familytaxdata.h"

void CFamilyTaxData::fillComboBox(QComboBox* box, bool selectSpouse)
{
    if (!box) return;
    box->clear();
    CString name;
    m_persons[0]->getFedStringClaimed(17, name);
    box->addItem(name.IsEmpty() ? QStringLiteral("(self)") : name.toQString(), kTaxpayer);
    if (IsCoupledReturn()) {
        CString spouseName;
        m_persons[1]->getFedStringClaimed(17, spouseName);
        box->addItem(spouseName.IsEmpty() ? QStringLiteral("(spouse/common-law)") : spouseName.toQString(), kSpouse);
    }
    if (selectSpouse) {
        m_current = kSpouse;
        box->setCurrentIndex(1);
    } else {
        m_current = kTaxpayer;
        box->setCurrentIndex(0);
    }
}
