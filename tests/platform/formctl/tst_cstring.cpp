#include "cstring.h"

#include <QtTest>

class CStringTest : public QObject
{
    Q_OBJECT

private slots:
    void operations_data();
    void operations();
    void caseChangeKeepsUtf8Intact();
    void qstringRoundTripIsUtf8();
    void formatUsesPointDecimals();
    void emptiness();
};

namespace {
enum Op {
    Left, Right, Mid, MidCount, FindText, FindChar, ReverseFind,
    TrimLeft, TrimRight, Trim, TrimLeftChar, TrimRightChar,
    CompareNoCase, MakeUpper, MakeLower, Replace, Remove
};

// A number column value for rows that only yield text.
const int kNoNumber = -1000;

struct Outcome
{
    QByteArray text;
    int number = kNoNumber;
};

// Runs one operation; `text` is the resulting string (or the string after an
// in-place edit), `number` the index, count or sign it returns.
Outcome run(Op op, const QByteArray& input, int n, int m, const QByteArray& arg)
{
    CString s(input);
    Outcome out;
    switch (op) {
    case Left: out.text = s.Left(n).bytes(); break;
    case Right: out.text = s.Right(n).bytes(); break;
    case Mid: out.text = s.Mid(n).bytes(); break;
    case MidCount: out.text = s.Mid(n, m).bytes(); break;
    case FindText: out.number = s.Find(arg.constData(), n); break;
    case FindChar: out.number = s.Find(arg.at(0), n); break;
    case ReverseFind: out.number = s.ReverseFind(arg.at(0)); break;
    case TrimLeft: out.text = s.TrimLeft().bytes(); break;
    case TrimRight: out.text = s.TrimRight().bytes(); break;
    case Trim: out.text = s.Trim().bytes(); break;
    case TrimLeftChar: out.text = s.TrimLeft(arg.at(0)).bytes(); break;
    case TrimRightChar: out.text = s.TrimRight(arg.at(0)).bytes(); break;
    case CompareNoCase: {
        const int r = s.CompareNoCase(arg.constData());
        out.number = r < 0 ? -1 : (r > 0 ? 1 : 0);
        break;
    }
    case MakeUpper: out.text = s.MakeUpper().bytes(); break;
    case MakeLower: out.text = s.MakeLower().bytes(); break;
    case Replace: {
        const int sep = arg.indexOf('|');
        out.number = s.Replace(arg.left(sep).constData(), arg.mid(sep + 1).constData());
        out.text = s.bytes();
        break;
    }
    case Remove:
        out.number = s.Remove(arg.at(0));
        out.text = s.bytes();
        break;
    }
    return out;
}

void textRow(const char* name, Op op, const QByteArray& input, int n, int m, const QByteArray& arg,
             const QByteArray& want)
{
    QTest::newRow(name) << int(op) << input << n << m << arg << want << kNoNumber;
}

void numberRow(const char* name, Op op, const QByteArray& input, int n, const QByteArray& arg, int want)
{
    QTest::newRow(name) << int(op) << input << n << 0 << arg << QByteArray() << want;
}
} // namespace

void CStringTest::operations_data()
{
    QTest::addColumn<int>("op");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("m");
    QTest::addColumn<QByteArray>("arg");
    QTest::addColumn<QByteArray>("wantText");
    QTest::addColumn<int>("wantNumber");

    textRow("Left some", Left, "abcdef", 2, 0, {}, "ab");
    textRow("Left zero", Left, "abcdef", 0, 0, {}, "");
    textRow("Left negative", Left, "abcdef", -3, 0, {}, "");
    textRow("Left beyond length", Left, "abcdef", 99, 0, {}, "abcdef");
    textRow("Right some", Right, "abcdef", 2, 0, {}, "ef");
    textRow("Right zero", Right, "abcdef", 0, 0, {}, "");
    textRow("Right negative", Right, "abcdef", -1, 0, {}, "");
    textRow("Right beyond length", Right, "abcdef", 99, 0, {}, "abcdef");
    textRow("Mid to end", Mid, "abcdef", 4, 0, {}, "ef");
    textRow("Mid negative start is 0", Mid, "abcdef", -2, 0, {}, "abcdef");
    textRow("Mid start at length", Mid, "abcdef", 6, 0, {}, "");
    textRow("Mid count", MidCount, "abcdef", 1, 3, {}, "bcd");
    textRow("Mid count zero", MidCount, "abcdef", 1, 0, {}, "");
    textRow("Mid count negative", MidCount, "abcdef", 1, -2, {}, "");
    textRow("Mid count beyond length", MidCount, "abcdef", 3, 99, {}, "def");
    textRow("Mid start beyond length", MidCount, "abcdef", 9, 2, {}, "");

    numberRow("Find text", FindText, "hello world", 0, "lo", 3);
    numberRow("Find text from start", FindText, "hello hello", 1, "hello", 6);
    numberRow("Find text absent", FindText, "hello world", 0, "xyz", -1);
    numberRow("Find char from start", FindChar, "hello world", 5, "o", 7);
    numberRow("Find char negative start", FindChar, "hello world", -1, "h", -1);
    numberRow("Find char start beyond length", FindChar, "hello", 10, "o", -1);
    numberRow("ReverseFind present", ReverseFind, "a/b/c.txt", 0, "/", 3);
    numberRow("ReverseFind first char", ReverseFind, "xabc", 0, "x", 0);
    numberRow("ReverseFind absent", ReverseFind, "abc.txt", 0, "/", -1);
    numberRow("ReverseFind in empty", ReverseFind, "", 0, "/", -1);

    textRow("TrimLeft blanks tabs newlines", TrimLeft, " \t\r\n a b \n", 0, 0, {}, "a b \n");
    textRow("TrimRight blanks tabs newlines", TrimRight, " a b \t\r\n ", 0, 0, {}, " a b");
    textRow("Trim both keeps inner", Trim, "\n\t a  b\t \r\n", 0, 0, {}, "a  b");
    textRow("Trim all blank", Trim, " \t\n\r ", 0, 0, {}, "");
    textRow("TrimLeft all blank", TrimLeft, " \t\n ", 0, 0, {}, "");
    textRow("TrimRight all blank", TrimRight, " \t\n ", 0, 0, {}, "");
    textRow("TrimLeft char", TrimLeftChar, "000120", 0, 0, "0", "120");
    textRow("TrimRight char", TrimRightChar, "1.500", 0, 0, "0", "1.5");

    numberRow("CompareNoCase equal other case", CompareNoCase, "Quillmere ON", 0, "qUILLMERE on", 0);
    numberRow("CompareNoCase less", CompareNoCase, "abc", 0, "ABD", -1);
    numberRow("CompareNoCase greater", CompareNoCase, "abd", 0, "ABC", 1);
    numberRow("CompareNoCase prefix is less", CompareNoCase, "ab", 0, "ABC", -1);
    numberRow("CompareNoCase longer is greater", CompareNoCase, "ABC", 0, "ab", 1);
    numberRow("CompareNoCase both empty", CompareNoCase, "", 0, "", 0);

    textRow("MakeUpper ascii", MakeUpper, "k1a 0b1 x-y", 0, 0, {}, "K1A 0B1 X-Y");
    textRow("MakeLower ascii", MakeLower, "Jean-PAUL 9", 0, 0, {}, "jean-paul 9");

    QTest::newRow("Replace every match") << int(Replace) << QByteArray("a-b-c-") << 0 << 0 << QByteArray("-|, ")
                                         << QByteArray("a, b, c, ") << 3;
    QTest::newRow("Replace with nothing") << int(Replace) << QByteArray("1,234,567") << 0 << 0 << QByteArray(",|")
                                          << QByteArray("1234567") << 2;
    QTest::newRow("Replace absent") << int(Replace) << QByteArray("abc") << 0 << 0 << QByteArray("x|y")
                                    << QByteArray("abc") << 0;
    QTest::newRow("Replace empty needle") << int(Replace) << QByteArray("abc") << 0 << 0 << QByteArray("|y")
                                          << QByteArray("abc") << 0;
    QTest::newRow("Remove every match") << int(Remove) << QByteArray("046 454 286") << 0 << 0 << QByteArray(" ")
                                        << QByteArray("046454286") << 2;
    QTest::newRow("Remove absent") << int(Remove) << QByteArray("abc") << 0 << 0 << QByteArray("x")
                                   << QByteArray("abc") << 0;
}

void CStringTest::operations()
{
    QFETCH(int, op);
    QFETCH(QByteArray, input);
    QFETCH(int, n);
    QFETCH(int, m);
    QFETCH(QByteArray, arg);
    QFETCH(QByteArray, wantText);
    QFETCH(int, wantNumber);

    const Outcome got = run(Op(op), input, n, m, arg);
    QCOMPARE(got.number, wantNumber);
    if (wantNumber == kNoNumber || op == Replace || op == Remove)
        QCOMPARE(got.text, wantText);
}

// Names are UTF-8: a change of case must keep the text valid UTF-8 and
// change accented letters as well.
void CStringTest::caseChangeKeepsUtf8Intact()
{
    CString upper(QStringLiteral("Élise Côté 5 €"));
    upper.MakeUpper();
    QCOMPARE(upper.toQString(), QStringLiteral("ÉLISE CÔTÉ 5 €"));

    CString lower(QStringLiteral("ÉLISE CÔTÉ Ö"));
    lower.MakeLower();
    QCOMPARE(lower.toQString(), QStringLiteral("élise côté ö"));
}

void CStringTest::qstringRoundTripIsUtf8()
{
    const QString name = QStringLiteral("Élise Côté");
    const CString fromQ(name);
    QCOMPARE(fromQ.bytes(), name.toUtf8());
    QCOMPARE(fromQ.GetLength(), 13);   // three two-byte letters
    QCOMPARE(fromQ.toQString(), name);
    QCOMPARE(QString(fromQ), name);

    CString assigned;
    assigned = name;
    QCOMPARE(assigned, fromQ);

    const CString fromBytes("\xC3\x89lise C\xC3\xB4t\xC3\xA9");
    QCOMPARE(fromBytes.toQString(), name);
    QCOMPARE(CString(fromBytes.toQString()), fromBytes);
}

void CStringTest::formatUsesPointDecimals()
{
    CString s("left over");
    s.Format("%.2f|%d|%s", 1234.5, -7, "Côté");
    QCOMPARE(s.bytes(), QByteArray("1234.50|-7|Côté"));

    // Longer than any small fixed buffer a formatter might start with.
    const QByteArray longText(500, 'x');
    s.Format("<%s>", longText.constData());
    QCOMPARE(s.GetLength(), 502);
    QCOMPARE(s.bytes(), "<" + longText + ">");

    s.Format("%s", "");
    QVERIFY(s.IsEmpty());
}

void CStringTest::emptiness()
{
    CString s;
    QVERIFY(s.IsEmpty());
    QCOMPARE(s.GetLength(), 0);
    QCOMPARE(QByteArray(s.c_str()), QByteArray());

    s = "ab";
    QVERIFY(!s.IsEmpty());
    QCOMPARE(s.GetLength(), 2);

    s.Empty();
    QVERIFY(s.IsEmpty());
    QCOMPARE(s.GetLength(), 0);
    QCOMPARE(s, CString(""));
}

QTEST_APPLESS_MAIN(CStringTest)
#include "tst_cstring.moc"
