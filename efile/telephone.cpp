#include "telephone.h"

#include "utils.h"

CString telephoneDigits(const CString& number)
{
    const CString digits = GetRawPhoneStr(number, true);
    if (digits.GetLength() == 11 && digits.bytes().startsWith('1')) return digits.Mid(1);
    return digits;
}
