// Line 17900 of Schedule 3 as a user meets it: a person who sold the one
// home they lived in ticks box 1, 2 or 3 and files one Form T2091(IND); the
// return validates clean and NETFILE sends it to the fake agency from the
// main window. Without the form, filing stops at the validation.

#include <memory>

#include <QJsonArray>
#include <QLineEdit>

#include "apptestmain.h"
#include "editortestsupport.h"
#include "filingtestsupport.h"
#include "familytaxdata.h"
#include "prompt.h"
#include "returnitems.h"
#include "taxdataform.h"

using namespace EditorTest;
using namespace FilingTest;

namespace {

const QByteArray kRsp = "xmlns:t1rsp=\"http://agency.example/t1rsp\"";

FakeReply acceptedReply()
{
    return FakeAgency::soap("<t1rsp:NetfileReturnResponse " + kRsp
                            + "><ResultCode>1</ResultCode>"
                              "<t1rsp:FileReturnResponse><t1rsp:Confirmation><t1rsp:ConfirmationCode>NF1790"
                              "</t1rsp:ConfirmationCode><t1rsp:EnglishMessage><t1rsp:MessageText>Your return was "
                              "received.</t1rsp:MessageText></t1rsp:EnglishMessage></t1rsp:Confirmation>"
                              "</t1rsp:FileReturnResponse></t1rsp:NetfileReturnResponse>");
}

// Schedule 3 with the box ticked and the home sold on its table, and the
// designation forms of the given types.
std::function<void(QJsonObject&)> homeSold(int box, const QList<int>& designations)
{
    return [box, designations](QJsonObject& root) {
        withT1({{"email", "maya@example.ca"}})(root);
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonArray forms = taxpayer.value("forms").toArray();
        QJsonObject home{{"description", "14 Birch Street, Kingston ON"},
                         {"year_of_acquisition", 2009},
                         {"proceeds", 640000}};
        forms.append(QJsonObject{{"type", 4},
                                 {"fields", QJsonObject{{"17900", box}, {"principal_residence", QJsonArray{home}}}}});
        QJsonObject property{{"address", "14 Birch Street, Kingston ON"},
                             {"acquired_year", 2009},
                             {"proceeds", 640000},
                             {"adjusted_cost_base", 310000},
                             {"designated_from", 2009},
                             {"designated_to", 2021},
                             {"years_designated", 13},
                             {"years_owned", 13}};
        for (int type : designations)
            forms.append(QJsonObject{
                {"type", type},
                {"fields", QJsonObject{{"owner_name", "Maya Okafor"}, {"properties", QJsonArray{property}}}}});
        taxpayer.insert("forms", forms);
        root.insert("taxpayer", taxpayer);
    };
}

// Every message of the return's validation, as the filing road sees it.
QStringList validationMessages(CFamilyTaxData* data)
{
    std::list<_STRUCT_FORM_VALIDATE_INFO*> items;
    data->taxpayer()->Validate(2, items);
    QStringList out;
    for (_STRUCT_FORM_VALIDATE_INFO* item : items) {
        for (const CString& message : item->messages) out << message.toQString();
        delete item;
    }
    return out;
}

} // namespace

class MainWindowResidenceTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void oneHomeSoldFiles_data();
    void oneHomeSoldFiles();
    void withoutTheFormFilingStops();

private:
    Agency m_agency;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void MainWindowResidenceTest::initTestCase()
{
    QCOMPARE(TabWndApp::getMainApp()->initApp(), 0);
    QString error;
    QVERIFY2(m_agency.start(&error), qPrintable(error));
}

void MainWindowResidenceTest::cleanupTestCase()
{
    m_agency.stop();
}

void MainWindowResidenceTest::init()
{
    m_agency.reset();
    m_dir = freshReturnFolder();
    QVERIFY(m_dir);
    m_window.reset(MainWindow::getInstance(nullptr));
    setNoWarningMsg(false);
}

void MainWindowResidenceTest::cleanup()
{
    m_window.reset();
    m_dir.reset();
}

void MainWindowResidenceTest::oneHomeSoldFiles_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("designation");
    QTest::newRow("box 1, T2091(IND)") << 1 << 147;
    QTest::newRow("box 2, T2091(IND)") << 2 << 147;
    QTest::newRow("box 3, T2091(IND)") << 3 << 147;
    QTest::newRow("box 2, T1255 of a legal representative") << 2 << 160;
}

void MainWindowResidenceTest::oneHomeSoldFiles()
{
    QFETCH(int, box);
    QFETCH(int, designation);
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "home.r21", homeSold(box, {designation}));
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    CFamilyTaxData* data = editor->familyData();
    QCOMPARE(int(data->taxpayer()->GetFormData(FormType::Schedule3, false)->getInt("17900")), box);
    QCOMPARE(data->taxpayer()->GetCountOfForm(designation), 1);
    QCOMPARE(validationMessages(data), QStringList());

    m_agency.fake().netfileTerms(
        FakeAgency::terms({"You agree to the NETFILE terms."}, "NETFILE Terms", "https://agency.example/terms"));
    m_agency.fake().netfileReturn(acceptedReply());
    Prompt::Scripted prompts;
    prompts.press(Prompt::No).press(Prompt::Ok);
    QString overview;
    ModalScript script;
    script.expect("Online Email Promotion", answerSignup(1))
        .expect("CNetfileResultDlg", [](QWidget* w) { click(boxButton(w, QDialogButtonBox::Ok)); })
        .expect("NETFILE Terms", agreeToTerms())
        .expect("DlgFilingResult", readResult(&overview))
        .expect("CRA Online Service", finishWizard());
    triggerAction(m_window.get(), "actionInternetFiling");
    QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join("; ")));
    QCOMPARE(script.pending(), 0);
    QVERIFY2(overview.startsWith("Netfile is submitted successfully. The confirmation code is [NF1790]."),
             qPrintable(overview));
    QCOMPARE(int(m_agency.requests(FakeAgency::kNetfilePath, "FileReturnRequest").size()), 1);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 1);
}

void MainWindowResidenceTest::withoutTheFormFilingStops()
{
    QString path = scenarioFileIn(m_dir->path(), "employee_t4_on", "home.r21", homeSold(2, {}));
    m_window->openReturnFile(path);
    Form_Return* editor = shownEditor(m_window.get());
    QVERIFY(editor);
    QCOMPARE(validationMessages(editor->familyData()),
             QStringList("Box 2 of field 17900 of Schedule 3 is ticked: add Form T2091(IND) to the tax return."));
    Prompt::Scripted prompts;
    prompts.press(Prompt::No).press(Prompt::No).press(Prompt::No);
    ModalScript script;
    triggerAction(m_window.get(), "actionInternetFiling");
    QCOMPARE(int(m_agency.requests(FakeAgency::kNetfilePath, "FileReturnRequest").size()), 0);
    QCOMPARE(t1Of(editor)->getInt("filing_status"), 0);
}

QUILLMERE_APP_TEST_MAIN(MainWindowResidenceTest)
#include "tst_mainwindow_residence.moc"
