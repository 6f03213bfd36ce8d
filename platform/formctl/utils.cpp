#include "utils.h"

#include <cctype>
#include <cstring>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>

#include "enumtypes.h"

bool makeFolderExists(const QString& folder)
{
    if (folder.isEmpty()) return false;
    QFileInfo info(folder);
    if (info.isDir()) return true;
    if (info.exists()) return false;   // a file is in the way
    return QDir().mkpath(folder);
}

void makeValidFilename(CString& name)
{
    QByteArray bytes = name.bytes();
    for (char& c : bytes) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7f || std::strchr("\\/:*?\"<>|", c)) c = '_';
    }
    int start = 0, end = bytes.size();
    while (start < end && (bytes.at(start) == ' ' || bytes.at(start) == '.')) ++start;
    while (end > start && (bytes.at(end - 1) == ' ' || bytes.at(end - 1) == '.')) --end;
    name = CString(bytes.mid(start, end - start));
}

void cutFilenameToBytes(CString& name, int maxBytes)
{
    QByteArray bytes = name.bytes();
    if (bytes.size() <= maxBytes) return;
    int end = qMax(0, maxBytes);
    // Back to the first byte of the character the cut falls in.
    while (end > 0 && (static_cast<unsigned char>(bytes.at(end)) & 0xC0) == 0x80) --end;
    bytes.truncate(end);
    name = CString(bytes);
    makeValidFilename(name);
}

namespace {
QString g_libraryFolder;
}

QString programLibraryFolder()
{
    if (!g_libraryFolder.isEmpty()) return g_libraryFolder;
    if (!QCoreApplication::instance()) return QString();
    const QString folder = QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../lib"));
    return QFileInfo(folder).isDir() ? QDir::cleanPath(folder) : QString();
}

void setProgramLibraryFolder(const QString& folder)
{
    g_libraryFolder = folder;
}

void getOSLibFilename(const QString& folder, QString& name)
{
    if (!name.endsWith(QLatin1String(".so")) && !name.contains(QLatin1String(".so.")))
        name = QStringLiteral("lib") + name + QStringLiteral(".so");
    // A bare name would be looked up on the system's paths only, never
    // beside the program: anchor it in the program's library folder.
    const QString in = folder.isEmpty() ? programLibraryFolder() : folder;
    if (!in.isEmpty())
        name = QDir(in).filePath(name);
}

CString getCurTimeStr()
{
    return GetCurTime(0);
}

CString GetCurTime(int format)
{
    const QDateTime now = QDateTime::currentDateTime();
    switch (format) {
    case 1: return now.toString(QStringLiteral("yyyyMMddHHmmss"));
    default: return now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    }
}

CString getXMLDateTimeString(bool utc)
{
    if (utc)
        return QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"));
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

CString GetDateStr(const QDate& date, int form)
{
    if (!date.isValid()) return CString();
    return date.toString(form == 1 ? QStringLiteral("yyyyMMdd") : QStringLiteral("yyyy-MM-dd"));
}

double myStringToDouble(const char* text)
{
    if (!text) return 0.0;
    QString s = QString::fromUtf8(text).trimmed();
    if (s.startsWith(QLatin1Char('$'))) s.remove(0, 1);
    s.remove(QLatin1Char(','));
    s.remove(QLatin1Char(' '));
    bool ok = false;
    const double v = QLocale::c().toDouble(s, &ok);
    return ok ? v : 0.0;
}

double myStringToDouble(const CString& text) { return myStringToDouble(text.c_str()); }
double myStringToDouble(const std::string& text) { return myStringToDouble(text.c_str()); }

int GetDaysInYear(int year)
{
    return QDate::isLeapYear(year) ? 366 : 365;
}

int DaysInCanadaInTaxYear(int year, const QDate& entry, const QDate& departure)
{
    const QDate first(year, 1, 1), last(year, 12, 31);
    // Days of [from, to] that fall in the year; an invalid bound is open.
    auto daysWithin = [&](const QDate& from, const QDate& to) {
        const QDate a = (from.isValid() && from > first) ? from : first;
        const QDate b = (to.isValid() && to < last) ? to : last;
        return a <= b ? int(a.daysTo(b)) + 1 : 0;
    };
    const bool hasEntry = entry.isValid(), hasDeparture = departure.isValid();
    if (hasEntry && hasDeparture && entry > departure)
        return daysWithin(QDate(), departure) + daysWithin(entry, QDate());   // left, then came back
    return daysWithin(hasEntry ? entry : QDate(), hasDeparture ? departure : QDate());
}

CString sinDigits(const CString& sin)
{
    QByteArray bare;
    for (char c : sin.bytes())
        if (c != '-' && !std::isspace(static_cast<unsigned char>(c))) bare += c;
    return CString(bare);
}

bool CheckSIN(const char* text, const char** extra)
{
    static const char* const kDigits = "A social insurance number has nine digits.";
    static const char* const kCheck = "The social insurance number fails its check digit.";
    if (extra) *extra = nullptr;
    const QByteArray raw = text ? QByteArray(text) : QByteArray();
    QByteArray digits;
    bool shapeOk = false;
    if (raw.size() == 9) {
        digits = raw;
        shapeOk = true;
    } else if (raw.size() == 11 && raw.at(3) == raw.at(7) && (raw.at(3) == ' ' || raw.at(3) == '-')) {
        digits = raw.left(3) + raw.mid(4, 3) + raw.mid(8, 3);
        shapeOk = true;
    }
    for (char c : digits)
        if (c < '0' || c > '9') shapeOk = false;
    if (!shapeOk) {
        if (extra) *extra = kDigits;
        return false;
    }
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        int d = digits.at(i) - '0';
        if (i % 2 == 1) {
            d *= 2;
            if (d > 9) d -= 9;
        }
        sum += d;
    }
    if (sum % 10 != 0 || digits == "000000000") {
        if (extra) *extra = kCheck;
        return false;
    }
    return true;
}

bool checkEmail(const char* text)
{
    static const QRegularExpression re(QStringLiteral("^[A-Z0-9._%+-]+@[A-Z0-9-]+(\\.[A-Z0-9-]+)*\\.[A-Z]{2,}$"),
                                       QRegularExpression::CaseInsensitiveOption);
    return text && re.match(QString::fromUtf8(text)).hasMatch();
}

CString GetRawPostcode(const CString& postcode)
{
    QByteArray out;
    for (char c : postcode.bytes())
        if (!std::isspace(static_cast<unsigned char>(c))) out += char(std::toupper(static_cast<unsigned char>(c)));
    return CString(out);
}

CString GetRawPhoneStr(const CString& number, bool digitsOnly)
{
    if (!digitsOnly) return number;
    QByteArray out;
    for (char c : number.bytes())
        if (c >= '0' && c <= '9') out += c;
    return CString(out);
}

std::vector<std::vector<std::string>> ParseCSV(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    std::vector<std::string> row;
    std::string field;
    bool quoted = false, fieldStarted = false;
    auto endRow = [&]() {
        if (fieldStarted || !row.empty()) {
            row.push_back(field);
            rows.push_back(row);
        }
        row.clear();
        field.clear();
        fieldStarted = false;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < text.size() && text[i + 1] == '"') { field += '"'; ++i; }
                else quoted = false;
            } else {
                field += c;
            }
        } else if (c == '"') {
            quoted = true;
            fieldStarted = true;
        } else if (c == ',') {
            row.push_back(field);
            field.clear();
            fieldStarted = true;
        } else if (c == '\n' || c == '\r') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            endRow();
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    endRow();
    return rows;
}

int CPostCodeInfo::ProvFromPostCode(const char* postcode)
{
    if (!postcode) return PROV_NONE;
    const QByteArray code = GetRawPostcode(CString(postcode)).bytes();
    if (code.isEmpty()) return PROV_NONE;
    switch (code.at(0)) {
    case 'A': return PROV_NL;
    case 'B': return PROV_NS;
    case 'C': return PROV_PE;
    case 'E': return PROV_NB;
    case 'G': case 'H': case 'J': return PROV_QC;
    case 'K': case 'L': case 'M': case 'N': case 'P': return PROV_ON;
    case 'R': return PROV_MB;
    case 'S': return PROV_SK;
    case 'T': return PROV_AB;
    case 'V': return PROV_BC;
    case 'Y': return PROV_YT;
    case 'X':
        // X0A, X0B and X0C are Nunavut; the other X areas the Northwest Territories.
        if (code.size() >= 3 && code.at(1) == '0' && (code.at(2) == 'A' || code.at(2) == 'B' || code.at(2) == 'C'))
            return PROV_NU;
        return PROV_NT;
    default: return PROV_NONE;
    }
}

QString displayAmount(double amount)
{
    return QLocale(QLocale::English, QLocale::Canada).toString(amount, 'f', 2);
}
