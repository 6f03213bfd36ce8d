#include "personalsettings.h"

#include "mydatastream.h"

void CPersonalSettings::setCurrentForm(int side, int form, int page)
{
    m_side = side;
    const int s = side == 0 ? 0 : 1;
    m_form[s] = form;
    m_page[s] = page;
}

void CPersonalSettings::getCurrentForm(int& side, int& form, int& page) const
{
    side = m_side;
    getCurrentFormForSide(m_side, form, page);
}

void CPersonalSettings::getCurrentFormForSide(int side, int& form, int& page) const
{
    const int s = side == 0 ? 0 : 1;
    form = m_form[s];
    page = m_page[s];
}

void CPersonalSettings::Serialize(MyDataStream& stream)
{
    if (stream.IsStoring()) {
        stream << qint32(1) << qint32(m_side) << qint32(m_form[0]) << qint32(m_form[1]) << qint32(m_page[0])
               << qint32(m_page[1]);
        return;
    }
    qint32 version = 0, side = 0, form0 = 0, form1 = 0, page0 = 0, page1 = 0;
    stream >> version >> side >> form0 >> form1 >> page0 >> page1;
    if (stream.failed()) return;
    m_side = side;
    m_form[0] = form0;
    m_form[1] = form1;
    m_page[0] = page0;
    m_page[1] = page1;
}
