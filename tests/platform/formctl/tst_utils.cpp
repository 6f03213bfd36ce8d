#include "utils.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class UtilsTest : public QObject
{
    Q_OBJECT

private slots:
    void checkSIN_data();
    void checkSIN();
    void osLibFilename_data();
    void osLibFilename();
    void daysInYear_data();
    void daysInYear();
    void daysInCanada_data();
    void daysInCanada();
    void stringToDouble_data();
    void stringToDouble();
    void validFilename_data();
    void validFilename();
    void filenameCutToBytes_data();
    void filenameCutToBytes();
    void provinceFromPostCode_data();
    void provinceFromPostCode();
    void email_data();
    void email();
    void parseCSV_data();
    void parseCSV();
    void dateStr_data();
    void dateStr();
    void makeFolderExists();
};

void UtilsTest::checkSIN_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("isNull");
    QTest::addColumn<bool>("valid");

    QTest::newRow("plain") << QByteArray("046454286") << false << true;
    QTest::newRow("blank groups") << QByteArray("046 454 286") << false << true;
    QTest::newRow("hyphen groups") << QByteArray("046-454-286") << false << true;
    QTest::newRow("other valid") << QByteArray("130692544") << false << true;
    QTest::newRow("other valid, doubled digits over 9") << QByteArray("123-456-782") << false << true;
    QTest::newRow("nines") << QByteArray("999 999 998") << false << true;

    QTest::newRow("wrong check digit") << QByteArray("046454287") << false << false;
    // Passes only when the even positions are not the doubled ones.
    QTest::newRow("wrong digits doubled") << QByteArray("123456783") << false << false;
    QTest::newRow("8 digits") << QByteArray("04645428") << false << false;
    QTest::newRow("10 digits") << QByteArray("0464542860") << false << false;
    QTest::newRow("letters") << QByteArray("04645428A") << false << false;
    QTest::newRow("letter in groups") << QByteArray("046 45X 286") << false << false;
    QTest::newRow("mixed separators") << QByteArray("046 454-286") << false << false;
    QTest::newRow("other separator") << QByteArray("046.454.286") << false << false;
    QTest::newRow("groups misplaced") << QByteArray("0464 54 286") << false << false;
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("null") << QByteArray() << true << false;
    QTest::newRow("all zeros") << QByteArray("000000000") << false << false;
}

void UtilsTest::checkSIN()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, isNull);
    QFETCH(bool, valid);
    const char* input = isNull ? nullptr : text.constData();

    const char* extra = "stale reason";
    QCOMPARE(CheckSIN(input, &extra), valid);
    if (valid)
        QVERIFY(extra == nullptr);
    else
        QVERIFY(extra && *extra);

    QCOMPARE(CheckSIN(input), valid);
}

void UtilsTest::osLibFilename_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bare name") << QString() << "qlmr21on" << "libqlmr21on.so";
    QTest::newRow("bare name in folder") << "/opt/q/lib" << "qlmr21on" << "/opt/q/lib/libqlmr21on.so";
    QTest::newRow("folder with trailing slash") << "/opt/q/lib/" << "qlmr21on" << "/opt/q/lib/libqlmr21on.so";
    QTest::newRow("already .so") << QString() << "libqlmr21on.so" << "libqlmr21on.so";
    QTest::newRow("already .so in folder") << "/opt/q/lib" << "libqlmr21on.so" << "/opt/q/lib/libqlmr21on.so";
    QTest::newRow("versioned .so") << QString() << "libqlmr21on.so.1" << "libqlmr21on.so.1";
}

void UtilsTest::osLibFilename()
{
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    getOSLibFilename(folder, name);
    QCOMPARE(name, expected);
}

void UtilsTest::daysInYear_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("days");
    QTest::newRow("2020 leap") << 2020 << 366;
    QTest::newRow("2021") << 2021 << 365;
    QTest::newRow("2100 century not leap") << 2100 << 365;
    QTest::newRow("2000 fourth century leap") << 2000 << 366;
}

void UtilsTest::daysInYear()
{
    QFETCH(int, year);
    QFETCH(int, days);
    QCOMPARE(GetDaysInYear(year), days);
}

void UtilsTest::daysInCanada_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDate>("entry");
    QTest::addColumn<QDate>("departure");
    QTest::addColumn<int>("days");

    const QDate none;
    QTest::newRow("no dates") << 2021 << none << none << 365;
    QTest::newRow("entry first day") << 2021 << QDate(2021, 1, 1) << none << 365;
    QTest::newRow("entry last day") << 2021 << QDate(2021, 12, 31) << none << 1;
    QTest::newRow("departure first day") << 2021 << none << QDate(2021, 1, 1) << 1;
    QTest::newRow("departure last day") << 2021 << none << QDate(2021, 12, 31) << 365;
    QTest::newRow("entry mid-year") << 2021 << QDate(2021, 7, 1) << none << 184;
    QTest::newRow("departure mid-year") << 2021 << none << QDate(2021, 6, 30) << 181;
    QTest::newRow("entry and departure same day") << 2021 << QDate(2021, 5, 10) << QDate(2021, 5, 10) << 1;
    QTest::newRow("entry then departure") << 2021 << QDate(2021, 3, 1) << QDate(2021, 3, 31) << 31;
    QTest::newRow("departure then re-entry") << 2021 << QDate(2021, 10, 1) << QDate(2021, 3, 31) << 90 + 92;
    QTest::newRow("entry next year") << 2021 << QDate(2022, 1, 5) << none << 0;
    QTest::newRow("departure previous year") << 2021 << none << QDate(2020, 6, 1) << 0;
    QTest::newRow("entry previous year") << 2021 << QDate(2020, 5, 1) << none << 365;
    QTest::newRow("departure next year") << 2021 << none << QDate(2022, 2, 1) << 365;
    QTest::newRow("left previous year, back this year") << 2021 << QDate(2021, 12, 1) << QDate(2020, 6, 1) << 31;
    QTest::newRow("came and left in the previous year") << 2021 << QDate(2020, 5, 1) << QDate(2020, 9, 1) << 0;
    QTest::newRow("left and came back next year") << 2021 << QDate(2022, 6, 1) << QDate(2022, 1, 15) << 365;
    QTest::newRow("leap year no dates") << 2020 << none << none << 366;
    QTest::newRow("leap year entry March 1") << 2020 << QDate(2020, 3, 1) << none << 306;
}

void UtilsTest::daysInCanada()
{
    QFETCH(int, year);
    QFETCH(QDate, entry);
    QFETCH(QDate, departure);
    QFETCH(int, days);
    QCOMPARE(DaysInCanadaInTaxYear(year, entry, departure), days);
}

void UtilsTest::stringToDouble_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("isNull");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << QByteArray("1234.56") << false << 1234.56;
    QTest::newRow("blanks and minus") << QByteArray("  -3.5 ") << false << -3.5;
    QTest::newRow("dollar and thousands") << QByteArray("$1,234.50") << false << 1234.5;
    QTest::newRow("millions") << QByteArray("1,234,567.89") << false << 1234567.89;
    QTest::newRow("one decimal") << QByteArray("12.9") << false << 12.9;
    QTest::newRow("empty") << QByteArray() << false << 0.0;
    QTest::newRow("null") << QByteArray() << true << 0.0;
    QTest::newRow("letters") << QByteArray("abc") << false << 0.0;
    QTest::newRow("trailing letters") << QByteArray("12abc") << false << 0.0;
}

void UtilsTest::stringToDouble()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, isNull);
    QFETCH(double, value);

    QCOMPARE(myStringToDouble(isNull ? nullptr : text.constData()), value);
    if (!isNull) {
        QCOMPARE(myStringToDouble(CString(text)), value);
        QCOMPARE(myStringToDouble(text.toStdString()), value);
    }
}

void UtilsTest::validFilename_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("separators") << QByteArray("Lee/Ann:2021?") << QByteArray("Lee_Ann_2021_");
    QTest::newRow("every reserved character") << QByteArray("a\\b*c\"d<e>f|g") << QByteArray("a_b_c_d_e_f_g");
    QTest::newRow("control characters") << QByteArray("a\tb\nc") << QByteArray("a_b_c");
    QTest::newRow("blanks and dots at ends") << QByteArray(" . Tax return 2021. . ") << QByteArray("Tax return 2021");
    QTest::newRow("inner dots kept") << QByteArray("..return.v2.qlm..") << QByteArray("return.v2.qlm");
    QTest::newRow("accented letters kept") << QByteArray("Élise Côté") << QByteArray("Élise Côté");
    QTest::newRow("nothing left") << QByteArray(" ... ") << QByteArray();
}

void UtilsTest::validFilename()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, expected);
    CString s(name);
    makeValidFilename(s);
    QCOMPARE(s.bytes(), expected);
}

void UtilsTest::filenameCutToBytes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("short: as it is") << QByteArray("Maya_Okafor") << QByteArray("Maya_Okafor");
    QTest::newRow("exactly the limit") << QByteArray(100, 'a') << QByteArray(100, 'a');
    QTest::newRow("300 letters: the first 100") << QByteArray(300, 'b') << QByteArray(100, 'b');
    // 99 letters then "é" (two bytes): the cut falls inside it, so it goes.
    QTest::newRow("inside a two-byte letter") << QByteArray(99, 'c') + QByteArray("\xc3\xa9zz")
                                              << QByteArray(99, 'c');
    QTest::newRow("a two-byte letter that fits") << QByteArray(98, 'c') + QByteArray("\xc3\xa9zz")
                                                 << QByteArray(98, 'c') + QByteArray("\xc3\xa9");
    QTest::newRow("inside a four-byte character") << QByteArray(98, 'd') + QByteArray("\xf0\x9f\x98\x80")
                                                  << QByteArray(98, 'd');
    QTest::newRow("blanks and a dot left at the cut") << QByteArray(97, 'e') + QByteArray(" .  tail")
                                                      << QByteArray(97, 'e');
}

void UtilsTest::filenameCutToBytes()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, expected);
    CString s(name);
    cutFilenameToBytes(s, kNameFilenameBytes);
    QCOMPARE(s.bytes(), expected);
    QVERIFY(s.bytes().size() <= kNameFilenameBytes);
    // Whole characters: the bytes read back as UTF-8 without a loss.
    QCOMPARE(QString::fromUtf8(s.bytes()).toUtf8(), s.bytes());
}

void UtilsTest::provinceFromPostCode_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("isNull");
    QTest::addColumn<int>("province");

    QTest::newRow("A NL") << QByteArray("A1C 5S7") << false << 5;
    QTest::newRow("B NS") << QByteArray("B3H 4R2") << false << 6;
    QTest::newRow("C PE") << QByteArray("C1A 4P3") << false << 10;
    QTest::newRow("E NB") << QByteArray("E1C 4M3") << false << 4;
    QTest::newRow("G QC") << QByteArray("G1R 4S9") << false << 11;
    QTest::newRow("H QC") << QByteArray("H2X 1Y4") << false << 11;
    QTest::newRow("J QC") << QByteArray("J8X 3X7") << false << 11;
    QTest::newRow("K ON") << QByteArray("K1A 0B1") << false << 9;
    QTest::newRow("L ON") << QByteArray("L5B 1M2") << false << 9;
    QTest::newRow("M ON") << QByteArray("M5V 3L9") << false << 9;
    QTest::newRow("N ON") << QByteArray("N6A 3K7") << false << 9;
    QTest::newRow("P ON") << QByteArray("P3E 2C6") << false << 9;
    QTest::newRow("R MB") << QByteArray("R3C 4T3") << false << 3;
    QTest::newRow("S SK") << QByteArray("S4P 3V7") << false << 12;
    QTest::newRow("T AB") << QByteArray("T5J 2R7") << false << 1;
    QTest::newRow("V BC") << QByteArray("V6B 4Y8") << false << 2;
    QTest::newRow("Y YT") << QByteArray("Y1A 2C6") << false << 13;
    QTest::newRow("X0A NU") << QByteArray("X0A 0H0") << false << 8;
    QTest::newRow("X0B NU") << QByteArray("X0B 0C0") << false << 8;
    QTest::newRow("X0C NU") << QByteArray("X0C 0G0") << false << 8;
    QTest::newRow("X0E NT") << QByteArray("X0E 0P0") << false << 7;
    QTest::newRow("X1A NT") << QByteArray("X1A 2L9") << false << 7;
    QTest::newRow("lower case") << QByteArray("m5v") << false << 9;
    QTest::newRow("lower case Nunavut") << QByteArray("x0a 0h0") << false << 8;
    QTest::newRow("leading blank") << QByteArray(" V6B4Y8") << false << 2;
    QTest::newRow("empty") << QByteArray() << false << 0;
    QTest::newRow("blanks only") << QByteArray("   ") << false << 0;
    QTest::newRow("null") << QByteArray() << true << 0;
    QTest::newRow("unknown D") << QByteArray("D1A") << false << 0;
    QTest::newRow("unknown Z") << QByteArray("Z9Z 9Z9") << false << 0;
    QTest::newRow("digit first") << QByteArray("1A1 1A1") << false << 0;
}

void UtilsTest::provinceFromPostCode()
{
    QFETCH(QByteArray, code);
    QFETCH(bool, isNull);
    QFETCH(int, province);
    QCOMPARE(CPostCodeInfo::ProvFromPostCode(isNull ? nullptr : code.constData()), province);
}

void UtilsTest::email_data()
{
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("isNull");
    QTest::addColumn<bool>("good");

    QTest::newRow("simple") << QByteArray("elise.cote@example.ca") << false << true;
    QTest::newRow("plus and subdomain") << QByteArray("a+tax@mail.example.com") << false << true;
    QTest::newRow("capitals, hyphen") << QByteArray("LEE_ANN@MY-ISP.QC.CA") << false << true;
    QTest::newRow("no at") << QByteArray("elise.example.ca") << false << false;
    QTest::newRow("two ats") << QByteArray("elise@@example.ca") << false << false;
    QTest::newRow("nothing before at") << QByteArray("@example.ca") << false << false;
    QTest::newRow("no top-level domain") << QByteArray("elise@example") << false << false;
    QTest::newRow("one-letter top-level") << QByteArray("elise@example.c") << false << false;
    QTest::newRow("empty label") << QByteArray("elise@.ca") << false << false;
    QTest::newRow("blank inside") << QByteArray("elise cote@example.ca") << false << false;
    QTest::newRow("trailing blank") << QByteArray("elise@example.ca ") << false << false;
    QTest::newRow("empty") << QByteArray() << false << false;
    QTest::newRow("null") << QByteArray() << true << false;
}

void UtilsTest::email()
{
    QFETCH(QByteArray, address);
    QFETCH(bool, isNull);
    QFETCH(bool, good);
    QCOMPARE(checkEmail(isNull ? nullptr : address.constData()), good);
}

void UtilsTest::parseCSV_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QList<QStringList>>("rows");

    using Rows = QList<QStringList>;
    QTest::newRow("quoted commas") << QByteArray("a,\"b, c\",d\n") << Rows{{"a", "b, c", "d"}};
    QTest::newRow("doubled quotes") << QByteArray("\"say \"\"hi\"\"\",x\n")
                                    << Rows{{"say \"hi\"", "x"}};
    QTest::newRow("quoted line end") << QByteArray("\"one\ntwo\",3\n") << Rows{{"one\ntwo", "3"}};
    QTest::newRow("CRLF") << QByteArray("a,b\r\nc,d\r\n") << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("blank lines skipped") << QByteArray("\na\n\n\r\nb\n\n") << Rows{{"a"}, {"b"}};
    QTest::newRow("empty fields kept") << QByteArray("a,,c\n,\n,x,\n")
                                       << Rows{{"a", "", "c"}, {"", ""}, {"", "x", ""}};
    QTest::newRow("quoted empty field") << QByteArray("\"\"\n\"\",a") << Rows{{""}, {"", "a"}};
    QTest::newRow("no final line end") << QByteArray("a,b\nc") << Rows{{"a", "b"}, {"c"}};
    QTest::newRow("empty text") << QByteArray() << Rows{};
}

void UtilsTest::parseCSV()
{
    QFETCH(QByteArray, text);
    QFETCH(QList<QStringList>, rows);

    QList<QStringList> got;
    for (const auto& row : ParseCSV(text.toStdString())) {
        QStringList fields;
        for (const auto& field : row)
            fields << QString::fromStdString(field);
        got << fields;
    }
    QCOMPARE(got, rows);
}

void UtilsTest::dateStr_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("form");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("form 1") << QDate(2021, 3, 5) << 1 << QByteArray("20210305");
    QTest::newRow("form 2") << QDate(2021, 3, 5) << 2 << QByteArray("2021-03-05");
    QTest::newRow("form 2 year end") << QDate(2021, 12, 31) << 2 << QByteArray("2021-12-31");
    QTest::newRow("invalid form 1") << QDate() << 1 << QByteArray();
    QTest::newRow("invalid form 2") << QDate() << 2 << QByteArray();
    QTest::newRow("impossible day") << QDate(2021, 2, 29) << 1 << QByteArray();
}

void UtilsTest::dateStr()
{
    QFETCH(QDate, date);
    QFETCH(int, form);
    QFETCH(QByteArray, expected);
    QCOMPARE(GetDateStr(date, form).bytes(), expected);
}

void UtilsTest::makeFolderExists()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());

    const QString nested = tmp.filePath(QStringLiteral("returns/2021/Élise"));
    QVERIFY(::makeFolderExists(nested));
    QVERIFY(QFileInfo(nested).isDir());
    QVERIFY(::makeFolderExists(nested));   // already there

    const QString file = tmp.filePath(QStringLiteral("plain.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QVERIFY(!::makeFolderExists(file));
    QVERIFY(QFileInfo(file).isFile());
    QVERIFY(!::makeFolderExists(file + QStringLiteral("/below")));

    QVERIFY(!::makeFolderExists(QString()));
}

QTEST_APPLESS_MAIN(UtilsTest)
#include "tst_utils.moc"
