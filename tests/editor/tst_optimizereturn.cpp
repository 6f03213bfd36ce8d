// The optimise command as a user drives it: the shareable-amounts page and
// its seeding from the open return, the optimise dialog on the optimised
// copy, and what reaches the open return when the dialog closes.

#include <functional>
#include <memory>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QWizard>

#include "apptestmain.h"
#include "dlgoptimizereturn.h"
#include "editortestsupport.h"
#include "federalforms.h"
#include "formtypes.h"
#include "prompt.h"
#include "shareamountdata.h"
#include "shareamtdlg_tab1.h"
#include "styledwidgets.h"
#include "taxdataform.h"
#include "taxformpage.h"
#include "wizardbase.h"

using namespace EditorTest;

namespace {

const QString kCouple = QStringLiteral("retired_couple_pension_split_on");
const QString kNotCoupled = QStringLiteral(
    "Right now, optimize function is only targeted coupled tax return for married/common-law tax returns.");
const QString kNoPensioner = QStringLiteral("Please answer who is the pension transferer in form T1032 first.");
const QString kNotSet =
    QStringLiteral("The pension split was not set: form T1032 must be in both spouses' returns.");

using Edit = std::function<void(QJsonObject&)>;

void addForm(QJsonObject& root, const char* person, const QJsonObject& form)
{
    QJsonObject p = root.value(person).toObject();
    QJsonArray forms = p.value("forms").toArray();
    forms.append(form);
    p.insert("forms", forms);
    root.insert(person, p);
}

// The spouse is the pensioner: the two persons change places (the family
// gives each spouse the election).
void spousePensioner(QJsonObject& root)
{
    const QJsonValue taxpayer = root.value("taxpayer");
    root.insert("taxpayer", root.value("spouse"));
    root.insert("spouse", taxpayer);
    root.remove("expected");
}

// The open return loses the spouse's copy of the election.
void dropSpouseT1032(CFamilyTaxData* family)
{
    IndividualTaxData* spouse = family->spouse();
    spouse->RemoveFormData(spouse->GetFormData(FormType::T1032, false), true);
}

void noT1032(QJsonObject& root)
{
    QJsonObject p = root.value("taxpayer").toObject();
    p.insert("forms", QJsonArray());
    root.insert("taxpayer", p);
}

void taxpayerDonation(QJsonObject& root)
{
    addForm(root, "taxpayer",
            QJsonObject{{"type", 9},
                        {"fields", QJsonObject{{"donations", QJsonArray{QJsonObject{{"name", "Food Bank"},
                                                                                   {"amount", 800}}}}}}});
}

TaxData_T1032_New* t1032Of(IndividualTaxData* person)
{
    return dynamic_cast<TaxData_T1032_New*>(person->GetFormData(FormType::T1032, false));
}

QString cents(double value)
{
    return QString::number(value, 'f', 2);
}

// The holder as the command seeds it (it makes each missing Schedule 9).
void seed(CFamilyTaxData& family, DataShareAmtDlg& shares)
{
    shares.fld_Donation_1_Claimed->SetValue(
        family.taxpayer()->GetFormData(FormType::Schedule9, true)->getFloat("total_eligible_donations"));
    shares.fld_Donation_2_Claimed->SetValue(
        family.spouse()->GetFormData(FormType::Schedule9, true)->getFloat("total_eligible_donations"));
    for (IndividualTaxData* person : {family.taxpayer(), family.spouse()}) {
        TaxData_T1032_New* form = t1032Of(person);
        if (!form || form->role() != TaxData_T1032_New::ROLE_PENSIONER) continue;
        shares.fld_Pension_1_Claimed->SetValue(form->getFloat("split_amount"));
        shares.fld_Pension_2_Claimed->SetValue(form->getFloat("split_amount"));
        shares.fld_Pension_1->SetValue(form->getFloat("max_split"));
        shares.fld_Pension_2->SetValue(form->getFloat("max_split"));
        return;
    }
}

// The couple's return, changed by `edit` when given.
std::unique_ptr<CFamilyTaxData> built(const Edit& edit = {}) { return builtScenario(kCouple, edit); }

// Drives each modal widget once, as it comes up.
class ModalDriver
{
public:
    explicit ModalDriver(std::function<void(QWidget*)> drive) : m_drive(std::move(drive))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == m_last) return;
            m_last = modal;
            m_seen << QString::fromLatin1(modal->metaObject()->className());
            m_drive(modal);
        });
        m_timer.start(10);
    }
    QStringList seen() const { return m_seen; }

private:
    std::function<void(QWidget*)> m_drive;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QStringList m_seen;
};

template <typename T>
T* child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

QString text(QWidget* parent, const char* name)
{
    if (auto* label = child<QLabel>(parent, name)) return label->text();
    if (auto* edit = child<QLineEdit>(parent, name)) return edit->text();
    return QStringLiteral("<missing %1>").arg(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class OptimizeReturnTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
        installTaxFormPages();
        QVERIFY(m_dir.isValid());
    }
    void shareablePageCapsDonations_data();
    void shareablePageCapsDonations();
    void seedingFromTheOpenReturn_data();
    void seedingFromTheOpenReturn();
    void refusalsOpenNothing_data();
    void refusalsOpenNothing();
    void dialogShowsTheOptimisedCopy_data();
    void dialogShowsTheOptimisedCopy();
    void firstDisplayRecalculatesAtTheSliders();
    void reCalculateRestoresTheStart();
    void closingTheDialog_data();
    void closingTheDialog();
    void typedNamesShowAsText();

private:
    struct Opened
    {
        std::unique_ptr<MainWindow> window;
        Form_Return* editor = nullptr;
    };
    Opened open(const QString& name, const Edit& edit)
    {
        Opened out;
        const QString path = scenarioFileIn(m_dir.path(), kCouple, name + QStringLiteral(".r21"), edit);
        out.window.reset(MainWindow::getInstance(nullptr));
        out.window->show();
        out.editor = openInEditor(out.window.get(), path);
        return out;
    }
    static void optimize(MainWindow* window)
    {
        window->findChild<QAction*>(QStringLiteral("actionOptimize"))->trigger();
        QCoreApplication::processEvents();
    }
    // The open return as it was, with the Schedule 9 that seeding makes.
    static std::unique_ptr<CFamilyTaxData> afterSeeding(const CFamilyTaxData& before)
    {
        auto out = std::make_unique<CFamilyTaxData>(before.mode());
        *out = before;
        out->taxpayer()->GetFormData(FormType::Schedule9, true);
        out->spouse()->GetFormData(FormType::Schedule9, true);
        return out;
    }
    QTemporaryDir m_dir;
};

void OptimizeReturnTest::shareablePageCapsDonations_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored");
    // Each person's claimed amounts are 300 (taxpayer) and 200 (spouse).
    QTest::newRow("taxpayer's donation above the claimed") << "fld_Donation_1" << "500" << 300.0;
    QTest::newRow("spouse's donation above the claimed") << "fld_Donation_2" << "250.50" << 200.0;
    QTest::newRow("donation within the claimed") << "fld_Donation_1" << "120.25" << 120.25;
    QTest::newRow("unclaimed donation") << "fld_Donation_3" << "900" << 900.0;
    QTest::newRow("interest above the claimed") << "fld_BankInterest_1" << "900" << 900.0;
    QTest::newRow("capital gain above the claimed") << "fld_CapGain_2" << "5000" << 5000.0;
}

void OptimizeReturnTest::shareablePageCapsDonations()
{
    QFETCH(QString, cell);
    QFETCH(QString, typed);
    QFETCH(double, stored);
    auto family = built();
    QVERIFY(family);
    DataShareAmtDlg shares;
    for (CFloatField* claimed : {shares.fld_Donation_1_Claimed, shares.fld_BankInterest_1_Claimed,
                                 shares.fld_CapGain_1_Claimed})
        claimed->SetValue(300);
    for (CFloatField* claimed : {shares.fld_Donation_2_Claimed, shares.fld_BankInterest_2_Claimed,
                                 shares.fld_CapGain_2_Claimed})
        claimed->SetValue(200);
    auto* page = new ShareAmtDlg_tab1(&shares, family.get(), nullptr);
    WizardBase wizard(nullptr, QStringLiteral("Identify Shareable Amounts"));
    wizard.addPage(page);
    wizard.show();

    auto* edit = page->findChild<DoubleLineEdit*>(cell);
    QVERIFY(edit);
    QVERIFY(edit->isEnabled());
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    auto* field = dynamic_cast<CFloatField*>(shares.field(CString(cell)));
    QVERIFY(field);
    QCOMPARE(field->GetValue(), stored);
    QCOMPARE(edit->text(), cents(stored));
}

void OptimizeReturnTest::seedingFromTheOpenReturn_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("pensioner");   // 0 none, 1 the taxpayer, 2 the spouse
    QTest::addColumn<double>("donation1");
    QTest::newRow("no T1032") << Edit(noT1032) << 0 << 0.0;
    QTest::newRow("the taxpayer the pensioner") << Edit(taxpayerDonation) << 1 << 800.0;
    QTest::newRow("the spouse the pensioner") << Edit(spousePensioner) << 2 << 0.0;
}

void OptimizeReturnTest::seedingFromTheOpenReturn()
{
    QFETCH(Edit, edit);
    QFETCH(int, pensioner);
    QFETCH(double, donation1);
    Prompt::Scripted prompts;
    Opened o = open(QTest::currentDataTag(), edit);
    QVERIFY(o.editor);
    CFamilyTaxData* data = o.editor->familyData();
    CFamilyTaxData before(data->mode());
    before = *data;
    double split = 0, maxSplit = 0;
    if (pensioner) {
        TaxData_T1032_New* form = t1032Of(pensioner == 1 ? data->taxpayer() : data->spouse());
        QVERIFY(form && form->role() == TaxData_T1032_New::ROLE_PENSIONER);
        split = form->getFloat("split_amount");
        maxSplit = form->getFloat("max_split");
        QVERIFY(split > 0 || maxSplit > 0);
    }

    QMap<QString, QString> shown;
    QStringList disabled;
    QString title, finish, names;
    QSize size;
    ModalDriver driver([&](QWidget* modal) {
        auto* wizard = qobject_cast<QWizard*>(modal);
        if (!wizard) return modal->close();
        title = wizard->windowTitle();
        size = wizard->size();
        finish = wizard->buttonText(QWizard::FinishButton);
        names = text(wizard, "FullName1") + QLatin1Char('|') + text(wizard, "FullName2");
        for (DoubleLineEdit* cell : wizard->findChildren<DoubleLineEdit*>()) {
            shown.insert(cell->objectName(), cell->text());
            if (!cell->isEnabled()) disabled << cell->objectName();
        }
        wizard->reject();
        return true;
    });
    optimize(o.window.get());

    QCOMPARE(driver.seen(), QStringList{QStringLiteral("WizardBase")});
    QCOMPARE(title, QStringLiteral("Identify Shareable Amounts"));
    QCOMPARE(size, QSize(860, 500));
    QCOMPARE(finish, QStringLiteral("Optimize"));
    CString name1, name2;
    data->taxpayer()->getFedStringClaimed(17, name1);
    data->spouse()->getFedStringClaimed(17, name2);
    QCOMPARE(names, name1.toQString() + QLatin1Char('|') + name2.toQString());
    QCOMPARE(shown.size(), 19);
    for (const char* cell : {"fld_Pension_1_Claimed", "fld_Pension_2_Claimed"}) QCOMPARE(shown.value(cell), cents(split));
    for (const char* cell : {"fld_Pension_1", "fld_Pension_2"}) QCOMPARE(shown.value(cell), cents(maxSplit));
    QCOMPARE(shown.value("fld_Donation_1_Claimed"), cents(donation1));
    QCOMPARE(shown.value("fld_Donation_2_Claimed"), cents(0));
    for (const char* cell : {"fld_BankInterest_1_Claimed", "fld_CapGain_2_Claimed"}) QCOMPARE(shown.value(cell), cents(0));
    disabled.sort();
    QCOMPARE(disabled, (QStringList{"fld_BankInterest_1_Claimed", "fld_BankInterest_2_Claimed", "fld_CapGain_1_Claimed",
                                    "fld_CapGain_2_Claimed", "fld_Donation_1_Claimed", "fld_Donation_2_Claimed",
                                    "fld_Pension_1", "fld_Pension_1_Claimed", "fld_Pension_2",
                                    "fld_Pension_2_Claimed"}));

    // Cancel changes nothing but the Schedule 9 that seeding makes.
    QVERIFY(*data == *afterSeeding(before));
    QCOMPARE(prompts.asked().size(), 0);
}

void OptimizeReturnTest::refusalsOpenNothing_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("neitherPensioner");
    QTest::addColumn<QString>("message");
    QTest::newRow("single return") << Edit([](QJsonObject& r) { r.remove("spouse"); r.remove("expected"); })
                                   << false << kNotCoupled;
    QTest::newRow("neither spouse the pensioner") << Edit() << true << kNoPensioner;
}

void OptimizeReturnTest::refusalsOpenNothing()
{
    QFETCH(Edit, edit);
    QFETCH(bool, neitherPensioner);
    QFETCH(QString, message);
    Prompt::Scripted prompts;
    Opened o = open(QTest::currentDataTag(), edit);
    QVERIFY(o.editor);
    CFamilyTaxData* data = o.editor->familyData();
    // The calculation always leaves one pensioner: the answers change after it.
    if (neitherPensioner)
        for (IndividualTaxData* person : {data->taxpayer(), data->spouse()}) t1032Of(person)->setBool("is_transferor", false);
    CFamilyTaxData before(data->mode());
    before = *data;

    ModalDriver driver([](QWidget* modal) { modal->close(); });
    // Straight to the command: the menu's recalculation would give the
    // election a pensioner again.
    o.editor->optimizeReturn();
    QCoreApplication::processEvents();
    QCOMPARE(driver.seen(), QStringList());
    QCOMPARE(prompts.texts(), QStringList{message});
    if (neitherPensioner)
        QVERIFY(*data == *afterSeeding(before));
    else
        QVERIFY(*data == before);
}

void OptimizeReturnTest::dialogShowsTheOptimisedCopy_data()
{
    QTest::addColumn<double>("unclaimed");
    QTest::addColumn<QString>("taxpayerShare");
    QTest::newRow("no shareable donations") << 0.0 << "0.00";
    // The start donations (half the unclaimed) at their whole part: the
    // donation slider's first move recalculates the copy there.
    QTest::newRow("unclaimed donations") << 1001.0 << "500.00";
}

void OptimizeReturnTest::dialogShowsTheOptimisedCopy()
{
    QFETCH(double, unclaimed);
    QFETCH(QString, taxpayerShare);
    auto family = built();
    QVERIFY(family);
    DataShareAmtDlg shares;
    seed(*family, shares);
    shares.fld_Donation_3->SetValue(unclaimed);
    family->DoCoupledReturnOptimize(&shares);
    const double best = t1032Of(family->taxpayer())->getFloat("split_amount");
    const double maxSplit = shares.fld_Pension_1->GetValue();
    QVERIFY(maxSplit > 0);

    DlgOptimizeReturn dialog(family.get(), &shares, nullptr);
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Optimize Tax Return"));
    QCOMPARE(dialog.bestPensionSplit(), best);
    QCOMPARE(text(&dialog, "lblBestResultTitle"), QStringLiteral("Best Result: pension split = [%1]").arg(cents(best)));
    auto* pension = child<QSlider>(&dialog, "sldPensionSplit");
    QCOMPARE(pension->maximum(), int(maxSplit));
    QCOMPARE(pension->value(), int(best));
    QCOMPARE(text(&dialog, "edtPension"), cents(best));
    QCOMPARE(text(&dialog, "lblMaxPension"), cents(maxSplit));
    auto* donation = child<QSlider>(&dialog, "sldDonation");
    QCOMPARE(donation->minimum(), 0);
    QCOMPARE(donation->maximum(), int(unclaimed));
    QCOMPARE(text(&dialog, "edtDonation1"), taxpayerShare);
    QCOMPARE(text(&dialog, "edtDonation2"), cents(unclaimed - taxpayerShare.toDouble()));
    QCOMPARE(text(&dialog, "lblMaxDonation"), cents(unclaimed));
    QCOMPARE(text(&dialog, "lblFamilyBest"), family->GetFamilyReturnStatusString().toQString());
    QCOMPARE(text(&dialog, "lblFamilyResult"), text(&dialog, "lblFamilyBest"));
    CString name;
    family->spouse()->getFedStringClaimed(17, name);
    for (const char* label : {"lblName2", "lblFullName2", "lblBestFullName2"}) QCOMPARE(text(&dialog, label), name.toQString());
}

// A name typed with markup shows its tags as typed in every line that
// carries it: the editor's result lines, the share page and the dialog.
void OptimizeReturnTest::typedNamesShowAsText()
{
    const Edit marked = [](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("first_name", "<b>Ann</b>");
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
        QJsonObject spouse = root.value("spouse").toObject();
        QJsonObject t1s = spouse.value("t1").toObject();
        t1s.insert("first_name", "<font color=white>Bob</font>");
        spouse.insert("t1", t1s);
        root.insert("spouse", spouse);
    };
    Opened o = open(QStringLiteral("marked"), marked);
    QVERIFY(o.editor);
    const auto shownAsTyped = [](QWidget* parent, const char* name, const QString& tag) {
        auto* label = child<QLabel>(parent, name);
        return label && label->textFormat() == Qt::PlainText && label->text().contains(tag);
    };
    QVERIFY(shownAsTyped(o.editor, "lblResultLine1", "<b>Ann</b>"));
    QVERIFY(shownAsTyped(o.editor, "lblResultLine2", "<font color=white>Bob</font>"));

    auto family = built(marked);
    QVERIFY(family);
    DataShareAmtDlg shares;
    seed(*family, shares);
    ShareAmtDlg_tab1 page(&shares, family.get(), nullptr);
    page.show();
    QVERIFY(shownAsTyped(&page, "FullName1", "<b>Ann</b>"));
    QVERIFY(shownAsTyped(&page, "FullName2", "<font color=white>Bob</font>"));
    family->DoCoupledReturnOptimize(&shares);
    DlgOptimizeReturn dialog(family.get(), &shares, nullptr);
    dialog.show();
    for (const char* name : {"lblName1", "lblFullName1", "lblBestFullName1"})
        QVERIFY2(shownAsTyped(&dialog, name, "<b>Ann</b>"), name);
    for (const char* name : {"lblName2", "lblFullName2", "lblBestFullName2"})
        QVERIFY2(shownAsTyped(&dialog, name, "<font color=white>Bob</font>"), name);
    for (const char* name : {"lblResult1", "lblResult2", "lblBestResult1", "lblBestResult2", "lblFamilyResult",
                             "lblFamilyBest"})
        QVERIFY2(child<QLabel>(&dialog, name)->textFormat() == Qt::PlainText, name);
}

void OptimizeReturnTest::firstDisplayRecalculatesAtTheSliders()
{
    auto family = built();
    QVERIFY(family);
    DataShareAmtDlg shares;
    seed(*family, shares);
    shares.fld_Donation_3->SetValue(1001);
    family->DoCoupledReturnOptimize(&shares);
    // A best split with cents; the optimiser gave every donation to one spouse.
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()})
        t1032Of(person)->setFloat("split_amount", 1234.5);
    family->Calculate(-1, nullptr);

    DlgOptimizeReturn dialog(family.get(), &shares, nullptr);
    dialog.show();
    QCOMPARE(dialog.bestPensionSplit(), 1234.5);
    QCOMPARE(text(&dialog, "lblBestResultTitle"), QStringLiteral("Best Result: pension split = [1234.50]"));
    QCOMPARE(child<QSlider>(&dialog, "sldPensionSplit")->value(), 1234);
    QCOMPARE(child<QSlider>(&dialog, "sldDonation")->value(), 500);
    // The copy holds what the sliders and boxes show, and so do both results.
    QCOMPARE(text(&dialog, "edtPension"), cents(1234));
    QCOMPARE(text(&dialog, "edtDonation1"), cents(500));
    QCOMPARE(text(&dialog, "edtDonation2"), cents(501));
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()})
        QCOMPARE(t1032Of(person)->getFloat("split_amount"), 1234.0);
    QCOMPARE(family->taxpayer()->GetFormData(FormType::Schedule9, false)->getFloat("shared_donations"), 500.0);
    QCOMPARE(family->spouse()->GetFormData(FormType::Schedule9, false)->getFloat("shared_donations"), 501.0);
    const QString familyLine = family->GetFamilyReturnStatusString().toQString();
    QCOMPARE(text(&dialog, "lblFamilyResult"), familyLine);
    QCOMPARE(text(&dialog, "lblFamilyBest"), familyLine);
    QCOMPARE(text(&dialog, "lblBestResult1"), family->taxpayer()->GetReturnStatusString(0).toQString());
    QCOMPARE(text(&dialog, "lblBestResult2"), family->spouse()->GetReturnStatusString(0).toQString());
}

void OptimizeReturnTest::reCalculateRestoresTheStart()
{
    auto family = built();
    QVERIFY(family);
    DataShareAmtDlg shares;
    seed(*family, shares);
    shares.fld_Donation_3->SetValue(600);
    family->DoCoupledReturnOptimize(&shares);
    DlgOptimizeReturn dialog(family.get(), &shares, nullptr);
    dialog.show();
    const double best = dialog.bestPensionSplit();
    QVERIFY(best > 0);

    QTest::keyClick(child<QSlider>(&dialog, "sldPensionSplit"), Qt::Key_Home);
    QTest::keyClick(child<QSlider>(&dialog, "sldDonation"), Qt::Key_End);
    QCOMPARE(text(&dialog, "edtPension"), cents(0));
    QCOMPARE(text(&dialog, "edtDonation1"), cents(600));
    QCOMPARE(text(&dialog, "edtDonation2"), cents(0));
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()})
        QCOMPARE(t1032Of(person)->getFloat("split_amount"), 0.0);
    QCOMPARE(family->taxpayer()->GetFormData(FormType::Schedule9, false)->getFloat("shared_donations"), 600.0);
    QVERIFY(text(&dialog, "lblFamilyResult") != text(&dialog, "lblFamilyBest"));

    // Back as first shown: the sliders at the whole part of the best split
    // and of the start donations, the copy recalculated there.
    QTest::mouseClick(child<QPushButton>(&dialog, "btnReCalc"), Qt::LeftButton);
    QCOMPARE(text(&dialog, "edtPension"), cents(int(best)));
    QCOMPARE(child<QSlider>(&dialog, "sldPensionSplit")->value(), int(best));
    QCOMPARE(text(&dialog, "edtDonation1"), cents(300));
    QCOMPARE(child<QSlider>(&dialog, "sldDonation")->value(), 300);
    for (IndividualTaxData* person : {family->taxpayer(), family->spouse()})
        QCOMPARE(t1032Of(person)->getFloat("split_amount"), double(int(best)));
    QCOMPARE(family->taxpayer()->GetFormData(FormType::Schedule9, false)->getFloat("shared_donations"), 300.0);
    QCOMPARE(family->spouse()->GetFormData(FormType::Schedule9, false)->getFloat("shared_donations"), 300.0);
    QCOMPARE(text(&dialog, "lblFamilyResult"), text(&dialog, "lblFamilyBest"));
    QCOMPARE(dialog.bestPensionSplit(), best);
    QVERIFY(dialog.isVisible());
}

void OptimizeReturnTest::closingTheDialog_data()
{
    QTest::addColumn<bool>("spouseT1032");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Set T1032 and Close") << true << "btnOptimize" << true << QStringList();
    QTest::newRow("No Change and Close") << true << "btnClose" << false << QStringList();
    QTest::newRow("Set T1032 without the spouse's T1032") << false << "btnOptimize" << false << QStringList{kNotSet};
}

void OptimizeReturnTest::closingTheDialog()
{
    QFETCH(bool, spouseT1032);
    QFETCH(QString, button);
    QFETCH(bool, split);
    QFETCH(QStringList, messages);
    Prompt::Scripted prompts;
    Opened o = open(QTest::currentDataTag(), Edit());
    QVERIFY(o.editor);
    CFamilyTaxData* data = o.editor->familyData();
    if (!spouseT1032) {
        dropSpouseT1032(data);
        data->Calculate(-1, nullptr);
    }
    QCOMPARE(t1032Of(data->spouse()) != nullptr, spouseT1032);
    std::unique_ptr<CFamilyTaxData> expected = afterSeeding(*data);

    // The split the optimiser reaches on a copy of its own.
    CFamilyTaxData scratch(data->mode());
    scratch = *expected;
    DataShareAmtDlg shares;
    seed(scratch, shares);
    scratch.DoCoupledReturnOptimize(&shares);
    const double best = t1032Of(scratch.taxpayer())->getFloat("split_amount");
    QVERIFY(best > 0);

    double shownBest = -1;
    ModalDriver driver([&](QWidget* modal) {
        if (auto* wizard = qobject_cast<QWizard*>(modal)) {
            QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        } else if (auto* dialog = qobject_cast<DlgOptimizeReturn*>(modal)) {
            shownBest = dialog->bestPensionSplit();
            QTest::keyClick(child<QSlider>(dialog, "sldPensionSplit"), Qt::Key_Home);
            QTest::mouseClick(child<QPushButton>(dialog, button.toLatin1().constData()), Qt::LeftButton);
        } else {
            modal->close();
        }
    });
    optimize(o.window.get());
    QCOMPARE(driver.seen(), (QStringList{"WizardBase", "DlgOptimizeReturn"}));
    QCOMPARE(shownBest, best);
    QCOMPARE(prompts.texts(), messages);

    if (split) {
        for (IndividualTaxData* person : {expected->taxpayer(), expected->spouse()}) {
            t1032Of(person)->setBool("is_elected", true);
            t1032Of(person)->setFloat("split_amount", best);
        }
        expected->Calculate(-1, nullptr);
        for (IndividualTaxData* person : {data->taxpayer(), data->spouse()})
            QCOMPARE(t1032Of(person)->getFloat("split_amount"), best);
        CString line1, line2, line3;
        expected->getFamilyResult(line1, line2, line3);
        QCOMPARE(o.editor->resultLine(1)->text(), line1.toQString());
        QCOMPARE(o.editor->resultLine(3)->text(), line3.toQString());
    }
    QVERIFY(*data == *expected);
}

QUILLMERE_APP_TEST_MAIN(OptimizeReturnTest)
#include "tst_optimizereturn.moc"
