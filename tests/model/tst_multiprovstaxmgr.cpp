// The provincial libraries are real shared libraries loaded from the
// program's library folder: these tests load, route to and unload them.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "formtables.h"
#include "multiprovstaxmgr.h"
#include "prompt.h"
#include "taxdataform.h"
#include "utils.h"

namespace {

// The provincial form of `province` whose short name ends with `suffix` ("428").
int provincialForm(int province, const char* suffix)
{
    for (int type = 1; type <= MAX_FORM_TYPE; ++type)
        if (Global_Forms_Info[type].province == province && QByteArray(Global_Forms_Info[type].shortName).endsWith(suffix))
            return type;
    return 0;
}

std::list<unsigned int> active(const CMultiProvsTaxMgr& mgr)
{
    std::list<unsigned int> provinces;
    mgr.GetActiveProvinces(provinces);
    return provinces;
}

} // namespace

class MultiProvsTaxMgrTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { setProgramLibraryFolder(QString()); }
    void libraryPathComesFromTheTable_data();
    void libraryPathComesFromTheTable();
    void loadReuseAndReload();
    void unsupportedProvincesHaveNoManager_data();
    void unsupportedProvincesHaveNoManager();
    void missingLibraryIsReportedWithItsPath();
    void libraryWithoutEntryIsRefusedSilently();
    void modeOneLoadsEachFormsProvince();
    void modeZeroKeepsTheMainProvincesLibraryInCharge();
    void freeFormDataOnlyForItsOwnForms();
};

void MultiProvsTaxMgrTest::libraryPathComesFromTheTable_data()
{
    QTest::addColumn<int>("province");
    QTest::addColumn<QString>("file");
    QTest::newRow("Alberta") << 1 << "libqlmr21ab.so";
    QTest::newRow("Ontario") << 9 << "libqlmr21on.so";
    QTest::newRow("Yukon") << 13 << "libqlmr21yt.so";
    QTest::newRow("Quebec has none") << 11 << QString();
    QTest::newRow("not chosen") << 0 << QString();
    QTest::newRow("T1159 return") << 15 << QString();
}

void MultiProvsTaxMgrTest::libraryPathComesFromTheTable()
{
    QFETCH(int, province);
    QFETCH(QString, file);
    QString path;
    QCOMPARE(CMultiProvsTaxMgr::getProvLibFilePath(province, path), !file.isEmpty());
    if (!file.isEmpty()) {
        QVERIFY(path.endsWith("/" + file));
        QVERIFY(QFile::exists(path));
    }
}

void MultiProvsTaxMgrTest::loadReuseAndReload()
{
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    CProvincialTaxManager* on = mgr.getProvMgr(PROV_ON, false);
    QVERIFY(on);
    QCOMPARE(int(on->GetManagerProvince()), int(PROV_ON));
    QCOMPARE(mgr.getProvMgr(PROV_ON, false), on);
    QVERIFY(mgr.getProvMgr(PROV_BC, false));
    QCOMPARE(active(mgr), std::list<unsigned int>({2, 9}));
    // Reloading releases every library, the requested one too, and loads it anew.
    CProvincialTaxManager* again = mgr.getProvMgr(PROV_ON, true);
    QVERIFY(again);
    QCOMPARE(active(mgr), std::list<unsigned int>({9}));
    QCOMPARE(int(again->GetManagerProvince()), int(PROV_ON));
    mgr.killAll();
    QVERIFY(active(mgr).empty());
    QCOMPARE(mgr.FindRelatedForm1(3), 0);
}

void MultiProvsTaxMgrTest::unsupportedProvincesHaveNoManager_data()
{
    QTest::addColumn<int>("province");
    QTest::newRow("not chosen") << 0;
    QTest::newRow("Quebec") << 11;
    QTest::newRow("non-resident") << 14;
    QTest::newRow("T1159") << 15;
    QTest::newRow("negative") << -1;
}

void MultiProvsTaxMgrTest::unsupportedProvincesHaveNoManager()
{
    QFETCH(int, province);
    Prompt::Scripted prompts;
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    mgr.setMainProvince(province);
    QVERIFY(!mgr.getProvMgr(province, true));
    QVERIFY(active(mgr).empty());
    // With no manager every forwarded question answers its empty value.
    double amount = 1;
    QVERIFY(!mgr.getProvAmountClaimed(58040, amount));
    QVERIFY(!mgr.setProvAmountClaimed(58040, 1));
    QCOMPARE(mgr.FindRelatedForm1(3), 0);
    QVERIFY(!mgr.NewWizardData());
    QVERIFY(mgr.FreeWizardData());
    QCOMPARE(mgr.IsEligibleForElectronicFile(), 0);
    std::list<double> thresholds;
    QCOMPARE(mgr.GetIncomeThresholds(thresholds), 0);
    QVERIFY(!mgr.IsNonRefTaxCreditAllUsed());
    QVERIFY(mgr.AnyMsgBeforeNetfile(nullptr, nullptr));
    QVERIFY(prompts.asked().isEmpty());   // no library means no message either
}

void MultiProvsTaxMgrTest::missingLibraryIsReportedWithItsPath()
{
    QTemporaryDir empty;
    setProgramLibraryFolder(empty.path());
    Prompt::Scripted prompts;
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    QVERIFY(!mgr.getProvMgr(PROV_ON, false));
    QCOMPARE(prompts.titles(), QStringList({"file path"}));
    QCOMPARE(prompts.texts(), QStringList({empty.filePath("libqlmr21on.so")}));
}

void MultiProvsTaxMgrTest::libraryWithoutEntryIsRefusedSilently()
{
    QTemporaryDir folder;
    QVERIFY(QFile::copy(programLibraryFolder() + "/libqlmr21nomgr.so", folder.filePath("libqlmr21on.so")));
    setProgramLibraryFolder(folder.path());
    Prompt::Scripted prompts;
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    QVERIFY(!mgr.getProvMgr(PROV_ON, false));
    QVERIFY(active(mgr).empty());
    QVERIFY(prompts.asked().isEmpty());
}

void MultiProvsTaxMgrTest::modeOneLoadsEachFormsProvince()
{
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_NEW, nullptr);
    mgr.setMainProvince(PROV_ON);
    mgr.getProvMgr(PROV_ON, true);
    const int bc428 = provincialForm(PROV_BC, "428");
    QVERIFY(bc428);
    CTaxData_Form* form = mgr.NewFormData(bc428, true);
    QVERIFY(form);
    QCOMPARE(int(form->getType()), bc428);
    QCOMPARE(active(mgr), std::list<unsigned int>({2, 9}));
    QVERIFY(mgr.FreeFormData(form, true));
    // A federal type is no library's.
    QVERIFY(!mgr.NewFormData(1, true));
    QCOMPARE(active(mgr), std::list<unsigned int>({2, 9}));
}

void MultiProvsTaxMgrTest::modeZeroKeepsTheMainProvincesLibraryInCharge()
{
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    mgr.setMainProvince(PROV_ON);
    mgr.getProvMgr(PROV_ON, true);
    const int on428 = provincialForm(PROV_ON, "428");
    CTaxData_Form* own = mgr.NewFormData(on428, false);
    QVERIFY(own);
    // A file may hold a form of another province: its own library makes it.
    const int bc428 = provincialForm(PROV_BC, "428");
    CTaxData_Form* other = mgr.NewFormData(bc428, false);
    QVERIFY(other);
    QCOMPARE(int(other->getType()), bc428);
    QCOMPARE(active(mgr), std::list<unsigned int>({2, 9}));
    // British Columbia is now the lowest loaded province, yet Ontario's
    // library keeps answering for the return.
    QCOMPARE(mgr.FindRelatedForm1(3), provincialForm(PROV_ON, "(S2)"));
    QCOMPARE(int(mgr.firstManager()->GetManagerProvince()), int(PROV_ON));
    CTaxData_Form* wizard = mgr.NewWizardData();
    QVERIFY(wizard);
    QVERIFY(mgr.FreeFormData(own, true));
    QVERIFY(mgr.FreeFormData(other, true));
    QVERIFY(mgr.FreeWizardData());
}

void MultiProvsTaxMgrTest::freeFormDataOnlyForItsOwnForms()
{
    CMultiProvsTaxMgr mgr(MULTIPROV_MODE_FILE, nullptr);
    mgr.setMainProvince(PROV_ON);
    mgr.getProvMgr(PROV_ON, true);
    CTaxData_Form notALibraryForm(FROM_FORM, 9);
    QVERIFY(!mgr.FreeFormData(&notALibraryForm, true));
}

QTEST_GUILESS_MAIN(MultiProvsTaxMgrTest)
#include "tst_multiprovstaxmgr.moc"
