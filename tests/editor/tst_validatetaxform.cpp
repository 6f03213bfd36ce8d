// The editor's check of a single form: the T1135 with and without errors,
// the question answered both ways, the passing message, other form types.
// Under the sanitizer build the result items must be freed on every path.

#include <memory>

#include <QFile>
#include <QListWidget>
#include <QTabWidget>

#include "apptestmain.h"
#include "dlgvalidationmsgs.h"
#include "editorhost.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "formtypes.h"
#include "modal.h"
#include "prompt.h"
#include "scenario.h"
#include "taxdataform.h"

namespace {

class QuietHost : public EditorHost
{
public:
    void showReturnResultInStatus(const CString&) override {}
    void setupContextMenu(int, QMenu*) override {}
};

const char* const kQuestion = "Form contains validation errors. Do you want to view the validation errors?";
const char* const kPass = "Form passes validation check, there are no errors found.";

enum Statement { None, Incomplete, Complete };

} // namespace

class ValidateTaxFormTest : public QObject
{
    Q_OBJECT
private slots:
    void validateForm_data();
    void validateForm();
};

void ValidateTaxFormTest::validateForm_data()
{
    QTest::addColumn<int>("statement");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("showPass");
    QTest::addColumn<bool>("ask");
    QTest::addColumn<int>("answer");   // the button pressed at the question, NoButton when none is expected
    QTest::addColumn<int>("items");   // the T1135 makes one item at most
    QTest::addColumn<QStringList>("asked");
    QTest::addColumn<bool>("shown");

    const QStringList question{kQuestion};
    QTest::newRow("errors, asked, yes") << int(Incomplete) << int(FormType::T1135) << false << true << int(Prompt::Yes)
                                        << 1 << question << true;
    QTest::newRow("errors, asked, no") << int(Incomplete) << int(FormType::T1135) << true << true << int(Prompt::No)
                                       << 1 << question << false;
    QTest::newRow("errors, shown at once") << int(Incomplete) << int(FormType::T1135) << true << false
                                           << int(Prompt::NoButton) << 1 << QStringList() << true;
    QTest::newRow("passing statement, pass shown") << int(Complete) << int(FormType::T1135) << true << true
                                                   << int(Prompt::NoButton) << 0 << QStringList{kPass} << false;
    QTest::newRow("no statement, pass shown") << int(None) << int(FormType::T1135) << true << true
                                              << int(Prompt::NoButton) << 0 << QStringList{kPass} << false;
    QTest::newRow("no statement, silent") << int(None) << int(FormType::T1135) << false << true
                                          << int(Prompt::NoButton) << 0 << QStringList() << false;
    QTest::newRow("another form has no check") << int(Incomplete) << int(FormType::T2125) << true << true
                                               << int(Prompt::NoButton) << 0 << QStringList{kPass} << false;
}

void ValidateTaxFormTest::validateForm()
{
    QFETCH(int, statement);
    QFETCH(int, type);
    QFETCH(bool, showPass);
    QFETCH(bool, ask);
    QFETCH(int, answer);
    QFETCH(int, items);
    QFETCH(QStringList, asked);
    QFETCH(bool, shown);

    QFile json(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(json.open(QIODevice::ReadOnly));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(json.readAll(), &error);
    QVERIFY2(family, qPrintable(error));
    if (statement != None) {
        CTaxData_Form* t1135 = family->taxpayer()->GetFormData(FormType::T1135, true);
        QVERIFY(t1135);
        if (statement == Complete) {
            QVERIFY(t1135->setString("first_name", CString("Ann")));
            QVERIFY(t1135->setString("last_name", CString("Lee")));
            QVERIFY(t1135->setString("sin", CString("046454286")));
            QVERIFY(t1135->setDate("tax_year_start", QDate(2021, 1, 1)));
            QVERIFY(t1135->setDate("tax_year_end", QDate(2021, 12, 31)));
            QVERIFY(t1135->setInt("method", 0));
            QVERIFY(t1135->setBool("simplified_shares", true));
            QVERIFY(t1135->setString("simplified_countries.1.country", CString("USA")));
        }
    }

    QuietHost host;
    Form_Return editor(nullptr, family.release(), &host, nullptr, 1, 0, 10);
    Prompt::Scripted prompts;
    if (answer != Prompt::NoButton) prompts.press(answer);
    int tabs = 0;
    QString tabName;
    QStringList lines;
    bool dialogShown = false;
    // Registered on every row, so a dialog shown where none is expected is
    // closed and counted rather than waited on.
    Modal::when<DlgValidationMsgs>([&](DlgValidationMsgs* dialog) {
            dialogShown = true;
            auto* people = dialog->findChild<QTabWidget*>(QStringLiteral("tabPeople"));
            tabs = people->count();
            tabName = people->tabText(0);
            if (auto* list = people->widget(0)->findChild<QListWidget*>())
                for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
            dialog->reject();
        });

    const int result = editor.ValidateTaxForm(2, type, showPass, ask);
    Modal::dropWaiting();
    QCOMPARE(result, items);
    QCOMPARE(prompts.texts(), asked);
    QCOMPARE(dialogShown, shown);
    if (shown) {
        QCOMPARE(tabs, 1);
        QCOMPARE(tabName, QStringLiteral("T1135"));
        QCOMPARE(lines.value(1), QStringLiteral("[T1135] - %1 errors found").arg(lines.size() - 3));
        QVERIFY2(lines.value(2).startsWith(QLatin1String(" 1 - ")), qPrintable(lines.join('\n')));
    }
}

QUILLMERE_APP_TEST_MAIN(ValidateTaxFormTest)
#include "tst_validatetaxform.moc"
