// Known answers of the published hashes, MAC and encodings: the FIPS 180
// examples, RFC 4231, RFC 4648, and percent-encoding round trips.

#include <QtTest>

#include "encodings.h"
#include "hashes.h"

class TstHashes : public QObject
{
    Q_OBJECT

private slots:
    void shaKnownAnswers_data();
    void shaKnownAnswers();
    void hmacKnownAnswers_data();
    void hmacKnownAnswers();
    void base64KnownAnswers_data();
    void base64KnownAnswers();
    void urlEncoding_data();
    void urlEncoding();
    void urlDecodingLeavesWhatIsNotAnEscape_data();
    void urlDecodingLeavesWhatIsNotAnEscape();
};

void TstHashes::shaKnownAnswers_data()
{
    QTest::addColumn<QByteArray>("message");
    QTest::addColumn<int>("pieces"); // added in this many calls
    QTest::addColumn<QByteArray>("sha1");
    QTest::addColumn<QByteArray>("sha256");

    QTest::newRow("empty") << QByteArray() << 1 << QByteArray("da39a3ee5e6b4b0d3255bfef95601890afd80709")
                           << QByteArray("e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    QTest::newRow("abc") << QByteArray("abc") << 1 << QByteArray("a9993e364706816aba3e25717850c26c9cd0d89d")
                         << QByteArray("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    QTest::newRow("448 bits, in pieces")
        << QByteArray("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq") << 5
        << QByteArray("84983e441c3bd26ebaae4aa1f95129e5e54670f1")
        << QByteArray("248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    QTest::newRow("a million a") << QByteArray(1000000, 'a') << 7
                                 << QByteArray("34aa973cd4c4daa4f61eeb2bdbad27316534016f")
                                 << QByteArray("cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

void TstHashes::shaKnownAnswers()
{
    QFETCH(QByteArray, message);
    QFETCH(int, pieces);
    QFETCH(QByteArray, sha1);
    QFETCH(QByteArray, sha256);
    SHA1 one;
    SHA256 two;
    const int step = message.size() / pieces + 1;
    for (int at = 0; at < message.size(); at += step) {
        const QByteArray piece = message.mid(at, step);
        one.add(piece.constData(), size_t(piece.size()));
        two.add(piece.constData(), size_t(piece.size()));
    }
    unsigned char digest1[SHA1::kHashBytes];
    one.getHash(digest1);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(digest1), sizeof digest1).toHex(), sha1);
    unsigned char digest2[SHA256::kHashBytes];
    two.getHash(digest2);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(digest2), sizeof digest2).toHex(), sha256);
    QCOMPARE(QByteArray::fromStdString(two.getHash()), sha256);
}

void TstHashes::hmacKnownAnswers_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("mac");

    QTest::newRow("RFC 4231 case 1") << QByteArray(20, '\x0b') << QByteArray("Hi There")
                                     << QByteArray("b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7");
    QTest::newRow("RFC 4231 case 2") << QByteArray("Jefe") << QByteArray("what do ya want for nothing?")
                                     << QByteArray("5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843");
    QTest::newRow("RFC 4231 case 3") << QByteArray(20, '\xaa') << QByteArray(50, '\xdd')
                                     << QByteArray("773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe");
    QTest::newRow("RFC 4231 case 4")
        << QByteArray::fromHex("0102030405060708090a0b0c0d0e0f10111213141516171819") << QByteArray(50, '\xcd')
        << QByteArray("82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b");
    QTest::newRow("RFC 4231 case 6: key longer than the block")
        << QByteArray(131, '\xaa') << QByteArray("Test Using Larger Than Block-Size Key - Hash Key First")
        << QByteArray("60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54");
    QTest::newRow("RFC 4231 case 7: key and data longer than the block")
        << QByteArray(131, '\xaa')
        << QByteArray("This is a test using a larger than block-size key and a larger than block-size data. The key "
                      "needs to be hashed before being used by the HMAC algorithm.")
        << QByteArray("9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2");
}

void TstHashes::hmacKnownAnswers()
{
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, mac);
    unsigned char out[32];
    hmacSha256(data.constData(), size_t(data.size()), key.constData(), size_t(key.size()), out);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(out), sizeof out).toHex(), mac);
}

void TstHashes::base64KnownAnswers_data()
{
    QTest::addColumn<QByteArray>("in");
    QTest::addColumn<QByteArray>("out");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("f") << QByteArray("f") << QByteArray("Zg==");
    QTest::newRow("fo") << QByteArray("fo") << QByteArray("Zm8=");
    QTest::newRow("foo") << QByteArray("foo") << QByteArray("Zm9v");
    QTest::newRow("foob") << QByteArray("foob") << QByteArray("Zm9vYg==");
    QTest::newRow("fooba") << QByteArray("fooba") << QByteArray("Zm9vYmE=");
    QTest::newRow("foobar") << QByteArray("foobar") << QByteArray("Zm9vYmFy");
    QTest::newRow("high bytes and a NUL") << QByteArray("\xfb\xff\x00", 3) << QByteArray("+/8A");
}

void TstHashes::base64KnownAnswers()
{
    QFETCH(QByteArray, in);
    QFETCH(QByteArray, out);
    // The room asked for must be enough, and nothing past it is touched.
    const int room = Base64encode_len(in.size());
    QByteArray buffer(room + 8, '#');
    QCOMPARE(Base64encode(buffer.data(), in.constData(), in.size()), out.size() + 1);
    QCOMPARE(QByteArray(buffer.constData()), out);
    QCOMPARE(buffer.mid(room), QByteArray(8, '#'));
}

void TstHashes::urlEncoding_data()
{
    QTest::addColumn<QByteArray>("plain");
    QTest::addColumn<QByteArray>("encoded");
    QTest::newRow("empty") << QByteArray() << QByteArray();
    QTest::newRow("unreserved stay") << QByteArray("AZaz09-._~") << QByteArray("AZaz09-._~");
    QTest::newRow("blank and plus") << QByteArray("a b+c") << QByteArray("a%20b%2Bc");
    QTest::newRow("path") << QByteArray("/gol-ged/awsc/tdd/ws") << QByteArray("%2Fgol-ged%2Fawsc%2Ftdd%2Fws");
    QTest::newRow("form and query marks") << QByteArray("&=?%#") << QByteArray("%26%3D%3F%25%23");
    QTest::newRow("UTF-8 accent") << QByteArray("Montr\xc3\xa9" "al") << QByteArray("Montr%C3%A9al");
    QTest::newRow("Base64 text") << QByteArray("q+/Z0w==") << QByteArray("q%2B%2FZ0w%3D%3D");
    QTest::newRow("control bytes") << QByteArray("\x00\n\xff", 3) << QByteArray("%00%0A%FF");
}

void TstHashes::urlEncoding()
{
    QFETCH(QByteArray, plain);
    QFETCH(QByteArray, encoded);
    QCOMPARE(QByteArray::fromStdString(urlEncode(plain.toStdString())), encoded);
    QCOMPARE(QByteArray::fromStdString(urlDecode(encoded.toStdString())), plain);
    // Lower-case hex decodes the same.
    QCOMPARE(QByteArray::fromStdString(urlDecode(encoded.toLower().toStdString())).toLower(), plain.toLower());
}

void TstHashes::urlDecodingLeavesWhatIsNotAnEscape_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("decoded");
    QTest::newRow("plus stays plus") << QByteArray("a+b") << QByteArray("a+b");
    QTest::newRow("lone percent") << QByteArray("100%") << QByteArray("100%");
    QTest::newRow("one digit at the end") << QByteArray("x%4") << QByteArray("x%4");
    QTest::newRow("not hex") << QByteArray("%zz%4g") << QByteArray("%zz%4g");
    QTest::newRow("percent before an escape") << QByteArray("%%41") << QByteArray("%A");
    QTest::newRow("escaped percent not decoded twice") << QByteArray("%2541") << QByteArray("%41");
}

void TstHashes::urlDecodingLeavesWhatIsNotAnEscape()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, decoded);
    QCOMPARE(QByteArray::fromStdString(urlDecode(text.toStdString())), decoded);
}

QTEST_GUILESS_MAIN(TstHashes)
#include "tst_hashes.moc"
