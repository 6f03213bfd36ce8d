#pragma once
// The view state saved in each return file: which side is shown and, per
// side, the current form and page.

class MyDataStream;

class CPersonalSettings
{
public:
    virtual ~CPersonalSettings() = default;

    void init() { *this = CPersonalSettings(); }
    void setCurrentForm(int side, int form, int page);
    void getCurrentForm(int& side, int& form, int& page) const;
    void getCurrentFormForSide(int side, int& form, int& page) const;
    // int 1 (settings version; ignored when read), side, form of side 0,
    // form of side 1, page of side 0, page of side 1.
    void Serialize(MyDataStream& stream);

    bool operator==(const CPersonalSettings& o) const
    {
        return m_side == o.m_side && m_form[0] == o.m_form[0] && m_form[1] == o.m_form[1] && m_page[0] == o.m_page[0]
            && m_page[1] == o.m_page[1];
    }

private:
    int m_side = 0;
    int m_form[2] = {0, 0};
    int m_page[2] = {0, 0};
};
