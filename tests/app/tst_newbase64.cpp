#include "newbase64.h"

#include <vector>

#include <QtTest>

namespace {
const unsigned char kSentinel = 0xEE;

struct Encoded
{
    int rc = 0;
    unsigned long length = 0;   // as reported, NUL included
    QByteArray text;            // without the NUL
    bool nulTerminated = false;
};

Encoded encode(const QByteArray& in)
{
    const unsigned long size = 4 * (static_cast<unsigned long>(in.size()) / 3) + 9;
    std::vector<unsigned char> out(size, kSentinel);
    Encoded e;
    e.length = size;
    e.rc = newbase64_encode(reinterpret_cast<const unsigned char*>(in.constData()),
                            static_cast<unsigned long>(in.size()), out.data(), &e.length);
    if (e.rc == 0 && e.length >= 1 && e.length <= size) {
        e.text = QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<int>(e.length - 1));
        e.nulTerminated = out[e.length - 1] == 0;
    }
    return e;
}

QByteArray decode(const QByteArray& in, int* rc = nullptr)
{
    std::vector<unsigned char> out(static_cast<size_t>(in.size()) + 1, kSentinel);
    unsigned long length = out.size();
    const int r = newbase64_decode(reinterpret_cast<const unsigned char*>(in.constData()),
                                   static_cast<unsigned long>(in.size()), out.data(), &length);
    if (rc) *rc = r;
    if (r != 0) return QByteArray("<failed>");
    return QByteArray(reinterpret_cast<const char*>(out.data()), static_cast<int>(length));
}

// Independent reference: standard Base64 of the input completed with zero
// bytes to whole groups, letter case exchanged, a line feed after digit 72.
QByteArray reference(QByteArray in)
{
    while (in.size() % 3) in.append('\0');
    QByteArray digits = in.toBase64();
    for (char& c : digits) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    if (digits.size() >= 72) digits.insert(72, '\n');
    return digits;
}

QByteArray pattern(int length)
{
    QByteArray bytes;
    for (int i = 0; i < length; ++i) bytes.append(static_cast<char>((i * 37 + 11) & 0xFF));
    return bytes;
}
} // namespace

class NewBase64Test : public QObject
{
    Q_OBJECT

private slots:
    void encodeVectors_data();
    void encodeVectors();
    void matchesReferenceAndRoundTrips();
    void encodeBufferLimit_data();
    void encodeBufferLimit();
    void decodeVectors_data();
    void decodeVectors();
    void decodeBufferLimit();
};

void NewBase64Test::encodeVectors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("abc") << QByteArray("abc") << QByteArray("ywjJ");
    QTest::newRow("Man") << QByteArray("Man") << QByteArray("twfU");
    QTest::newRow("one byte: two padding digits") << QByteArray("a") << QByteArray("yqaa");
    QTest::newRow("two bytes: one padding digit") << QByteArray("ab") << QByteArray("ywia");
    QTest::newRow("zero bytes") << QByteArray(3, '\0') << QByteArray("aaaa");
    QTest::newRow("digits 7 and 9, slashes") << QByteArray("\xFF\xFE\xFD") << QByteArray("//79");
    QTest::newRow("pluses") << QByteArray("\xFB\xEF\xBE") << QByteArray("++++");
    QTest::newRow("54 bytes: line feed after 72 digits")
        << QByteArray(54, 'x') << QByteArray("EhH4").repeated(18) + '\n';
    QTest::newRow("60 bytes: 72 digits, line feed, 8 digits")
        << QByteArray(60, 'x') << QByteArray("EhH4").repeated(18) + '\n' + QByteArray("EhH4").repeated(2);
    QTest::newRow("53 bytes: completed group ends at digit 72")
        << QByteArray(51, 'x') + "ab" << QByteArray("EhH4").repeated(17) + "ywia" + '\n';
}

void NewBase64Test::encodeVectors()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);

    const Encoded e = encode(input);
    QCOMPARE(e.rc, 0);
    QCOMPARE(e.text, expected);
    QCOMPARE(e.length, static_cast<unsigned long>(expected.size() + 1));
    QVERIFY(e.nulTerminated);
}

void NewBase64Test::matchesReferenceAndRoundTrips()
{
    // Every length up to well past the line feed, every byte value.
    for (int length = 0; length <= 160; ++length) {
        const QByteArray input = pattern(length);
        const Encoded e = encode(input);
        QCOMPARE(e.rc, 0);
        QCOMPARE(e.text, reference(input));
        QCOMPARE(e.text.count('\n'), length >= 52 ? 1 : 0);

        QByteArray completed = input;
        while (completed.size() % 3) completed.append('\0');
        int rc = -1;
        QCOMPARE(decode(e.text, &rc), completed);
        QCOMPARE(rc, 0);
    }
}

void NewBase64Test::encodeBufferLimit_data()
{
    QTest::addColumn<int>("length");
    QTest::newRow("empty") << 0;
    QTest::newRow("one byte") << 1;
    QTest::newRow("three bytes") << 3;
    QTest::newRow("54 bytes") << 54;
    QTest::newRow("61 bytes") << 61;
}

void NewBase64Test::encodeBufferLimit()
{
    QFETCH(int, length);
    const QByteArray input = pattern(length);
    const unsigned char* in = reinterpret_cast<const unsigned char*>(input.constData());
    const unsigned long needed = 4 * (static_cast<unsigned long>(length) / 3) + 9;

    std::vector<unsigned char> out(needed, kSentinel);
    unsigned long size = needed - 1;
    QCOMPARE(newbase64_encode(in, static_cast<unsigned long>(length), out.data(), &size), -1);
    QCOMPARE(size, needed - 1);
    for (unsigned char c : out) QCOMPARE(c, kSentinel);

    size = needed;
    QCOMPARE(newbase64_encode(in, static_cast<unsigned long>(length), out.data(), &size), 0);
    QVERIFY(size >= 1 && size <= needed);
    QCOMPARE(out[size - 1], static_cast<unsigned char>(0));
}

void NewBase64Test::decodeVectors_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("abc") << QByteArray("ywjJ") << QByteArray("abc");
    QTest::newRow("padding digits come back as zero bytes") << QByteArray("yqaa") << QByteArray("a\0\0", 3);
    QTest::newRow("line feed skipped") << QByteArray("yw\njJ") << QByteArray("abc");
    QTest::newRow("equals signs skipped") << QByteArray("ywjJ==") << QByteArray("abc");
    QTest::newRow("other characters skipped") << QByteArray("y*w jJ\r") << QByteArray("abc");
    QTest::newRow("incomplete last group dropped") << QByteArray("ywjJywj") << QByteArray("abc");
    QTest::newRow("fewer than four digits") << QByteArray("ywj") << QByteArray();
    QTest::newRow("no digits at all") << QByteArray("==\n") << QByteArray();
    QTest::newRow("standard alphabet is not ours") << QByteArray("YWJj") << QByteArray("\xCB\x08\xC9", 3);
}

void NewBase64Test::decodeVectors()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, expected);
    int rc = -1;
    QCOMPARE(decode(input, &rc), expected);
    QCOMPARE(rc, 0);
}

void NewBase64Test::decodeBufferLimit()
{
    const QByteArray input("ywjJywjJ");   // six bytes
    const unsigned char* in = reinterpret_cast<const unsigned char*>(input.constData());

    std::vector<unsigned char> out(6, kSentinel);
    unsigned long size = 5;
    QCOMPARE(newbase64_decode(in, static_cast<unsigned long>(input.size()), out.data(), &size), -1);
    QCOMPARE(size, 5ul);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), 5), QByteArray("abcab"));
    QCOMPARE(out[5], kSentinel);

    size = 6;
    QCOMPARE(newbase64_decode(in, static_cast<unsigned long>(input.size()), out.data(), &size), 0);
    QCOMPARE(size, 6ul);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out.data()), 6), QByteArray("abcabc"));

    // An empty input needs no room at all.
    size = 0;
    QCOMPARE(newbase64_decode(in, 0, out.data(), &size), 0);
    QCOMPARE(size, 0ul);
}

QTEST_GUILESS_MAIN(NewBase64Test)
#include "tst_newbase64.moc"
