#include "ct1combobox.h"

#include <QSet>
#include <QtTest>

#include "formtables.h"

using Provinces = std::list<unsigned int>;
Q_DECLARE_METATYPE(Provinces)

namespace {

constexpr unsigned char kEfile = 1;
constexpr unsigned char kNetfile = 2;
constexpr unsigned int kOntario = 9;
constexpr unsigned int kBritishColumbia = 2;

QList<int> itemCodes(const QComboBox& combo)
{
    QList<int> codes;
    for (int i = 0; i < combo.count(); ++i)
        codes << combo.itemData(i).toInt();
    return codes;
}

QSet<int> listedForms(unsigned char edition, const Provinces& provinces, const QString& filter = QString())
{
    CT1ComboBox combo;
    combo.LoadTaxForms(edition, provinces, filter);
    const QList<int> codes = itemCodes(combo);
    return QSet<int>(codes.begin(), codes.end());
}

// Looked up by name, so the check follows the table rather than a number.
int formTypeNamed(const char* shortName)
{
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (qstrcmp(Global_Forms_Info[type].shortName, shortName) == 0)
            return type;
    return 0;
}

Provinces allProvinces()
{
    Provinces all;
    for (unsigned int p = 1; p <= 13; ++p)
        all.push_back(p);
    return all;
}

} // namespace

class CT1ComboBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void provincesInCodeOrder();
    void provinceNames_data();
    void provinceNames();
    void nonResidentChoicesFollowProvinces();
    void reloadingReplacesItems();
    void selectByCode_data();
    void selectByCode();
    void t183OnlyInEfile_data();
    void t183OnlyInEfile();
    void neverOffersExpiredOrSummaryForms_data();
    void neverOffersExpiredOrSummaryForms();
    void provincialFormsOnlyForListedProvinces_data();
    void provincialFormsOnlyForListedProvinces();
    void filterMatchesNumberOrTitle_data();
    void filterMatchesNumberOrTitle();
    void itemDataIsFormType();
};

void CT1ComboBoxTest::provincesInCodeOrder()
{
    CT1ComboBox combo;
    combo.LoadProvs();
    QCOMPARE(combo.count(), 14);
    QCOMPARE(combo.itemData(0).toInt(), 0);
    QCOMPARE(combo.itemText(0), QString());
    for (int p = 1; p <= 13; ++p) {
        QCOMPARE(combo.itemData(p).toInt(), p);
        QCOMPARE(combo.itemText(p), QString::fromUtf8(Global_Provs_Info[p].displayText));
    }
}

void CT1ComboBoxTest::provinceNames_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");

    QTest::newRow("first") << 1 << "Alberta";
    QTest::newRow("Nova Scotia before Northwest Territories") << 6 << "Nova Scotia";
    QTest::newRow("Ontario") << 9 << "Ontario";
    QTest::newRow("Quebec") << 11 << "Quebec";
    QTest::newRow("last") << 13 << "Yukon";
}

void CT1ComboBoxTest::provinceNames()
{
    QFETCH(int, code);
    QFETCH(QString, text);

    CT1ComboBox combo;
    combo.LoadProvs();
    QCOMPARE(combo.itemText(combo.findData(code)), text);
}

void CT1ComboBoxTest::nonResidentChoicesFollowProvinces()
{
    CT1ComboBox combo;
    combo.LoadProvsWithNonResident();
    QCOMPARE(combo.count(), 17);

    QList<int> expected;
    for (int code = 0; code <= 16; ++code)
        expected << code;
    QCOMPARE(itemCodes(combo), expected);
    for (int code = 14; code <= 16; ++code)
        QCOMPARE(combo.itemText(code), QString::fromUtf8(Global_Provs_Info[code].displayText));
    QVERIFY(combo.itemText(14).startsWith(QLatin1String("Non-resident")));
}

void CT1ComboBoxTest::reloadingReplacesItems()
{
    CT1ComboBox combo;
    combo.LoadProvsWithNonResident();
    combo.LoadProvs();
    QCOMPARE(combo.count(), 14);

    // A new filter lists its own forms only, as when the user types another one.
    combo.LoadTaxForms(kEfile, {}, QStringLiteral("t2125"));
    QCOMPARE(combo.count(), 2);
    combo.LoadTaxForms(kEfile, {}, QStringLiteral("Donations"));
    QCOMPARE(itemCodes(combo), QList<int>{formTypeNamed("Schedule 9")});
}

void CT1ComboBoxTest::selectByCode_data()
{
    QTest::addColumn<bool>("forms");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("found");

    QTest::newRow("province") << false << 9 << true;
    QTest::newRow("empty province choice") << false << 0 << true;
    QTest::newRow("unknown province") << false << 14 << false;
    QTest::newRow("negative code") << false << -1 << false;
    // Form items sit far from their codes, so position and code cannot be confused.
    QTest::newRow("form") << true << 125 << true;
    QTest::newRow("form by small code") << true << 9 << true;
    QTest::newRow("unlisted form") << true << 93 << false;
}

void CT1ComboBoxTest::selectByCode()
{
    QFETCH(bool, forms);
    QFETCH(int, code);
    QFETCH(bool, found);

    CT1ComboBox combo;
    if (forms)
        combo.LoadTaxForms(kEfile, {}, QString());
    else
        combo.LoadProvs();
    // Something else is selected first; an unknown code must not leave it.
    combo.setCurrentIndex(3);

    combo.SetCurSelData(code);
    if (found) {
        QCOMPARE(combo.currentData().toInt(), code);
    } else {
        QCOMPARE(combo.currentIndex(), -1);
        QVERIFY(!combo.currentData().isValid());
    }
}

void CT1ComboBoxTest::t183OnlyInEfile_data()
{
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("listed");

    QTest::newRow("EFILE") << int(kEfile) << true;
    QTest::newRow("NETFILE") << int(kNetfile) << false;
}

void CT1ComboBoxTest::t183OnlyInEfile()
{
    QFETCH(int, edition);
    QFETCH(bool, listed);

    const int t183 = formTypeNamed("T183");
    QCOMPARE(t183, 96);
    QCOMPARE(listedForms(edition, allProvinces()).contains(t183), listed);
    QCOMPARE(listedForms(edition, {}, QStringLiteral("T183")).contains(t183), listed);
    // The edition changes nothing else.
    QSet<int> efile = listedForms(kEfile, allProvinces());
    efile.remove(t183);
    QSet<int> netfile = listedForms(kNetfile, allProvinces());
    QCOMPARE(netfile, efile);
}

void CT1ComboBoxTest::neverOffersExpiredOrSummaryForms_data()
{
    QTest::addColumn<int>("edition");
    QTest::newRow("EFILE") << int(kEfile);
    QTest::newRow("NETFILE") << int(kNetfile);
}

void CT1ComboBoxTest::neverOffersExpiredOrSummaryForms()
{
    QFETCH(int, edition);

    const QSet<int> listed = listedForms(edition, allProvinces());
    QVERIFY(!listed.isEmpty());
    for (int type : {8, 19, 93, 159, 165})
        QVERIFY2(!listed.contains(type), qPrintable(QString::number(type)));
    for (int type : listed)
        QVERIFY2(!IsFormExpired(type, 0), qPrintable(QString::number(type)));
    // Current forms of the same kind stay.
    QVERIFY(listed.contains(formTypeNamed("Schedule 9")));
    QVERIFY(listed.contains(150));  // the current Schedule 8
    // A filter naming them does not bring them back.
    QVERIFY(listedForms(edition, allProvinces(), QStringLiteral("Tax Return Summary")).isEmpty());
    QVERIFY(listedForms(edition, allProvinces(), QStringLiteral("T2124")).isEmpty());
}

void CT1ComboBoxTest::provincialFormsOnlyForListedProvinces_data()
{
    QTest::addColumn<Provinces>("provinces");
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("listed");

    QTest::newRow("ON428 for Ontario") << Provinces{kOntario} << "ON428" << true;
    QTest::newRow("ON428 not for British Columbia") << Provinces{kBritishColumbia} << "ON428" << false;
    QTest::newRow("ON428 not without provinces") << Provinces{} << "ON428" << false;
    QTest::newRow("BC428 for British Columbia") << Provinces{kBritishColumbia} << "BC428" << true;
    QTest::newRow("ON479 for both") << Provinces{kBritishColumbia, kOntario} << "ON479" << true;
    QTest::newRow("BC479 for both") << Provinces{kBritishColumbia, kOntario} << "BC479" << true;
    QTest::newRow("AB428 not for the others") << Provinces{kBritishColumbia, kOntario} << "AB428" << false;
    QTest::newRow("federal form without provinces") << Provinces{} << "T2125" << true;
}

void CT1ComboBoxTest::provincialFormsOnlyForListedProvinces()
{
    QFETCH(Provinces, provinces);
    QFETCH(QString, form);
    QFETCH(bool, listed);

    const int type = formTypeNamed(form.toLatin1().constData());
    QVERIFY(type > 0);
    for (unsigned char edition : {kEfile, kNetfile}) {
        const QSet<int> forms = listedForms(edition, provinces);
        QCOMPARE(forms.contains(type), listed);
        for (int t : forms) {
            const int prov = getFormProv(t);
            QVERIFY2(prov == 0 || std::find(provinces.begin(), provinces.end(), unsigned(prov)) != provinces.end(),
                     Global_Forms_Info[t].shortName);
        }
    }
}

void CT1ComboBoxTest::filterMatchesNumberOrTitle_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<Provinces>("provinces");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("number in lower case") << "t2125" << Provinces{} << QList<int>{125, 131};
    QTest::newRow("part of number") << "T212" << Provinces{} << QList<int>{51, 125, 131};
    QTest::newRow("title word") << "Donations" << Provinces{} << QList<int>{9};
    QTest::newRow("title in upper case") << "DONATIONS AND" << Provinces{} << QList<int>{9};
    QTest::newRow("title of provincial forms") << "ontario" << Provinces{kOntario} << QList<int>{24, 25, 26, 27};
    QTest::newRow("provincial title, other province") << "ontario" << Provinces{kBritishColumbia} << QList<int>{};
    QTest::newRow("matches nothing") << "zzz-no-form" << Provinces{} << QList<int>{};
}

void CT1ComboBoxTest::filterMatchesNumberOrTitle()
{
    QFETCH(QString, filter);
    QFETCH(Provinces, provinces);
    QFETCH(QList<int>, expected);

    CT1ComboBox combo;
    combo.LoadTaxForms(kEfile, provinces, filter);
    QCOMPARE(itemCodes(combo), expected);
}

void CT1ComboBoxTest::itemDataIsFormType()
{
    CT1ComboBox combo;
    combo.LoadTaxForms(kEfile, allProvinces(), QString());
    QVERIFY(combo.count() > 50);
    for (int i = 0; i < combo.count(); ++i) {
        const int type = combo.itemData(i).toInt();
        QVERIFY(type >= 1 && type <= MAX_FORM_TYPE);
        const FormInfo& info = Global_Forms_Info[type];
        const QString text = combo.itemText(i);
        QVERIFY2(text.startsWith(QString::fromUtf8(info.shortName)) && text.contains(QString::fromUtf8(info.longName)),
                 qPrintable(QStringLiteral("%1 carries %2").arg(text).arg(type)));
    }
    QCOMPARE(combo.itemText(combo.findData(formTypeNamed("Schedule 9"))), QStringLiteral("Schedule 9 - Donations and Gifts"));
}

QTEST_MAIN(CT1ComboBoxTest)
#include "tst_ct1combobox.moc"
