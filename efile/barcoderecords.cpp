#include "barcoderecords.h"

T1ReturnBarcodeFixedData::T1ReturnBarcodeFixedData(const CString& softwareCode, const CString& second)
    : m_softwareCode(softwareCode), m_second(second)
{
}

SFDBarcodeFixedData::SFDBarcodeFixedData()
{
    for (FixedBarcodeItem* item : {&item18, &item19, &item20, &item21}) item->SetAllCharsTo(' ');
}
