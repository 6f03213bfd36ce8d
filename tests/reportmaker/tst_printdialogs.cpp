// The print options and after-print dialogs, and the validation command, as
// a user drives them. No JVM here.

#include <memory>

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QListWidget>
#include <QtTest>

#include "dlgpenvaultafterprint.h"
#include "dlgprintoption_info.h"
#include "dlgvalidationmsgs.h"
#include "familytaxdata.h"
#include "modal.h"
#include "openforuser.h"
#include "prompt.h"
#include "returnprinter.h"
#include "scenario.h"
#include "t1.h"
#include "t1appconfig.h"

namespace {

std::unique_ptr<CFamilyTaxData> scenario(const char* name)
{
    // A name without a folder is one of the shared scenarios.
    const QString file = QLatin1String(name);
    QFile json(file.contains(QLatin1Char('/')) ? file + QStringLiteral(".json")
                                               : QStringLiteral(SCENARIO_DIR "/%1.json").arg(file));
    if (!json.open(QIODevice::ReadOnly)) return nullptr;
    QString error;
    auto family = Scenario::build(json.readAll(), &error);
    if (!family) qWarning("%s", qPrintable(error));
    return family;
}

void click(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QAbstractButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    // Near the left edge: a check box stretched by its layout is hit only on its box and text.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class PrintDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { QCOMPARE(Modal::dropWaiting(), 0); }

    void optionsGiveFlags_data();
    void optionsGiveFlags();
    void optionsStartFromClientCopyAndSetting();
    void cancelKeepsEarlierOptions();

    void afterPrintAcceptsOnlyAnAddress_data();
    void afterPrintAcceptsOnlyAnAddress();
    void afterPrintCloseRejects();
    void afterPrintModes_data();
    void afterPrintModes();
    void afterPrintLinkWithBlanks();

    void cleanReturnShowsNothing();
    void coupledErrorsShowOneDialogWithBothPersons();
    void declinedErrorsStillCount();
    void generatePrintFilesUsesTheConfiguredFolders();
};

void PrintDialogsTest::optionsGiveFlags_data()
{
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("flags");
    QTest::newRow("nothing") << QStringList{} << 0;
    QTest::newRow("invoice") << QStringList{"fld_Invoice"} << 8;
    QTest::newRow("full S.I.N.") << QStringList{"fld_FullSIN"} << 16;
    QTest::newRow("invoice, full S.I.N.") << QStringList{"fld_Invoice", "fld_FullSIN"} << 24;
    QTest::newRow("letter") << QStringList{"fld_ClientLetter"} << 36;
    QTest::newRow("letter, invoice") << QStringList{"fld_ClientLetter", "fld_Invoice"} << 44;
    QTest::newRow("letter, full S.I.N.") << QStringList{"fld_ClientLetter", "fld_FullSIN"} << 52;
    QTest::newRow("everything") << QStringList{"fld_ClientLetter", "fld_Invoice", "fld_FullSIN", "fld_CurFormOnly"}
                                << 60;
}

void PrintDialogsTest::optionsGiveFlags()
{
    QFETCH(QStringList, boxes);
    QFETCH(int, flags);
    const int off = 0;
    DlgPrintOption_Info::s_clientLetterSetting = &off;
    DlgPrintOption_Info dialog(false, nullptr);
    dialog.show();
    for (const QString& box : boxes) click(&dialog, qPrintable(box));
    click(&dialog, "btnPrint");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(DlgPrintOption_Info::m_iPrintOption, 0);
    QCOMPARE(DlgPrintOption_Info::printFlags(), flags);
    QCOMPARE(DlgPrintOption_Info::m_iPrintCurForm, boxes.contains(QLatin1String("fld_CurFormOnly")) ? 1 : 0);
    DlgPrintOption_Info::s_clientLetterSetting = nullptr;
}

void PrintDialogsTest::optionsStartFromClientCopyAndSetting()
{
    const int on = 1;
    DlgPrintOption_Info::s_clientLetterSetting = &on;
    {
        DlgPrintOption_Info dialog(false, nullptr);
        dialog.show();
        QVERIFY(dialog.findChild<QCheckBox*>("fld_ClientLetter")->isChecked());
        click(&dialog, "fld_PrintOption_1");
        click(&dialog, "fld_ClientLetter");
        click(&dialog, "btnPrint");
        QCOMPARE(DlgPrintOption_Info::m_iPrintOption, 1);
        QCOMPARE(DlgPrintOption_Info::printFlags() & 36, 0);
    }
    DlgPrintOption_Info again(false, nullptr);
    QVERIFY(again.findChild<QRadioButton*>("fld_PrintOption_0")->isChecked());
    QVERIFY(!again.findChild<QCheckBox*>("fld_FullSIN")->isChecked());
    DlgPrintOption_Info::s_clientLetterSetting = nullptr;
}

void PrintDialogsTest::cancelKeepsEarlierOptions()
{
    DlgPrintOption_Info::s_clientLetterSetting = nullptr;
    {
        DlgPrintOption_Info dialog(false, nullptr);
        dialog.show();
        click(&dialog, "fld_FullSIN");
        click(&dialog, "btnPrint");
    }
    DlgPrintOption_Info dialog(false, nullptr);
    dialog.show();
    click(&dialog, "fld_Invoice");
    click(&dialog, "btnCancel");
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(DlgPrintOption_Info::m_iPrintFullSIN, 1);
    QCOMPARE(DlgPrintOption_Info::m_iPrintReceipt, 0);
}

void PrintDialogsTest::afterPrintAcceptsOnlyAnAddress_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("no at") << QStringLiteral("ann.example.ca") << false;
    QTest::newRow("no domain suffix") << QStringLiteral("ann@example") << false;
    QTest::newRow("blank inside") << QStringLiteral("ann lee@example.ca") << false;
    QTest::newRow("an address") << QStringLiteral("ann.lee@example.ca") << true;
}

void PrintDialogsTest::afterPrintAcceptsOnlyAnAddress()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    DlgPenvaultAfterPrint dialog(1, QStringLiteral("file:///tmp/a.pdf"), QStringLiteral("old@example.ca"), nullptr);
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>("edtToEmail");
    QCOMPARE(edit->text(), QStringLiteral("old@example.ca"));
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok), Qt::LeftButton);
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(dialog.result() == QDialog::Accepted, accepted);
    QCOMPARE(dialog.recipient(), accepted ? typed : QStringLiteral("old@example.ca"));
}

void PrintDialogsTest::afterPrintCloseRejects()
{
    DlgPenvaultAfterPrint dialog(1, QStringLiteral("file:///tmp/a.pdf"), QStringLiteral("ann@example.ca"), nullptr);
    dialog.show();
    QPushButton* close = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Close);
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isDefault());
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void PrintDialogsTest::afterPrintModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("okText");
    QTest::newRow("e-signature") << 0 << QStringLiteral("Request E-Signature");
    QTest::newRow("e-delivery") << 1 << QStringLiteral("E-Delivery");
}

void PrintDialogsTest::afterPrintModes()
{
    QFETCH(int, mode);
    QFETCH(QString, okText);
    DlgPenvaultAfterPrint dialog(mode, QStringLiteral("file:///tmp/a.pdf"), QString(), nullptr);
    dialog.show();
    QCOMPARE(dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok)->text(), okText);
    QCOMPARE(dialog.findChild<QLabel*>("lblDelivery")->isVisible(), mode != 0);
    QCOMPARE(dialog.findChild<QLabel*>("lblSignature")->isVisible(), mode == 0);
}

void PrintDialogsTest::afterPrintLinkWithBlanks()
{
    const QString path = QStringLiteral("/tmp/My Returns/Ann Lee 2021.pdf");
    const QString link = QUrl::fromLocalFile(path).toString();
    DlgPenvaultAfterPrint dialog(1, link, QString(), nullptr);
    auto* label = dialog.findChild<QLabel*>("lblFileLink");
    QVERIFY(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("<a href=\"([^\"]*)\">([^<]*)</a>")).match(label->text());
    QVERIFY2(m.hasMatch(), qPrintable(label->text()));
    QVERIFY(!m.captured(1).contains(QLatin1Char(' ')));
    QCOMPARE(QUrl(m.captured(1)).toLocalFile(), path);
    QCOMPARE(m.captured(2), link);

    // Following the link opens the file; when no program takes it, the
    // user is told its full path.
    Prompt::Scripted prompts;
    QObject refuses;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &refuses, "noSuchMethod");
    emit label->linkActivated(m.captured(1));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(prompts.texts(), QStringList{fileNotOpenedText(path)});
}

void PrintDialogsTest::cleanReturnShowsNothing()
{
    auto family = scenario(RETURNS_DIR "/single_clean");
    QVERIFY(family);
    CT1AppConfig config;
    ReturnPrinter printer(family.get(), &config, 2, nullptr);
    Prompt::Scripted prompts;
    QCOMPARE(printer.ValidateTaxReturn(2, false, true), 0);
    QCOMPARE(printer.ValidateTaxReturn(2, false, false), 0);
    QVERIFY(prompts.asked().isEmpty());
    // Asked to report a pass, it says so.
    prompts.press(Prompt::No);
    QCOMPARE(printer.ValidateTaxReturn(2, true, false), 0);
    QCOMPARE(prompts.texts().size(), 1);
    QVERIFY(prompts.texts().constFirst().startsWith(QLatin1String("This tax return passes validation check")));
}

void PrintDialogsTest::coupledErrorsShowOneDialogWithBothPersons()
{
    auto family = scenario("retired_couple_pension_split_on");
    QVERIFY(family);
    QVERIFY(family->IsCoupledReturn());
    family->taxpayer()->t1()->setString("sin", CString());
    family->spouse()->t1()->setString("sin", CString());
    CT1AppConfig config;
    ReturnPrinter printer(family.get(), &config, 2, nullptr);
    Prompt::Scripted prompts;
    int tabs = 0, rows = 0;
    QSize size;
    Modal::when<DlgValidationMsgs>([&](DlgValidationMsgs* dialog) {
        auto* tabWidget = dialog->findChild<QTabWidget*>("tabPeople");
        tabs = tabWidget->count();
        size = dialog->size();
        for (int i = 0; i < tabs; ++i) rows += tabWidget->widget(i)->findChild<QListWidget*>()->count();
        dialog->reject();
    });
    const int count = printer.ValidateTaxReturn(2, true, false);
    QVERIFY(prompts.asked().isEmpty());
    QCOMPARE(tabs, 2);
    QCOMPARE(size, QSize(750, 650));
    QVERIFY(count >= 2);
    QVERIFY(rows >= count);
}

void PrintDialogsTest::declinedErrorsStillCount()
{
    auto family = scenario("employee_t4_on");
    QVERIFY(family);
    family->taxpayer()->t1()->setString("sin", CString());
    CT1AppConfig config;
    ReturnPrinter printer(family.get(), &config, 2, nullptr);
    Prompt::Scripted prompts;
    prompts.press(Prompt::No);
    QVERIFY(printer.ValidateTaxReturn(2, false, true) > 0);
    QCOMPARE(prompts.texts(),
             QStringList{QStringLiteral("This return contains validation errors. Do you want to view the validation errors?")});
}

void PrintDialogsTest::generatePrintFilesUsesTheConfiguredFolders()
{
    auto family = scenario(RETURNS_DIR "/single_clean");
    QVERIFY(family);
    QTemporaryDir dir;
    CT1AppConfig config;
    config.m_XMLPATH = dir.filePath(QStringLiteral("xml"));
    config.m_BFORM_XMLPATH = dir.filePath(QStringLiteral("bform"));
    for (const CString& folder : {config.m_XMLPATH, config.m_BFORM_XMLPATH}) QVERIFY(QDir().mkpath(folder.toQString()));
    ReturnPrinter printer(family.get(), &config, 2, nullptr);
    printer.OnCreateJavaXML();
    QVERIFY(QDir(config.m_XMLPATH.toQString()).isEmpty());

    config.m_JAVAPROJPATH = dir.filePath(QStringLiteral("java"));
    QVERIFY(QDir().mkpath(config.m_JAVAPROJPATH.toQString()));
    printer.OnCreateJavaXML();
    QVERIFY(QFile::exists(QDir(config.m_JAVAPROJPATH.toQString()).filePath(QStringLiteral("TaxFormType.java"))));
    QVERIFY(QFile::exists(QDir(config.m_XMLPATH.toQString()).filePath(QStringLiteral("T1.xml"))));
    QVERIFY(QFile::exists(QDir(config.m_BFORM_XMLPATH.toQString()).filePath(QStringLiteral("SlipT4.xml"))));
}

QTEST_MAIN(PrintDialogsTest)
#include "tst_printdialogs.moc"
