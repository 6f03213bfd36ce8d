#pragma once
// Small services used across the program: folders and file names, times and
// dates, numbers from text, and identity checks.

#include <string>
#include <vector>

#include <QDate>
#include <QString>

#include "cstring.h"

// Creates the folder and any missing parents; true when it exists afterwards.
bool makeFolderExists(const QString& folder);
// Replaces every character that cannot stand in a file name with '_' and
// trims blanks and dots at both ends.
void makeValidFilename(CString& name);
// How long the part of a file name made from a person's name may be, in
// bytes: with a suffix and a folder it stays well within what every file
// system takes (255 bytes a name).
constexpr int kNameFilenameBytes = 100;
// Cuts a valid file name to at most `maxBytes` bytes of UTF-8, never inside
// a character, then trims blanks and dots the cut leaves at its end.
void cutFilenameToBytes(CString& name, int maxBytes);
// The platform's file name of a shared library called `name`
// ("qlmr21on" -> "libqlmr21on.so"), inside `folder`; an empty folder means
// the program's own library folder (see programLibraryFolder).
void getOSLibFilename(const QString& folder, QString& name);
// Where the program's own shared libraries are: "<root>/lib" beside
// "<root>/bin/<program>", or what setProgramLibraryFolder set. Empty when
// neither is known (no application object yet).
QString programLibraryFolder();
void setProgramLibraryFolder(const QString& folder);

// Local date and time as "yyyy-MM-dd HH:mm:ss".
CString getCurTimeStr();
// Local date and time as text; format 0 is "yyyy-MM-dd HH:mm:ss".
CString GetCurTime(int format);
// Now as an XML date-time: UTC with a 'Z' when `utc`, else local time.
CString getXMLDateTimeString(bool utc);
// A date as text: form 1 "yyyyMMdd", form 2 "yyyy-MM-dd"; empty when invalid.
CString GetDateStr(const QDate& date, int form);

// A number from text in the C locale, whatever the user's locale: blanks,
// a leading '$' and thousands commas are ignored; empty or unreadable is 0.
double myStringToDouble(const char* text);
double myStringToDouble(const CString& text);
double myStringToDouble(const std::string& text);

// An amount as the program's messages show it: thousands grouped by commas
// and two decimals ("61,600.00"), whatever the user's locale.
QString displayAmount(double amount);

int GetDaysInYear(int year);
// Days of `year` spent resident in Canada, counting the day of entry and the
// day of departure; an invalid date (or one outside the year) means resident
// from the year's start or to its end.
int DaysInCanadaInTaxYear(int year, const QDate& entry, const QDate& departure);

// A social insurance number: nine digits (optionally grouped 3-3-3 by single
// blanks or hyphens) passing the check-digit test. On failure `extra`, when
// given, points at the reason.
bool CheckSIN(const char* text, const char** extra = nullptr);
// The one shape of a S.I.N. for everything that sends, compares, masks,
// looks up or derives from it: the number without the blanks and hyphens
// that only format it ("046 454 286", "046-454-286", " 046454286"); any
// other character stays, so that a wrong number is not made to look right.
// What a page shows stays as typed.
CString sinDigits(const CString& sin);
// A plausible e-mail address: name@domain.tld, no blanks.
bool checkEmail(const char* text);
// The postal code without blanks, in capitals.
CString GetRawPostcode(const CString& postcode);
// The digits of a telephone number; with `digitsOnly` false, as typed.
CString GetRawPhoneStr(const CString& number, bool digitsOnly);

// Splits CSV text into rows of fields; double quotes enclose fields holding
// commas, line ends or doubled quotes. Blank lines are skipped.
std::vector<std::vector<std::string>> ParseCSV(const std::string& text);

class CPostCodeInfo
{
public:
    // The province of a Canadian postal code from its first characters (the
    // forward sortation area); 0 when none matches.
    static int ProvFromPostCode(const char* postcode);
};
