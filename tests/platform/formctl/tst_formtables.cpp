#include "formtables.h"
#include "formtypes.h"

#include <QSet>
#include <QtTest>

class FormTablesTest : public QObject
{
    Q_OBJECT

private slots:
    void rowsAreIndexedByType();
    void javaIdsAreUniqueAndLegal();
    void formFacts_data();
    void formFacts();
    void formsOutsideRange_data();
    void formsOutsideRange();
    void slipsOutsideRange_data();
    void slipsOutsideRange();
    void provinces_data();
    void provinces();
    void provinceFromCode_data();
    void provinceFromCode();
    void mandatoryForms_data();
    void mandatoryForms();
    void provinceFormsBelongToTheirProvince();
    void federalFormsAreCurrentFederalForms();
    void taxWizardKindsAlwaysPresent();
    void namedTypes_data();
    void namedTypes();
    void everyTypeIsNamed();
};

namespace {
bool isJavaIdentifier(const QByteArray& id)
{
    if (id.isEmpty() || (id.at(0) >= '0' && id.at(0) <= '9'))
        return false;
    for (char c : id) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
        if (!ok)
            return false;
    }
    return true;
}
} // namespace

void FormTablesTest::rowsAreIndexedByType()
{
    for (int i = 0; i <= MAX_FORM_TYPE; ++i)
        QCOMPARE(Global_Forms_Info[i].type, i);
    for (int i = 0; i <= MAX_SLIP_TYPE; ++i)
        QCOMPARE(Global_Slips_Info[i].type, i);
    for (int i = 0; i <= MAX_TAXWIZARD_KIND; ++i)
        QCOMPARE(Global_TaxWizard_Info[i].kind, i);
    for (int i = 0; i <= MAX_PROVINCE; ++i)
        QCOMPARE(Global_Provs_Info[i].province, i);
}

// The report maker turns every form and slip into a Java class and an XML
// layout, expired ones included, so each needs its own legal name.
void FormTablesTest::javaIdsAreUniqueAndLegal()
{
    QSet<QByteArray> seen;
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        const FormInfo& row = Global_Forms_Info[type];
        const QByteArray id(row.javaId);
        QVERIFY2(isJavaIdentifier(id), qPrintable(QStringLiteral("form %1: '%2'").arg(type).arg(row.javaId)));
        QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("form %1 repeats '%2'").arg(type).arg(row.javaId)));
        seen.insert(id);
        QCOMPARE(QByteArray(row.xmlLayout), id + ".xml");
        QVERIFY(*row.shortName && *row.longName && *row.reportText);
        // Provincial forms only for provinces that have a library to make them.
        QVERIFY(row.province == 0 || (IsProvinceSupported(row.province) && *Global_Provs_Info[row.province].libFile));
    }
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type) {
        const SlipInfo& row = Global_Slips_Info[type];
        const QByteArray id(row.javaId);
        QVERIFY2(isJavaIdentifier(id), qPrintable(QStringLiteral("slip %1: '%2'").arg(type).arg(row.javaId)));
        QVERIFY2(!seen.contains(id), qPrintable(QStringLiteral("slip %1 repeats '%2'").arg(type).arg(row.javaId)));
        seen.insert(id);
        QVERIFY(QByteArray(row.name).startsWith(row.shortName));
    }
}

void FormTablesTest::formFacts_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("shortName");
    QTest::addColumn<bool>("multiple");
    QTest::addColumn<bool>("sfd");
    QTest::addColumn<bool>("sharable");
    QTest::addColumn<bool>("expired");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("dependants");

    //                                type  shortName       multi  sfd    share  exp    prov dep
    QTest::newRow("T1")           <<   1 << QByteArray("T1")          << false << false << false << false << 0  << false;
    QTest::newRow("summary")      <<  93 << QByteArray("Summary")     << false << false << false << false << 0  << false;
    QTest::newRow("Schedule 5")   <<   6 << QByteArray("Schedule 5")  << false << false << false << false << 0  << true;
    QTest::newRow("T776")         <<  12 << QByteArray("T776")        << true  << true  << true  << false << 0  << false;
    QTest::newRow("T2125")        << 125 << QByteArray("T2125")       << true  << true  << true  << false << 0  << false;
    QTest::newRow("commission")   << 131 << QByteArray("T2125")       << true  << true  << true  << false << 0  << false;
    QTest::newRow("T777")         <<  59 << QByteArray("T777")        << true  << true  << false << false << 0  << false;
    QTest::newRow("T2209")        <<  35 << QByteArray("T2209/T2036") << true  << false << false << false << 0  << false;
    QTest::newRow("T1273")        << 109 << QByteArray("T1273")       << true  << false << false << true  << 0  << false;
    QTest::newRow("old 19")       <<  19 << QByteArray("T2124")       << false << false << false << true  << 0  << false;
    QTest::newRow("old 22")       <<  22 << QByteArray("T2032")       << false << false << false << true  << 0  << false;
    QTest::newRow("old 33")       <<  33 << QByteArray("T2124")       << false << false << false << true  << 0  << false;
    QTest::newRow("old Sch 8")    <<   8 << QByteArray("Schedule 8")  << false << false << false << true  << 0  << false;
    QTest::newRow("Schedule 8")   << 150 << QByteArray("Schedule 8")  << false << false << false << false << 0  << false;
    QTest::newRow("ON(S2)")       <<  26 << QByteArray("ON(S2)")      << false << false << false << false << 9  << false;
    QTest::newRow("ON(S11)")      <<  27 << QByteArray("ON(S11)")     << false << false << false << false << 9  << false;
    QTest::newRow("AB(S2)")       <<  47 << QByteArray("AB(S2)")      << false << false << false << false << 1  << false;
    QTest::newRow("SK428")        <<  81 << QByteArray("SK428")       << false << false << false << false << 12 << true;
    QTest::newRow("YT(S2)")       << 110 << QByteArray("YT(S2)")      << false << false << false << false << 13 << false;
    QTest::newRow("YT(S11)")      << 111 << QByteArray("YT(S11)")     << false << false << false << false << 13 << false;
    QTest::newRow("T1159")        << 161 << QByteArray("T1159")       << false << false << false << false << 0  << false;
    QTest::newRow("unused 10")    <<  10 << QByteArray("F10")         << false << false << false << true  << 0  << false;
}

void FormTablesTest::formFacts()
{
    QFETCH(int, type);
    QFETCH(QByteArray, shortName);
    QFETCH(bool, multiple);
    QFETCH(bool, sfd);
    QFETCH(bool, sharable);
    QFETCH(bool, expired);
    QFETCH(int, province);
    QFETCH(bool, dependants);

    const FormInfo* info = formInfo(type);
    QVERIFY(info);
    QCOMPARE(QByteArray(info->shortName), shortName);
    QCOMPARE(IsMultipleForm(type), multiple);
    QCOMPARE(IsSFDForm(type), sfd);
    QCOMPARE(IsFormSharable(type), sharable);
    QCOMPARE(IsFormExpired(type, 0), expired);
    QCOMPARE(IsFormExpired(type, 1), expired);
    QCOMPARE(getFormProv(type), province);
    QCOMPARE((info->flags & FF_Dependants) != 0, dependants);
}

void FormTablesTest::formsOutsideRange_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("past the end") << MAX_FORM_TYPE + 1;
}

void FormTablesTest::formsOutsideRange()
{
    QFETCH(int, type);
    QVERIFY(!formInfo(type));
    QVERIFY(!IsMultipleForm(type));
    QVERIFY(!IsSFDForm(type));
    QVERIFY(!IsFormSharable(type));
    QVERIFY(!IsFormExpired(type, 0));
    QVERIFY(!IsFormMandatory(2, 9, type));
    QCOMPARE(getFormProv(type), 0);
}

void FormTablesTest::slipsOutsideRange_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -1;
    QTest::newRow("past the end") << MAX_SLIP_TYPE + 1;
}

void FormTablesTest::slipsOutsideRange()
{
    QFETCH(int, type);
    QVERIFY(!slipInfo(type));
    QVERIFY(!IsSlipSharable(type));
}

void FormTablesTest::provinces_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<bool>("hasLibrary");
    QTest::addColumn<bool>("supported");

    QTest::newRow("not chosen") << 0  << QByteArray()     << false << false;
    QTest::newRow("AB")         << 1  << QByteArray("AB") << true  << true;
    QTest::newRow("BC")         << 2  << QByteArray("BC") << true  << true;
    QTest::newRow("MB")         << 3  << QByteArray("MB") << true  << true;
    QTest::newRow("NB")         << 4  << QByteArray("NB") << true  << true;
    QTest::newRow("NL")         << 5  << QByteArray("NL") << true  << true;
    QTest::newRow("NS")         << 6  << QByteArray("NS") << true  << true;
    QTest::newRow("NT")         << 7  << QByteArray("NT") << true  << true;
    QTest::newRow("NU")         << 8  << QByteArray("NU") << true  << true;
    QTest::newRow("ON")         << 9  << QByteArray("ON") << true  << true;
    QTest::newRow("PE")         << 10 << QByteArray("PE") << true  << true;
    QTest::newRow("QC")         << 11 << QByteArray("QC") << false << true;
    QTest::newRow("SK")         << 12 << QByteArray("SK") << true  << true;
    QTest::newRow("YT")         << 13 << QByteArray("YT") << true  << true;
    QTest::newRow("non-res")    << 14 << QByteArray()     << false << false;
    QTest::newRow("T1159")      << 15 << QByteArray()     << false << false;
    QTest::newRow("s217")       << 16 << QByteArray()     << false << false;
}

void FormTablesTest::provinces()
{
    QFETCH(int, province);
    QFETCH(QByteArray, code);
    QFETCH(bool, hasLibrary);
    QFETCH(bool, supported);

    const ProvInfo& row = Global_Provs_Info[province];
    QCOMPARE(QByteArray(row.code), code);
    QCOMPARE(*row.libFile != '\0', hasLibrary);
    QCOMPARE(IsProvinceSupported(province), supported);
    QCOMPARE(provInfo(province) != nullptr, province != 0);
    QCOMPARE(*row.displayText != '\0', province != 0);
    if (!code.isEmpty())
        QCOMPARE(getProvince(code.constData()), province);
}

void FormTablesTest::provinceFromCode_data()
{
    QTest::addColumn<QByteArray>("text");  // a null array stands for a null pointer
    QTest::addColumn<int>("province");

    QTest::newRow("lower case")   << QByteArray("on")     << 9;
    QTest::newRow("padded")       << QByteArray(" QC ")   << 11;
    QTest::newRow("mixed, tabs")  << QByteArray("\tyT\n") << 13;
    QTest::newRow("empty")        << QByteArray("")       << 0;
    QTest::newRow("blank")        << QByteArray("   ")    << 0;
    QTest::newRow("null")         << QByteArray()         << 0;
    QTest::newRow("unknown")      << QByteArray("ZZ")     << 0;
    QTest::newRow("longer")       << QByteArray("ONT")    << 0;
    QTest::newRow("one letter")   << QByteArray("O")      << 0;
}

void FormTablesTest::provinceFromCode()
{
    QFETCH(QByteArray, text);
    QFETCH(int, province);
    QCOMPARE(getProvince(text.isNull() ? nullptr : text.constData()), province);
}

void FormTablesTest::mandatoryForms_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("province");
    QTest::addColumn<bool>("mandatory");

    QTest::newRow("T1, none")        << 1  << 0  << true;
    QTest::newRow("T1, ON")          << 1  << 9  << true;
    QTest::newRow("T1, QC")          << 1  << 11 << true;
    QTest::newRow("T1, T1159")       << 1  << 15 << true;
    QTest::newRow("ON428, ON")       << 24 << 9  << true;
    QTest::newRow("ON428, AB")       << 24 << 1  << false;
    QTest::newRow("ON428, none")     << 24 << 0  << false;
    QTest::newRow("ON479, ON")       << 25 << 9  << false;
    QTest::newRow("Schedule 2, ON")  << 3  << 9  << false;
}

void FormTablesTest::mandatoryForms()
{
    QFETCH(int, type);
    QFETCH(int, province);
    QFETCH(bool, mandatory);
    for (unsigned char edition : {1, 2})
        QCOMPARE(IsFormMandatory(edition, province, type), mandatory);
}

void FormTablesTest::provinceFormsBelongToTheirProvince()
{
    for (int province = 0; province <= MAX_PROVINCE; ++province) {
        const ProvinceFormsRecord& record = Province_Forms_Info[province];
        const bool hasLibrary = provInfo(province) && *provInfo(province)->libFile;
        QCOMPARE(record.count > 0, hasLibrary);
        QCOMPARE(record.entries != nullptr, hasLibrary);

        int madeOnChange = 0;
        for (int i = 0; i < record.count; ++i) {
            const ProvinceFormEntry& entry = record.entries[i];
            QCOMPARE(getFormProv(entry.formType), province);
            QVERIFY(!IsFormExpired(entry.formType, 0));
            // What a move into the province makes is exactly what the province requires.
            QCOMPARE(entry.makeOnProvinceChange != 0, IsFormMandatory(2, province, entry.formType));
            madeOnChange += entry.makeOnProvinceChange != 0;
        }
        QCOMPARE(madeOnChange, hasLibrary ? 1 : 0);
    }

    // Every mandatory provincial form is reachable through its province's list.
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        const int province = getFormProv(type);
        if (province == 0 || !IsFormMandatory(2, province, type))
            continue;
        const ProvinceFormsRecord& record = Province_Forms_Info[province];
        bool listed = false;
        for (int i = 0; i < record.count; ++i)
            listed = listed || record.entries[i].formType == type;
        QVERIFY2(listed, qPrintable(QStringLiteral("form %1").arg(type)));
        QVERIFY(Global_Forms_Info[type].flags & FF_Dependants);
    }
}

void FormTablesTest::federalFormsAreCurrentFederalForms()
{
    QVERIFY(Federal_Forms_Num > 0);
    QSet<int> seen;
    for (int i = 0; i < Federal_Forms_Num; ++i) {
        const int type = Federal_Forms_Info[i].formType;
        QVERIFY2(formInfo(type), qPrintable(QStringLiteral("entry %1").arg(i)));
        QCOMPARE(getFormProv(type), 0);
        QVERIFY(!IsFormExpired(type, 0));
        QVERIFY(!seen.contains(type));
        seen.insert(type);
    }
}

void FormTablesTest::taxWizardKindsAlwaysPresent()
{
    QVERIFY(!taxWizardInfo(0));
    QVERIFY(!taxWizardInfo(MAX_TAXWIZARD_KIND + 1));
    for (int kind = 1; kind <= MAX_TAXWIZARD_KIND; ++kind) {
        const TaxWizardInfo* info = taxWizardInfo(kind);
        QVERIFY(info);
        QVERIFY(*info->name);
        QCOMPARE(info->alwaysPresent, (unsigned char)1);
    }
}

namespace {

// The short name without its spaces and punctuation, as a name spells it.
QByteArray squashed(const char* text)
{
    QByteArray out;
    for (const char* c = text; *c; ++c)
        if ((*c >= 'A' && *c <= 'Z') || (*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9')) out += *c;
    return out;
}

struct NamedType
{
    const char* name;
    int type;
};

#define QM_ROW(name, type) {#name, type},
const NamedType kNamedForms[] = {QM_FORM_TYPES(QM_ROW)};
const NamedType kNamedSlips[] = {QM_SLIP_TYPES(QM_ROW)};
const NamedType kNamedKinds[] = {QM_INTERVIEW_KINDS(QM_ROW)};
#undef QM_ROW

} // namespace

// Each name is its type's short name without spaces and punctuation; where
// two types share a short name, the name starts with it and says which.
void FormTablesTest::namedTypes_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("shortName");
    QTest::addColumn<bool>("shared");   // another type has the same short name
    auto sharedForm = [](int type) {
        int same = 0;
        for (const NamedType& other : kNamedForms)
            if (squashed(formInfo(other.type)->shortName) == squashed(formInfo(type)->shortName)) ++same;
        return same > 1;
    };
    for (const NamedType& f : kNamedForms) {
        QVERIFY2(formInfo(f.type), f.name);
        QTest::newRow(QByteArray("form ") + f.name) << QByteArray(f.name) << squashed(formInfo(f.type)->shortName)
                                                    << sharedForm(f.type);
    }
    for (const NamedType& s : kNamedSlips) {
        QVERIFY2(slipInfo(s.type), s.name);
        QTest::newRow(QByteArray("slip ") + s.name) << QByteArray(s.name) << squashed(slipInfo(s.type)->shortName)
                                                    << false;
    }
    for (const NamedType& k : kNamedKinds) {
        QVERIFY2(taxWizardInfo(k.type), k.name);
        QTest::newRow(QByteArray("interview ") + k.name) << QByteArray(k.name)
                                                         << squashed(taxWizardInfo(k.type)->name) << false;
    }
}

void FormTablesTest::namedTypes()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, shortName);
    QFETCH(bool, shared);
    if (shared)
        QVERIFY2(name.startsWith(shortName), name + " is not named after " + shortName);
    else
        QCOMPARE(name, shortName);
}

// Every form type a class makes, every slip and every interview kind has its name, once.
void FormTablesTest::everyTypeIsNamed()
{
    QSet<int> forms, slips, kinds;
    auto collect = [](const auto& named, QSet<int>& types) {
        for (const NamedType& n : named) {
            QVERIFY2(!types.contains(n.type), n.name);
            types.insert(n.type);
        }
    };
    collect(kNamedForms, forms);
    collect(kNamedSlips, slips);
    collect(kNamedKinds, kinds);
    for (int type = 1; type <= MAX_FORM_TYPE; ++type) {
        const bool numberOnly = QByteArray(formInfo(type)->shortName) == "F" + QByteArray::number(type);
        QVERIFY2(forms.contains(type) != numberOnly, qPrintable(QStringLiteral("form type %1").arg(type)));
    }
    for (int type = 1; type <= MAX_SLIP_TYPE; ++type) QVERIFY2(slips.contains(type), qPrintable(QString::number(type)));
    for (int kind = 1; kind <= MAX_TAXWIZARD_KIND; ++kind) QVERIFY2(kinds.contains(kind), qPrintable(QString::number(kind)));
}

QTEST_APPLESS_MAIN(FormTablesTest)
#include "tst_formtables.moc"
