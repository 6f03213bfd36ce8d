// The tax-planning dialog as a user drives it: the sliders and maximum boxes
// work on a copy of the return, whose figures are checked after each move,
// and the open return stays as it was whatever the sliders did.

#include <functional>
#include <memory>

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>

#include "apptestmain.h"
#include "dlgtaxplanning.h"
#include "editortestsupport.h"
#include "formtypes.h"
#include "prompt.h"
#include "t1.h"
#include "taxdataform.h"
#include "taxformpage.h"

using namespace EditorTest;

namespace {

using Edit = std::function<void(QJsonObject&)>;

const char* const kRows[] = {"RRSP", "Donation", "Income", "Deduction"};

QSlider* slider(QWidget* dialog, const QString& row)
{
    return dialog->findChild<QSlider*>(QStringLiteral("sld") + row);
}

QLineEdit* maximumBox(QWidget* dialog, const QString& row)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("edt%1Max").arg(row));
}

QString currentLabel(QWidget* dialog, const QString& row)
{
    auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblCur") + row);
    return label ? label->text() : QString();
}

// The three result lines: suffix 1 after planning, 2 before.
QStringList resultLines(QWidget* dialog, int suffix)
{
    QStringList out;
    for (int line = 1; line <= 3; ++line) {
        auto* label = dialog->findChild<QLabel*>(QStringLiteral("lblResult%1_%2").arg(line).arg(suffix));
        out << (label ? label->text() : QStringLiteral("<missing>"));
    }
    return out;
}

void typeMaximum(QWidget* dialog, const QString& row, const QString& text)
{
    QLineEdit* box = maximumBox(dialog, row);
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

double t1Line(CFamilyTaxData* family, const char* line)
{
    const TaxData_T1New* t1 = family->getCurIndvTaxData()->t1();
    return t1 ? t1->getFloat(line) : -1;
}

CTaxData_Form* formOf(CFamilyTaxData* family, ENUMTYPE_FORM type)
{
    return family->getCurIndvTaxData()->GetFormData(type, false);
}

QString fullName(CFamilyTaxData* family, bool other)
{
    CString name;
    (other ? family->getNonCurIndvTaxData() : family->getCurIndvTaxData())->getFedStringClaimed(17, name);
    return name.toQString();
}

// Runs `drive` on the modal dialog once it is shown.
void whenModal(std::function<void(QWidget*)> drive)
{
    QTimer::singleShot(0, [drive] { drive(QApplication::activeModalWidget()); });
}

} // namespace

Q_DECLARE_METATYPE(Edit)

class TaxPlanningTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
        installTaxFormPages();
        QVERIFY(m_dir.isValid());
    }
    void afterLinesMatchBeforeWhenOpenedAndPutBack_data();
    void afterLinesMatchBeforeWhenOpenedAndPutBack();
    void rrspRowStartsAtTheDeductionClaimed_data();
    void rrspRowStartsAtTheDeductionClaimed();
    void maximumTextIsReadAsAWholeAmount_data();
    void maximumTextIsReadAsAWholeAmount();
    void loweredMaximumPullsTheSliderDown();
    void resultLinesOfSingleAndCoupledReturns_data();
    void resultLinesOfSingleAndCoupledReturns();
    void itemsAddBesideWhatTheUserEntered_data();
    void itemsAddBesideWhatTheUserEntered();
    void donationSliderAtZero_data();
    void donationSliderAtZero();
    void closingLeavesTheOpenReturnAsItWas_data();
    void closingLeavesTheOpenReturnAsItWas();

private:
    QTemporaryDir m_dir;
};

void TaxPlanningTest::afterLinesMatchBeforeWhenOpenedAndPutBack_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("RRSP deduction on Schedule 7") << "rrsp_child_care_on";
    QTest::newRow("donations on Schedule 9") << "donations_on";
    QTest::newRow("coupled return") << "retired_couple_pension_split_on";
}

void TaxPlanningTest::afterLinesMatchBeforeWhenOpenedAndPutBack()
{
    QFETCH(QString, scenario);
    auto family = builtScenario(scenario);
    QVERIFY(family);
    DlgTaxPlanning dialog(family.get(), nullptr);
    const QStringList before = resultLines(&dialog, 2);
    QVERIFY(!before.first().isEmpty());
    QCOMPARE(resultLines(&dialog, 1), before);

    int start[4];
    for (int i = 0; i < 4; ++i) start[i] = slider(&dialog, kRows[i])->value();
    typeMaximum(&dialog, "Income", "2000");
    typeMaximum(&dialog, "Deduction", "700");
    for (const char* row : kRows) {
        QSlider* s = slider(&dialog, row);
        QTest::keyClick(s, s->value() < s->maximum() ? Qt::Key_End : Qt::Key_Home);
    }
    QVERIFY(resultLines(&dialog, 1) != before);
    QCOMPARE(resultLines(&dialog, 2), before);

    for (int i = 0; i < 4; ++i) slider(&dialog, kRows[i])->setValue(start[i]);
    QCOMPARE(resultLines(&dialog, 1), before);
}

void TaxPlanningTest::rrspRowStartsAtTheDeductionClaimed_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("maximum");
    QTest::addColumn<int>("start");
    QTest::newRow("limit on Schedule 7") << "rrsp_child_care_on" << Edit() << "15000" << 5000;
    // Transfers are deducted beyond the limit: the row starts at the whole deduction.
    QTest::newRow("transfers above the limit") << "rrsp_child_care_on" << Edit([](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonArray forms = taxpayer.value("forms").toArray();
        for (int i = 0; i < forms.size(); ++i) {
            QJsonObject form = forms[i].toObject();
            if (form.value("type").toInt() != 7) continue;
            QJsonObject fields = form.value("fields").toObject();
            fields.insert("rrsp_deduction_limit", 2000);
            fields.insert("transfers", 4000);
            form.insert("fields", fields);
            forms[i] = form;
        }
        taxpayer.insert("forms", forms);
        root.insert("taxpayer", taxpayer);
    }) << "5000" << 5000;
    QTest::newRow("deduction typed on the T1, no Schedule 7") << "employee_t4_on" << Edit([](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("lines", QJsonObject{{"20800", 3000}});
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    }) << "3000" << 3000;
}

void TaxPlanningTest::rrspRowStartsAtTheDeductionClaimed()
{
    QFETCH(QString, scenario);
    QFETCH(Edit, edit);
    QFETCH(QString, maximum);
    QFETCH(int, start);
    auto family = builtScenario(scenario, edit);
    QVERIFY(family);
    QCOMPARE(t1Line(family.get(), "20800"), double(start));
    DlgTaxPlanning dialog(family.get(), nullptr);
    QCOMPARE(maximumBox(&dialog, "RRSP")->text(), maximum);
    QCOMPARE(slider(&dialog, "RRSP")->value(), start);
    const QStringList before = resultLines(&dialog, 2);
    QCOMPARE(resultLines(&dialog, 1), before);

    // Another row's steps recalculate the copy with the RRSP row as it stands.
    typeMaximum(&dialog, "Income", "1000");
    QTest::keyClick(slider(&dialog, "Income"), Qt::Key_End);
    QCOMPARE(t1Line(family.get(), "20800"), double(start));
    QTest::keyClick(slider(&dialog, "Income"), Qt::Key_Home);
    QCOMPARE(t1Line(family.get(), "20800"), double(start));
    QCOMPARE(resultLines(&dialog, 1), before);
}

void TaxPlanningTest::maximumTextIsReadAsAWholeAmount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("sliderMaximum");
    QTest::newRow("negative") << "-500" << "0" << 0;
    QTest::newRow("letters") << "abc" << "0" << 0;
    QTest::newRow("cents") << "1200.7" << "1201" << 1200;
    QTest::newRow("thousands comma") << "1,500" << "1500" << 1500;
    QTest::newRow("decimal comma") << "1234,56" << "1235" << 1234;
    QTest::newRow("comma before four digits is no amount") << "1,2345" << "0" << 0;
    QTest::newRow("beyond any return") << "1e13" << "0" << 0;
}

void TaxPlanningTest::maximumTextIsReadAsAWholeAmount()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, sliderMaximum);
    // Schedule 7 starts the RRSP row at 5000: a maximum of 0 must pull it down.
    auto family = builtScenario("rrsp_child_care_on");
    QVERIFY(family);
    DlgTaxPlanning dialog(family.get(), nullptr);
    QCOMPARE(slider(&dialog, "RRSP")->value(), 5000);
    for (const char* row : kRows) {
        typeMaximum(&dialog, row, typed);
        QSlider* s = slider(&dialog, row);
        QCOMPARE(maximumBox(&dialog, row)->text(), shown);
        QTest::keyClick(s, Qt::Key_End);
        QCOMPARE(s->maximum(), sliderMaximum);
        QCOMPARE(s->value(), sliderMaximum);
        // A slider that never moved still shows its first text.
        const bool moved = sliderMaximum > 0 || QLatin1String(row) == QLatin1String("RRSP");
        QCOMPARE(currentLabel(&dialog, row), moved ? QString::number(sliderMaximum) : QStringLiteral("$0"));
    }
    QCOMPARE(formOf(family.get(), FormType::Schedule7)->getFloat("20800"), double(sliderMaximum));
    QCOMPARE(t1Line(family.get(), "20800"), double(sliderMaximum));
}

void TaxPlanningTest::loweredMaximumPullsTheSliderDown()
{
    auto family = builtScenario("rrsp_child_care_on");
    QVERIFY(family);
    DlgTaxPlanning dialog(family.get(), nullptr);
    const QStringList opened = resultLines(&dialog, 1);
    QCOMPARE(maximumBox(&dialog, "RRSP")->text(), QStringLiteral("15000"));
    QCOMPARE(t1Line(family.get(), "20800"), 5000.0);

    typeMaximum(&dialog, "RRSP", "3000");
    QCOMPARE(slider(&dialog, "RRSP")->value(), 3000);
    QCOMPARE(currentLabel(&dialog, "RRSP"), QStringLiteral("3000"));
    QCOMPARE(t1Line(family.get(), "20800"), 3000.0);
    QCOMPARE(t1Line(family.get(), "23600"), 41842.0 + 2000.0);
    QVERIFY(resultLines(&dialog, 1) != opened);

    // A maximum above the amount leaves the slider where it is.
    typeMaximum(&dialog, "RRSP", "9000");
    QCOMPARE(slider(&dialog, "RRSP")->value(), 3000);
    QCOMPARE(slider(&dialog, "RRSP")->maximum(), 9000);
}

void TaxPlanningTest::resultLinesOfSingleAndCoupledReturns_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<bool>("spouse");
    QTest::addColumn<bool>("coupled");
    QTest::newRow("single") << "employee_t4_on" << false << false;
    QTest::newRow("coupled, taxpayer shown") << "retired_couple_pension_split_on" << false << true;
    QTest::newRow("coupled, spouse shown") << "retired_couple_pension_split_on" << true << true;
}

void TaxPlanningTest::resultLinesOfSingleAndCoupledReturns()
{
    QFETCH(QString, scenario);
    QFETCH(bool, spouse);
    QFETCH(bool, coupled);
    auto family = builtScenario(scenario);
    QVERIFY(family);
    if (spouse) family->setCurIndv(CFamilyTaxData::kSpouse);
    DlgTaxPlanning dialog(family.get(), nullptr);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Tax Planning"));
    typeMaximum(&dialog, "Income", "500");
    QTest::keyClick(slider(&dialog, "Income"), Qt::Key_End);

    const QString name = fullName(family.get(), false);
    QVERIFY(!name.isEmpty());
    for (int suffix : {1, 2}) {
        const QStringList lines = resultLines(&dialog, suffix);
        QVERIFY2(lines[0].startsWith(name + QStringLiteral(" - ")), qPrintable(lines[0]));
        if (coupled) {
            QVERIFY2(lines[1].startsWith(fullName(family.get(), true) + QStringLiteral(" - ")), qPrintable(lines[1]));
            QVERIFY2(lines[2].startsWith(QStringLiteral("Family Result - ")), qPrintable(lines[2]));
        } else {
            QCOMPARE(lines[1], QString());
            QCOMPARE(lines[2], QString());
        }
    }
    const QStringList after = resultLines(&dialog, 1);
    QCOMPARE(after[0], name + QStringLiteral(" - ") + family->getCurIndvTaxData()->GetReturnStatusString(0).toQString());
    if (coupled)
        QCOMPARE(after[2], QStringLiteral("Family Result - ") + family->GetFamilyReturnStatusString().toQString());
}

void TaxPlanningTest::itemsAddBesideWhatTheUserEntered_data()
{
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("total");
    QTest::newRow("income item") << "Income" << "13000" << "15000";
    QTest::newRow("deduction item") << "Deduction" << "23200" << "23300";
}

void TaxPlanningTest::itemsAddBesideWhatTheUserEntered()
{
    QFETCH(QString, row);
    QFETCH(QString, entered);
    QFETCH(QString, total);
    auto family = builtScenario("employee_t4_on", [](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonObject t1 = taxpayer.value("t1").toObject();
        t1.insert("lines", QJsonObject{{"13000", 250}, {"23200", 120}});
        taxpayer.insert("t1", t1);
        root.insert("taxpayer", taxpayer);
    });
    QVERIFY(family);
    const QByteArray enteredLine = entered.toLatin1(), totalLine = total.toLatin1();
    const double userEntered = t1Line(family.get(), enteredLine.constData());
    QVERIFY(userEntered > 0);
    const double totalBefore = t1Line(family.get(), totalLine.constData());

    DlgTaxPlanning dialog(family.get(), nullptr);
    typeMaximum(&dialog, row, "1000");
    QTest::keyClick(slider(&dialog, row), Qt::Key_End);
    QCOMPARE(t1Line(family.get(), totalLine.constData()), totalBefore + 1000);
    QCOMPARE(t1Line(family.get(), enteredLine.constData()), userEntered);

    QTest::keyClick(slider(&dialog, row), Qt::Key_Home);
    QCOMPARE(t1Line(family.get(), totalLine.constData()), totalBefore);
    QCOMPARE(t1Line(family.get(), enteredLine.constData()), userEntered);
}

void TaxPlanningTest::donationSliderAtZero_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("maximum");   // typed into the donation box first, when given
    QTest::addColumn<bool>("schedule");     // the copy holds a Schedule 9 at the end
    QTest::newRow("the return's Schedule 9") << "donations_on" << QString() << true;
    QTest::newRow("no Schedule 9") << "employee_t4_on" << QString() << false;
    QTest::newRow("Schedule 9 made by the slider") << "employee_t4_on" << "500" << true;
}

void TaxPlanningTest::donationSliderAtZero()
{
    QFETCH(QString, scenario);
    QFETCH(QString, maximum);
    QFETCH(bool, schedule);
    auto family = builtScenario(scenario);
    QVERIFY(family);
    DlgTaxPlanning dialog(family.get(), nullptr);
    if (!maximum.isEmpty()) typeMaximum(&dialog, "Donation", maximum);
    QSlider* donation = slider(&dialog, "Donation");
    QTest::keyClick(donation, Qt::Key_End);
    if (donation->maximum() > 0) QVERIFY(t1Line(family.get(), "34900") > 0);
    QTest::keyClick(donation, Qt::Key_Home);
    // Another row's move recalculates with the donation at 0 once more.
    typeMaximum(&dialog, "Income", "100");
    QTest::keyClick(slider(&dialog, "Income"), Qt::Key_End);

    QCOMPARE(donation->value(), 0);
    if (donation->maximum() > 0) QCOMPARE(currentLabel(&dialog, "Donation"), QStringLiteral("0"));
    CTaxData_Form* sch9 = formOf(family.get(), FormType::Schedule9);
    QCOMPARE(sch9 != nullptr, schedule);
    if (sch9) {
        QCOMPARE(sch9->getFloat("total_eligible_donations"), 0.0);
        QCOMPARE(sch9->getFloat("34900"), 0.0);
    }
    QCOMPARE(t1Line(family.get(), "34900"), 0.0);
}

void TaxPlanningTest::closingLeavesTheOpenReturnAsItWas_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::newRow("RRSP and child care") << "rrsp_child_care_on";
    QTest::newRow("donations") << "donations_on";
    QTest::newRow("coupled return") << "retired_couple_pension_split_on";
}

void TaxPlanningTest::closingLeavesTheOpenReturnAsItWas()
{
    QFETCH(QString, scenario);
    QString path = m_dir.filePath(scenario + ".r21");
    QString error;
    QVERIFY2(writeScenarioFile(scenario, path, &error), qPrintable(error));
    std::unique_ptr<MainWindow> w(MainWindow::getInstance(nullptr));
    w->show();
    Prompt::Scripted prompts;
    w->openReturnFile(path);
    Form_Return* editor = shownEditor(w.get());
    QVERIFY(editor);
    CFamilyTaxData before(editor->familyData()->mode());
    before = *editor->familyData();

    bool driven = false;
    whenModal([&driven](QWidget* dialog) {
        if (!qobject_cast<DlgTaxPlanning*>(dialog)) return;
        for (const char* row : kRows) {
            typeMaximum(dialog, row, "3000");
            QTest::keyClick(slider(dialog, row), Qt::Key_End);
        }
        driven = resultLines(dialog, 1) != resultLines(dialog, 2);
        auto* box = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        QTest::mouseClick(box->button(QDialogButtonBox::Close), Qt::LeftButton);
    });
    auto* action = w->findChild<QAction*>(QStringLiteral("actionTax_Planning"));
    QVERIFY(action);
    action->trigger();
    QVERIFY(driven);
    QVERIFY(*editor->familyData() == before);
    QVERIFY(!editor->isChanged());
    QCOMPARE(prompts.unanswered(), 0);
}

QUILLMERE_APP_TEST_MAIN(TaxPlanningTest)
#include "tst_taxplanning.moc"
