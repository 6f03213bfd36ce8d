#pragma once

// QCoreApplication runs setlocale(LC_ALL, ""): under a French-Canadian locale
// strtod, printf and TinyXML would then read "1234.56" as 1234 and print a
// decimal comma. Call this right after the application object is made so
// that numbers are always parsed and printed in the C locale.
void useCNumericLocale();
