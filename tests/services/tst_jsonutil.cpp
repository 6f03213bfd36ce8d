// The reader of the online services' JSON replies.

#include <QtTest>

#include "jsonutil.h"

class TstJsonUtil : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void missingMemberAfterParse();
};

void TstJsonUtil::parse_data()
{
    QTest::addColumn<QStringList>("replies"); // parsed in turn
    QTest::addColumn<int>("lastResult");
    QTest::addColumn<int>("points");          // -100: no "points" member held
    QTest::addColumn<QString>("status");      // "subscriptionStatus", "<none>" when missing

    const QString filler = QString(1024 - QStringLiteral("{\"points\":7,\"x\":\"\"}").size(), QLatin1Char('a'));
    const QString exact = QStringLiteral("{\"points\":7,\"x\":\"%1\"}").arg(filler);
    QCOMPARE(exact.size(), 1024);
    const QString oneMore = QStringLiteral("{\"points\":7,\"x\":\"%1a\"}").arg(filler);

    QTest::newRow("object") << QStringList{"{\"points\":12,\"subscriptionStatus\":\"active\"}"} << 0 << 12
                            << "active";
    QTest::newRow("1024 characters are read") << QStringList{exact} << 0 << 7 << "<none>";
    QTest::newRow("1025 characters are refused") << QStringList{oneMore} << 99 << -100 << "<none>";
    QTest::newRow("not JSON") << QStringList{"<html>Bad gateway</html>"} << 99 << -100 << "<none>";
    QTest::newRow("empty text") << QStringList{""} << 99 << -100 << "<none>";
    QTest::newRow("an array after an object keeps the object")
        << QStringList{"{\"points\":5,\"subscriptionStatus\":\"trial\"}", "[1,2,3]"} << 0 << 5 << "trial";
    QTest::newRow("a later object replaces the earlier")
        << QStringList{"{\"points\":5}", "{\"subscriptionStatus\":\"ended\"}"} << 0 << -100 << "ended";
    QTest::newRow("text after a good reply that is not JSON keeps the object")
        << QStringList{"{\"points\":3}", "oops"} << 99 << 3 << "<none>";
    QTest::newRow("a number that is not whole reads as 0") << QStringList{"{\"points\":2.5}"} << 0 << 0 << "<none>";
}

void TstJsonUtil::parse()
{
    QFETCH(QStringList, replies);
    QFETCH(int, lastResult);
    QFETCH(int, points);
    QFETCH(QString, status);

    JsonUtil json;
    int result = -1;
    for (const QString& reply : replies) result = json.parseString(reply);
    QCOMPARE(result, lastResult);
    QCOMPARE(json.status(), lastResult);

    int value = -100;
    QCOMPARE(json.getIntParam("points", value), points == -100 ? 99 : 0);
    QCOMPARE(value, points);
    QString text = "<none>";
    QCOMPARE(json.getStrParam("subscriptionStatus", text), status == "<none>" ? 99 : 0);
    QCOMPARE(text, status);
}

void TstJsonUtil::missingMemberAfterParse()
{
    JsonUtil json;
    QCOMPARE(json.parseString("{\"points\":12}"), 0);
    int value = 41;
    QCOMPARE(json.getIntParam("credits", value), 99);
    QCOMPARE(json.status(), 99);
    QCOMPARE(value, 41);
    QString text = "kept";
    QCOMPARE(json.getStrParam("subscription", text), 99);
    QCOMPARE(text, QString("kept"));
    // A found member sets the status back to success.
    QCOMPARE(json.getIntParam("points", value), 0);
    QCOMPARE(json.status(), 0);
    QCOMPARE(value, 12);
}

QTEST_APPLESS_MAIN(TstJsonUtil)
#include "tst_jsonutil.moc"
