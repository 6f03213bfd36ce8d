#include "sintext.h"

CString sinDigits(const CString& sin)
{
    CString bare = sin;
    bare.Remove(' ');
    bare.Remove('-');
    return bare;
}
