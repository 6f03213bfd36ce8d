// The new-return interview as a user drives it from the main window's New
// Return command: what each page refuses, which pages a marital status
// passes through, and the return the answers make.

#include <memory>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <QWizard>

#include "apptestmain.h"
#include "editortestsupport.h"
#include "formtypes.h"
#include "ppgnewreturnbasic.h"
#include "prompt.h"
#include "t1.h"

using namespace EditorTest;

namespace {

struct Answers
{
    QString first, last;
    QString sin = QStringLiteral("046454286");
    int province = 0;
    int status = -1;
    QString spouseFirst, spouseLast, spouseSin;
    int spouseProvince = 0; // 0: leave the taxpayer's
    bool coupled = false, nonResident = false;
    QDate birth;            // invalid: left untouched
    bool everyBox = false;
    bool cancelAtEnd = false;
    int spouseProvinceShown = -1;   // -1: the taxpayer's
};

enum { kTaxpayerPage, kSpousePage, kSchedulePage };

template <typename T> T* widget(QWizard* wizard, const char* name)
{
    T* found = nullptr;
    for (T* w : wizard->currentPage()->findChildren<T*>(QString::fromLatin1(name))) found = w;
    return found;
}

void type(QWizard* wizard, const char* name, const QString& text)
{
    auto* edit = widget<QLineEdit>(wizard, name);
    QVERIFY2(edit, name);
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

void choose(QWizard* wizard, const char* name, int code)
{
    auto* combo = widget<QComboBox>(wizard, name);
    QVERIFY2(combo, name);
    combo->setFocus();
    combo->setCurrentIndex(combo->findData(code));
}

void setDate(QWizard* wizard, const char* name, const QDate& date)
{
    auto* edit = widget<QDateEdit>(wizard, name);
    QVERIFY2(edit, name);
    edit->setFocus();
    edit->setDate(date);
}

void click(QWizard* wizard, const char* name)
{
    auto* button = widget<QAbstractButton>(wizard, name);
    QVERIFY2(button, name);
    // The space bar, as a user tabbing through the page: clicks in quick
    // succession on the same spot of two boxes would read as a double click.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

void press(QWizard* wizard, QWizard::WizardButton which)
{
    QTest::mouseClick(wizard->button(which), Qt::LeftButton);
}

// Form types of the taxpayer's forms, in list order.
QList<int> formTypes(const IndividualTaxData* person)
{
    QList<int> out;
    for (const STRUCT_FORMDATA_ITEM_2004* item : person->forms()) out << item->formType;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Answers)

class NewReturnInterviewTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { QCOMPARE(TabWndApp::getMainApp()->initApp(), 0); }
    void interview_data();
    void interview();
};

void NewReturnInterviewTest::interview_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<int>("keptOn"); // the page Next or Finish cannot leave, -1 none
    QTest::addColumn<QString>("message");  // what Next says when it cannot leave

    Answers single;
    single.first = "Ann";
    single.last = "Lee";
    single.province = 9;
    single.status = 5;
    Answers married = single;
    married.status = 0;
    married.spouseFirst = "Bo";
    married.spouseLast = "Lee";
    married.spouseSin = "130692544";

    Answers a = single;
    a.first = "   ";
    QTest::newRow("first name of blanks") << a << int(kTaxpayerPage) << "Please enter the first name.";
    a = single;
    a.province = 0;
    QTest::newRow("no province") << a << int(kTaxpayerPage)
                                 << "Please choose the tax province (residence on Dec. 31 of the tax year).";
    a.last = QString();
    QTest::newRow("no province, no last name")
        << a << int(kTaxpayerPage)
        << "Please enter the last name.\nPlease choose the tax province (residence on Dec. 31 of the tax year).";
    a = single;
    a.province = 11;
    QTest::newRow("Quebec") << a << int(kTaxpayerPage)
                            << "This program cannot work out a return for Quebec. Please choose another province "
                               "or territory.";
    a = married;
    a.spouseLast = "  ";
    QTest::newRow("blank spouse name") << a << int(kSpousePage) << "Please enter the last name.";
    const QString nineDigits = QStringLiteral("A social insurance number has nine digits.");
    const QString sinText = QStringLiteral(
        "Social Insurance Number \"%1\": %2 Correct it, or leave it empty to enter it later.");
    a = single;
    a.sin = "046454286123";
    QTest::newRow("12-digit S.I.N.") << a << int(kTaxpayerPage) << sinText.arg(a.sin, nineDigits);
    a.sin = "04645428";
    QTest::newRow("8-digit S.I.N.") << a << int(kTaxpayerPage) << sinText.arg(a.sin, nineDigits);
    a.sin = "046454287";
    QTest::newRow("S.I.N. failing its check digit")
        << a << int(kTaxpayerPage)
        << sinText.arg(a.sin, QStringLiteral("The social insurance number fails its check digit."));
    a.sin = QString();
    QTest::newRow("empty S.I.N., given later") << a << -1 << QString();
    a.sin = "046 454 286";
    QTest::newRow("valid S.I.N. typed grouped") << a << -1 << QString();
    a = married;
    a.spouseSin = "13069254";
    QTest::newRow("8-digit spouse's S.I.N.") << a << int(kSpousePage) << sinText.arg(a.spouseSin, nineDigits);
    a = single;
    a.birth = QDate(1899, 12, 31);
    QTest::newRow("born before 1900") << a << int(kTaxpayerPage)
                                      << "The date of birth must be between 1900-01-01 and 2021-12-31.";
    a.birth = QDate(2022, 1, 1);
    QTest::newRow("born after the tax year") << a << int(kTaxpayerPage)
                                             << "The date of birth must be between 1900-01-01 and 2021-12-31.";
    a.birth = QDate(1900, 1, 1);
    QTest::newRow("born on the first day allowed") << a << -1 << QString();
    QTest::newRow("single") << single << -1 << QString();
    QTest::newRow("married") << married << -1 << QString();
    a = single;
    a.status = -1;
    QTest::newRow("no status") << a << -1 << QString();
    a = married;
    a.everyBox = true;
    QTest::newRow("every box, married") << a << -1 << QString();
    a = single;
    a.everyBox = true;
    QTest::newRow("every box, single") << a << -1 << QString();
    a = married;
    a.status = 1;
    a.coupled = true;
    a.spouseProvince = 2;
    QTest::newRow("coupled") << a << -1 << QString();
    a.nonResident = true;
    QTest::newRow("non-resident spouse") << a << -1 << QString();
    // A non-resident taxpayer's spouse gets no non-resident code in a
    // province box that cannot show it: the page asks for a province.
    a = married;
    a.province = 14;
    a.coupled = true;
    a.spouseProvinceShown = 0;
    QTest::newRow("non-resident taxpayer, coupled spouse without a province")
        << a << int(kSpousePage) << PpgNewReturnBasic_Spouse::provinceMissingText();
    a.spouseProvince = 10;
    QTest::newRow("non-resident taxpayer, coupled spouse in a province") << a << -1 << QString();
    a = married;
    a.province = 16;
    a.spouseProvinceShown = 0;
    a.nonResident = true;
    QTest::newRow("non-resident taxpayer and spouse") << a << -1 << QString();
    a = single;
    a.birth = QDate(1961, 7, 14);
    QTest::newRow("changed birth date") << a << -1 << QString();
    a = married;
    a.cancelAtEnd = true;
    QTest::newRow("cancel") << a << -1 << QString();
}

void NewReturnInterviewTest::interview()
{
    QFETCH(Answers, answers);
    QFETCH(int, keptOn);
    QFETCH(QString, message);
    Prompt::Scripted prompts;
    std::unique_ptr<MainWindow> window(MainWindow::getInstance(nullptr));
    QList<int> visited;
    bool coupledEnabled = true;
    bool shown = false;
    QTimer::singleShot(0, [&] {
        auto* wizard = qobject_cast<QWizard*>(QApplication::activeModalWidget());
        QVERIFY(wizard);
        shown = true;
        // Whatever fails below, the wizard closes.
        struct Closer { QWizard* w; ~Closer() { if (w->isVisible()) w->reject(); } } closer{wizard};
        QCOMPARE(wizard->windowTitle(), QStringLiteral("Create a new tax return"));
        // Typed text is stored as the focus leaves it, which needs an active window.
        QApplication::setActiveWindow(wizard);
        QVERIFY(QTest::qWaitForWindowActive(wizard));
        QCOMPARE(wizard->currentId(), int(kTaxpayerPage));
        type(wizard, "fld_FirstName", answers.first);
        type(wizard, "fld_LastName", answers.last);
        type(wizard, "fld_sin", answers.sin);
        if (answers.birth.isValid()) setDate(wizard, "fld_dob", answers.birth);
        choose(wizard, "fld_TaxPronv", answers.province);
        if (answers.status >= 0) click(wizard, qPrintable(QStringLiteral("fld_MaritalStatus%1").arg(answers.status)));
        press(wizard, QWizard::NextButton);
        if (keptOn == kTaxpayerPage) {
            QCOMPARE(wizard->currentId(), keptOn);
            // Next again, after the message: the page still stays.
            press(wizard, QWizard::NextButton);
            QCOMPARE(wizard->currentId(), keptOn);
            return;
        }
        if (wizard->currentId() == kSpousePage) {
            QCOMPARE(widget<QComboBox>(wizard, "fld_TaxPronvSpouse")->currentData().toInt(),
                     answers.spouseProvinceShown < 0 ? answers.province : answers.spouseProvinceShown);
            type(wizard, "fld_FirstNameSpouse", answers.spouseFirst);
            type(wizard, "fld_LastNameSpouse", answers.spouseLast);
            type(wizard, "fld_sinSpouse", answers.spouseSin);
            setDate(wizard, "fld_dobSpouse", QDate(1958, 3, 2));
            if (answers.spouseProvince) choose(wizard, "fld_TaxPronvSpouse", answers.spouseProvince);
            if (answers.coupled) click(wizard, "fld_Coupled");
            if (answers.nonResident) click(wizard, "fld_SpouseNonResident");
            coupledEnabled = widget<QCheckBox>(wizard, "fld_Coupled")->isEnabled();
            QCOMPARE(widget<QCheckBox>(wizard, "fld_SpouseNonResident")->isChecked(), answers.nonResident);
            press(wizard, QWizard::NextButton);
            if (keptOn == kSpousePage) {
                QCOMPARE(wizard->currentId(), keptOn);
                return;
            }
        }
        QCOMPARE(wizard->currentId(), int(kSchedulePage));
        if (answers.everyBox)
            for (const char* box : {"fld_bSch3", "fld_bSch4", "fld_bSch6", "fld_bSch7", "fld_bSch11", "fld_bT776"})
                click(wizard, box);
        visited = wizard->visitedIds();
        press(wizard, answers.cancelAtEnd ? QWizard::CancelButton : QWizard::FinishButton);
    });
    window->findChild<QAction*>("actionNew")->trigger();
    QVERIFY(shown);
    // Once for each Next that could not leave the page.
    QStringList said;
    if (!message.isEmpty()) said << message;
    if (keptOn == kTaxpayerPage) said << message;
    QCOMPARE(prompts.texts(), said);

    Form_Return* editor = shownEditor(window.get());
    if (keptOn >= 0 || answers.cancelAtEnd) {
        QVERIFY(!editor);
        return;
    }
    const bool hasSpouse = answers.status == 0 || answers.status == 1;
    QList<int> pages{kTaxpayerPage, kSchedulePage};
    if (hasSpouse) pages.insert(1, kSpousePage);
    QCOMPARE(visited, pages);
    QVERIFY(editor);
    QVERIFY(!editor->hasFileToSave());
    CFamilyTaxData* data = editor->familyData();
    TaxData_T1New* t1 = data->taxpayer()->t1();
    QVERIFY(t1);
    QCOMPARE(t1->getString("first_name"), CString(answers.first));
    QCOMPARE(t1->getString("sin"), CString(answers.sin));
    QCOMPARE(t1->getInt("province"), answers.province);
    QCOMPARE(t1->getInt("marital_status"), answers.status);
    QCOMPARE(t1->getDate("birth_date"), answers.birth.isValid() ? answers.birth : QDate(1980, 1, 1));
    QCOMPARE(t1->getString("spouse_first_name"), CString(hasSpouse ? answers.spouseFirst : QString()));
    QCOMPARE(t1->getString("spouse_sin"), CString(hasSpouse ? answers.spouseSin : QString()));
    QCOMPARE(t1->getDate("spouse_birth_date"), hasSpouse ? QDate(1958, 3, 2) : QDate());
    QCOMPARE(t1->getBool("spouse_benefit_ineligible"), answers.nonResident);

    // The schedules asked for, in the order they are made.
    QList<int> expected;
    if (answers.everyBox) expected << FormType::Schedule7 << FormType::T776 << FormType::Schedule11;
    if (hasSpouse) expected << FormType::Schedule2;
    if (answers.everyBox) expected << FormType::Schedule6 << FormType::Schedule3 << FormType::Schedule4;
    const QList<int> all = formTypes(data->taxpayer());
    QList<int> made;
    for (int type : all)
        if (QList<int>{FormType::Schedule7, FormType::T776, FormType::Schedule11, FormType::Schedule2,
                       FormType::Schedule6, FormType::Schedule3, FormType::Schedule4}
                .contains(type))
            made << type;
    QCOMPARE(made, expected);

    const bool coupled = answers.coupled && !answers.nonResident;
    QCOMPARE(coupledEnabled, !answers.nonResident);
    QCOMPARE(data->IsCoupledReturn(), coupled);
    QCOMPARE(editor->personChooser()->count(), coupled ? 2 : 1);
    if (coupled) {
        TaxData_T1New* theirs = data->spouse()->t1();
        QVERIFY(theirs);
        QCOMPARE(theirs->getString("first_name"), CString(answers.spouseFirst));
        QCOMPARE(theirs->getString("sin"), CString(answers.spouseSin));
        QCOMPARE(theirs->getDate("birth_date"), QDate(1958, 3, 2));
        QCOMPARE(theirs->getInt("marital_status"), answers.status);
        QCOMPARE(data->spouse()->getMainProvince(), answers.spouseProvince);
    }
}

QUILLMERE_APP_TEST_MAIN(NewReturnInterviewTest)
#include "tst_newreturninterview.moc"
