#pragma once
// The fixed-width records that begin each barcode block of a paper return:
// one for the return as a whole (478 bytes), one per statement (564 bytes).

#include "cstring.h"
#include "fixedbarcode.h"

class T1ReturnBarcodeFixedData : public List_FixedBarcodeItem
{
    CString m_softwareCode;
    CString m_second;

public:
    static constexpr int kLength = 478;
    // Item 32 takes `softwareCode` as its default; `second` is kept as given.
    T1ReturnBarcodeFixedData(const CString& softwareCode, const CString& second);
    ~T1ReturnBarcodeFixedData() override = default;

    FixedBarcodeItem item01{this, 2, "01"};
    FixedBarcodeItem item02{this, 4, "2021"};
    FixedBarcodeItem item03{this, 8, "00000000"};
    FixedBarcodeItem item04{this, 9};
    FixedBarcodeItem item05{this, 8};
    FixedBarcodeItem item06{this, 2};
    FixedBarcodeItem item07{this, 2};
    FixedBarcodeItem item08{this, 1};
    FixedBarcodeItem item09{this, 9, "000000000"};
    FixedBarcodeItem item10{this, 4, "    "};
    FixedBarcodeItem item11{this, 30};
    FixedBarcodeItem item12{this, 30};
    FixedBarcodeItem item13{this, 26};
    FixedBarcodeItem item14{this, 60};
    FixedBarcodeItem item15{this, 50};
    FixedBarcodeItem item16{this, 2};
    FixedBarcodeItem item17{this, 6};
    FixedBarcodeItem item18{this, 75};
    FixedBarcodeItem item19{this, 8, "00000000"};
    FixedBarcodeItem item20{this, 1, "0"};
    FixedBarcodeItem item21{this, 10};
    FixedBarcodeItem item22{this, 1};
    FixedBarcodeItem item23{this, 9, "000000000"};
    FixedBarcodeItem item24{this, 9, "000000000"};
    FixedBarcodeItem item25{this, 9, "000000000"};
    FixedBarcodeItem item26{this, 1, "0"};
    FixedBarcodeItem item27{this, 8, "00000000"};
    FixedBarcodeItem item28{this, 1, "0"};
    FixedBarcodeItem item29{this, 9, "000000000"};
    FixedBarcodeItem item30{this, 9, "000000000"};
    FixedBarcodeItem item31{this, 2};
    FixedBarcodeItem item32{this, 3, m_softwareCode.c_str()};
    FixedBarcodeItem item33{this, 1, "G"};
    FixedBarcodeItem item34{this, 37};
    FixedBarcodeItem item35{this, 8, "20220302"};
    FixedBarcodeItem item36{this, 1};
    FixedBarcodeItem item37{this, 1, "0"};
    FixedBarcodeItem item38{this, 2, "00"};
    FixedBarcodeItem item39{this, 1, "0"};
    FixedBarcodeItem item40{this, 1, "0"};
    FixedBarcodeItem item41{this, 1, "0"};
    FixedBarcodeItem item42{this, 5, "00000"};
    FixedBarcodeItem item43{this, 1, "0"};
    FixedBarcodeItem item44{this, 2};
    FixedBarcodeItem item45{this, 1, "0"};
    FixedBarcodeItem item46{this, 8, "   00000"};
};

class SFDBarcodeFixedData : public List_FixedBarcodeItem
{
public:
    static constexpr int kLength = 564;
    // Items 18 to 21 start as blanks.
    SFDBarcodeFixedData();
    ~SFDBarcodeFixedData() override = default;

    FixedBarcodeItem item01{this, 2, "03"};
    FixedBarcodeItem item02{this, 2};
    FixedBarcodeItem item03{this, 2};
    FixedBarcodeItem item04{this, 2, "  "};
    FixedBarcodeItem item05{this, 1};
    FixedBarcodeItem item06{this, 6};
    FixedBarcodeItem item07{this, 9};
    FixedBarcodeItem item08{this, 30};
    FixedBarcodeItem item09{this, 30};
    FixedBarcodeItem item10{this, 6};
    FixedBarcodeItem item11{this, 8};
    FixedBarcodeItem item12{this, 8};
    FixedBarcodeItem item13{this, 9, "000000000"};
    FixedBarcodeItem item14{this, 4, "0000"};
    FixedBarcodeItem item15{this, 8, "        "};
    FixedBarcodeItem item16{this, 1};
    FixedBarcodeItem item17{this, 15};
    FixedBarcodeItem item18{this, 4, "    "};
    FixedBarcodeItem item19{this, 96};
    FixedBarcodeItem item20{this, 96};
    FixedBarcodeItem item21{this, 3, "   "};
    FixedBarcodeItem item22{this, 30};
    FixedBarcodeItem item23{this, 30};
    FixedBarcodeItem item24{this, 8};
    FixedBarcodeItem item25{this, 6};
    FixedBarcodeItem item26{this, 30};
    FixedBarcodeItem item27{this, 30};
    FixedBarcodeItem item28{this, 8};
    FixedBarcodeItem item29{this, 6};
    FixedBarcodeItem item30{this, 30};
    FixedBarcodeItem item31{this, 30};
    FixedBarcodeItem item32{this, 8};
    FixedBarcodeItem item33{this, 6};
};
