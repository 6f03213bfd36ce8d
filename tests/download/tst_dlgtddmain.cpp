// The records dialog on a database of its own, driven as a user drives it:
// the list (headers, newest first), View and Remove with no row selected
// and after sorting, removing records and notice files, the notice views,
// records deleted behind the dialog, and View of auto-fill data filling
// the return open in an editor through the three-page wizard.

#include <QCheckBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QSqlError>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableView>
#include <QTextBrowser>
#include <QWizard>
#include <QtTest>
#include <memory>

#include "apptestmain.h"
#include "dlgtddmain.h"
#include "dlgtddprogresswait.h"
#include "editorhost.h"
#include "familytaxdata.h"
#include "folderview.h"
#include "form_return.h"
#include "modaldriver.h"
#include "prompt.h"
#include "scenario.h"
#include "t1.h"
#include "taxdataform.h"
#include "taxformpage.h"
#include "workerdb.h"

namespace {

const char* const kSin = "046454286";
const char* const kOther = "123456782";

// A downloaded person with a T4, a T5 and a T4A.
const char* const kPersonXml =
    "<IndividualIncomeTaxDataItem><IndividualTaxpayerIdentifier>046454286</IndividualTaxpayerIdentifier><Slips>"
    "<T4Slip><EmployerName>Harbour Freight Ltd.</EmployerName><Amount boxNumber=\"14\">12345.67</Amount>"
    "<Amount boxNumber=\"22\">1500</Amount></T4Slip>"
    "<T5Slip><PayerName>North Bank</PayerName><Amount boxNumber=\"13\">250</Amount></T5Slip>"
    "<T4ASlip><PayerName>Pension Co</PayerName><Amount boxNumber=\"16\">999</Amount></T4ASlip>"
    "</Slips></IndividualIncomeTaxDataItem>";
const char* const kPage = "<h3>SIN: 046454286, update time: 2022-03-01</h3><p>T4 from Harbour Freight Ltd.</p>";

int insert(QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.prepare(sql);
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) qWarning("%s", qPrintable(q.lastError().text()));
    return q.lastInsertId().toInt();
}

int taxpayer(QSqlDatabase& db, const QString& sin)
{
    return insert(db, "insert into tb_taxpayers (name, sin) values ('', ?)", {sin});
}

int taxData(QSqlDatabase& db, int uid, const QString& time, const QString& xml = kPersonXml,
            const QString& page = kPage)
{
    return insert(db, "insert into tb_taxdata (uid, create_time, data1, html1, taxyear) values (?, ?, ?, ?, 2021)",
                  {uid, time, xml, page});
}

int notice(QSqlDatabase& db, int uid, const QString& time, const QString& file)
{
    return insert(db, "insert into tb_taxnoa (uid, create_time, data1, htmlfile, taxyear) values (?, ?, '', ?, 2020)",
                  {uid, time, file});
}

QTableView* table(DlgTDDMain& dlg) { return dlg.findChild<QTableView*>("tableView"); }

QStringList rows(DlgTDDMain& dlg)
{
    QAbstractItemModel* model = table(dlg)->model();
    QStringList out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << QStringLiteral("%1 %2 %3").arg(model->index(r, 0).data().toString(), model->index(r, 1).data().toString(),
                                             model->index(r, 2).data().toString());
    return out;
}

void selectRow(DlgTDDMain& dlg, int row)
{
    QTableView* view = table(dlg);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier,
                      view->visualRect(view->model()->index(row, 1)).center());
}

void sortByColumn(DlgTDDMain& dlg, int column)
{
    QHeaderView* header = table(dlg)->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(header->sectionViewportPosition(column) + 10, header->height() / 2));
}

void click(DlgTDDMain& dlg, const char* button)
{
    QTest::mouseClick(dlg.findChild<QPushButton*>(button), Qt::LeftButton);
}

void tick(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

struct QuietHost : EditorHost
{
    void showReturnResultInStatus(const CString&) override {}
    void setupContextMenu(int, QMenu*) override {}
};

// The first editing widget of `field` among the editor's pages.
QLineEdit* fieldEditor(Form_Return* editor, const QString& field)
{
    for (BaseTaxPage* page : editor->pages())
        if (auto* taxPage = qobject_cast<TaxFormPage*>(page))
            if (auto* edit = qobject_cast<QLineEdit*>(taxPage->editorOf(field))) return edit;
    return nullptr;
}

} // namespace

class TstDlgTddMain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installTaxFormPages(); }
    void init();
    void cleanup();

    void listsNewestFirst_data();
    void listsNewestFirst();
    void nothingSelectedDoesNothing();
    void sortedListActsOnTheSelectedRecord();
    void removeKeepsTaxpayerAndDeletesNoticeFile();
    void noticeViews_data();
    void noticeViews();
    void recordDeletedBehindTheDialog();
    void viewAutoFillData_data();
    void viewAutoFillData();
    void unreadableRecordChangesNothing_data();
    void unreadableRecordChangesNothing();
    void refillWhileAnAutoFilledSlipIsShown();

private:
    // An editor on the worked T4 return, its T1 holding `sin` as typed.
    void openReturn(const QString& sin);
    std::unique_ptr<DlgTDDMain> dialog(short forWhich, Form_Return* editor = nullptr);

    std::unique_ptr<WorkerDb> m_db;
    QuietHost m_host;
    std::unique_ptr<Form_Return> m_editor;
    QTemporaryDir m_files;
};

void TstDlgTddMain::init()
{
    m_db.reset(new WorkerDb);
    QVERIFY(m_db->open());
}

void TstDlgTddMain::cleanup()
{
    m_editor.reset();
    m_db.reset();
}

void TstDlgTddMain::openReturn(const QString& sin)
{
    QFile file(QStringLiteral(SCENARIO_DIR "/employee_t4_on.json"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(file.readAll(), &error);
    QVERIFY2(family, qPrintable(error));
    family->taxpayer()->t1()->setString("sin", CString(sin));
    m_editor.reset(new Form_Return(nullptr, family.release(), &m_host, nullptr, 1, -1, 12));
    m_editor->show();
}

std::unique_ptr<DlgTDDMain> TstDlgTddMain::dialog(short forWhich, Form_Return* editor)
{
    CString sin;
    if (editor) editor->getFedStringClaimed(1, sin);
    auto dlg = std::make_unique<DlgTDDMain>(forWhich, m_db->gui(), sin, editor, nullptr);
    dlg->setProgressDialogMaker([](short, const std::list<std::string>&, QWidget*) {
        return std::unique_ptr<DlgTDDProgressWait>();
    });
    dlg->show();
    return dlg;
}

void TstDlgTddMain::listsNewestFirst_data()
{
    QTest::addColumn<int>("forWhich");
    QTest::addColumn<QString>("title");
    QTest::newRow("auto-fill") << 1 << "Auto Fill Tax Data";
    QTest::newRow("notices") << 2 << "Express Notice of Assessment";
}

void TstDlgTddMain::listsNewestFirst()
{
    QFETCH(int, forWhich);
    QFETCH(QString, title);
    QSqlDatabase& db = m_db->gui();
    const int a = taxpayer(db, kSin), b = taxpayer(db, kOther);
    for (auto [uid, time] : {std::pair<int, const char*>{a, "2022-03-01 09:00:00"}, {b, "2022-05-01 10:00:00"},
                             {a, "2021-12-01 08:00:00"}}) {
        if (forWhich == 1)
            taxData(db, uid, time);
        else
            notice(db, uid, time, "For nobody");
    }
    auto dlg = dialog(short(forWhich));
    QCOMPARE(dlg->windowTitle(), title);
    QAbstractItemModel* model = table(*dlg)->model();
    QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("S.I.N."));
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QString("Update Time"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString("Tax Year"));
    const QString year = forWhich == 1 ? "2021" : "2020";
    QCOMPARE(rows(*dlg), QStringList({QString("123456782 2022-05-01 10:00:00 ") + year,
                                      QString("046454286 2022-03-01 09:00:00 ") + year,
                                      QString("046454286 2021-12-01 08:00:00 ") + year}));
    QCOMPARE(model->index(0, 2).data().type(), QVariant::Int);
    // Shown again, it reads the list afresh.
    taxData(db, b, "2023-01-01 00:00:00");
    notice(db, b, "2023-01-01 00:00:00", "For nobody");
    dlg->hide();
    dlg->show();
    QCOMPARE(rows(*dlg).size(), 4);
    QVERIFY(rows(*dlg).first().startsWith("123456782 2023-01-01"));
}

void TstDlgTddMain::nothingSelectedDoesNothing()
{
    QSqlDatabase& db = m_db->gui();
    const int uid = taxpayer(db, kSin);
    taxData(db, uid, "2022-03-01 09:00:00");
    notice(db, uid, "2022-03-01 09:00:00", "For you");
    for (short forWhich : {1, 2}) {
        auto dlg = dialog(forWhich);
        Prompt::Scripted prompts;
        ModalDriver modal;
        click(*dlg, "btnView");
        click(*dlg, "btnRemove");
        QTest::qWait(50);
        QCOMPARE(modal.seen(), QStringList());
        QCOMPARE(prompts.asked().size(), 0);
        QCOMPARE(rows(*dlg).size(), 1);
        QVERIFY(dlg->isVisible());
    }
    QCOMPARE(m_db->value("select count(*) from tb_taxdata").toInt(), 1);
    QCOMPARE(m_db->value("select count(*) from tb_taxnoa").toInt(), 1);
}

void TstDlgTddMain::sortedListActsOnTheSelectedRecord()
{
    QSqlDatabase& db = m_db->gui();
    const int a = taxpayer(db, kSin), b = taxpayer(db, kOther), c = taxpayer(db, "130692544");
    notice(db, a, "2022-01-01 00:00:00", "For A");
    notice(db, b, "2022-03-01 00:00:00", "For B");
    notice(db, c, "2022-02-01 00:00:00", "For C");
    auto dlg = dialog(2);
    QCOMPARE(rows(*dlg).first().left(9), QString(kOther)); // newest first
    sortByColumn(*dlg, 0);                                  // 046..., 123..., 130...
    QCOMPARE(rows(*dlg).first().left(9), QString(kSin));

    Prompt::Scripted prompts;
    selectRow(*dlg, 2);
    click(*dlg, "btnView");
    QCOMPARE(prompts.texts(), QStringList{"For C"});
    click(*dlg, "btnRemove");
    QCOMPARE(m_db->value("select group_concat(htmlfile) from tb_taxnoa").toString(), QString("For A,For B"));
    QCOMPARE(rows(*dlg).size(), 2);
    QVERIFY(!rows(*dlg).join(';').contains("130692544"));
}

void TstDlgTddMain::removeKeepsTaxpayerAndDeletesNoticeFile()
{
    QSqlDatabase& db = m_db->gui();
    const int uid = taxpayer(db, kSin);
    const QString page = m_files.filePath("noa-page.html");
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<html>notice</html>");
    file.close();
    notice(db, uid, "2022-03-01 09:00:00", page);
    notice(db, uid, "2022-02-01 09:00:00", "For tax payer (S.I.N. 046454286), no message presents.");
    taxData(db, uid, "2022-01-01 09:00:00");

    auto notices = dialog(2);
    selectRow(*notices, 0);
    click(*notices, "btnRemove");
    QVERIFY(!QFile::exists(page));
    selectRow(*notices, 0);
    click(*notices, "btnRemove"); // a message, not a file: the row still goes
    QCOMPARE(rows(*notices), QStringList());
    QCOMPARE(m_db->value("select count(*) from tb_taxnoa").toInt(), 0);

    auto data = dialog(1);
    selectRow(*data, 0);
    click(*data, "btnRemove");
    QCOMPARE(rows(*data), QStringList());
    QCOMPARE(m_db->value("select count(*) from tb_taxdata").toInt(), 0);
    QCOMPARE(m_db->value("select count(*) from tb_taxpayers").toInt(), 1);
}

void TstDlgTddMain::noticeViews_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("opened");
    QTest::newRow("a message") << "For tax payer (S.I.N. 046454286), Your refund is $120."
                               << QStringList{"For tax payer (S.I.N. 046454286), Your refund is $120."} << false;
    QTest::newRow("lower-case for is a path") << "for you" << QStringList{"cannot find the file for viewing"} << false;
    QTest::newRow("file gone") << "MISSING" << QStringList{"cannot find the file for viewing"} << false;
    QTest::newRow("page file") << "PAGE" << QStringList{} << true;
}

void TstDlgTddMain::noticeViews()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, messages);
    QFETCH(bool, opened);
    const QString page = m_files.filePath("page.html");
    QFile file(page);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    if (stored == "PAGE") stored = page;
    if (stored == "MISSING") stored = m_files.filePath("gone.html");
    notice(m_db->gui(), taxpayer(m_db->gui(), kSin), "2022-03-01 09:00:00", stored);

    auto dlg = dialog(2);
    QList<QUrl> urls;
    dlg->setUrlOpener([&](const QUrl& url) {
        urls << url;
        return true;
    });
    Prompt::Scripted prompts;
    selectRow(*dlg, 0);
    click(*dlg, "btnView");
    QCOMPARE(prompts.texts(), messages);
    QCOMPARE(urls, opened ? QList<QUrl>{QUrl("file://" + page)} : QList<QUrl>{});
    QVERIFY(dlg->isVisible());
}

void TstDlgTddMain::recordDeletedBehindTheDialog()
{
    openReturn(kSin);
    QSqlDatabase& db = m_db->gui();
    const int uid = taxpayer(db, kSin);
    const int data = taxData(db, uid, "2022-03-01 09:00:00");
    const int noa = notice(db, uid, "2022-03-01 09:00:00", "For you");
    auto dlg = dialog(1, m_editor.get());
    auto notices = dialog(2);
    QVERIFY(m_db->run(QString("delete from tb_taxdata where id=%1").arg(data)));
    QVERIFY(m_db->run(QString("delete from tb_taxnoa where id=%1").arg(noa)));

    int pages = -1;
    QString text = "unset", finish;
    ModalDriver modal;
    modal.then([&](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        pages = wizard->pageIds().size();
        text = wizard->findChild<QTextBrowser*>("txtTaxData")->toPlainText();
        finish = wizard->buttonText(QWizard::FinishButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    });
    selectRow(*dlg, 0);
    click(*dlg, "btnView");
    QCOMPARE(modal.seen(), QStringList{"WizardBase"});
    QCOMPARE(pages, 1);
    QCOMPARE(text, QString());
    QVERIFY(finish != "Auto-Fill Return");
    QCOMPARE(m_editor->familyData()->taxpayer()->slips().size(), size_t(1));
    QVERIFY(dlg->isVisible());
    click(*dlg, "btnRemove");
    QCOMPARE(rows(*dlg), QStringList());

    Prompt::Scripted prompts;
    selectRow(*notices, 0);
    click(*notices, "btnView");
    QCOMPARE(prompts.texts(), QStringList{"cannot find the file for viewing"});
    click(*notices, "btnRemove");
    QCOMPARE(rows(*notices), QStringList());
}

void TstDlgTddMain::viewAutoFillData_data()
{
    QTest::addColumn<QString>("t1Sin");
    QTest::addColumn<QString>("recordSin");
    QTest::addColumn<bool>("withReturn");
    QTest::addColumn<bool>("finish");
    QTest::addColumn<int>("pages");
    QTest::newRow("the return's S.I.N.") << kSin << kSin << true << true << 3;
    QTest::newRow("grouped in the T1") << "046 454 286" << kSin << true << true << 3;
    QTest::newRow("another S.I.N.") << kSin << kOther << true << true << 1;
    QTest::newRow("no return open") << kSin << kSin << false << true << 1;
    QTest::newRow("cancelled") << kSin << kSin << true << false << 3;
}

void TstDlgTddMain::viewAutoFillData()
{
    QFETCH(QString, t1Sin);
    QFETCH(QString, recordSin);
    QFETCH(bool, withReturn);
    QFETCH(bool, finish);
    QFETCH(int, pages);
    const bool applies = pages == 3 && finish;
    openReturn(t1Sin);
    CFamilyTaxData* family = m_editor->familyData();
    const double incomeBefore = family->taxpayer()->t1()->getFloat("10100");
    const QString resultBefore = m_editor->resultLine(1)->text();
    taxData(m_db->gui(), taxpayer(m_db->gui(), recordSin), "2022-03-01 09:00:00");
    auto dlg = dialog(1, withReturn ? m_editor.get() : nullptr);

    int shownPages = -1;
    QString text, finishText;
    ModalDriver modal;
    modal.then([&](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        shownPages = wizard->pageIds().size();
        text = wizard->findChild<QTextBrowser*>("txtTaxData")->toPlainText();
        finishText = wizard->buttonText(QWizard::FinishButton);
        if (shownPages == 3) {
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QWizardPage* options = wizard->currentPage();
            tick(options->findChild<QRadioButton*>("fld_iFillOption_1"));
            tick(options->findChild<QCheckBox*>("fld_bT4"));
            tick(options->findChild<QCheckBox*>("fld_bT5"));
        }
        QTest::mouseClick(wizard->button(finish ? QWizard::FinishButton : QWizard::CancelButton), Qt::LeftButton);
    });
    Prompt::Scripted prompts;
    selectRow(*dlg, 0);
    click(*dlg, "btnView");

    QCOMPARE(modal.seen(), QStringList{"WizardBase"});
    QCOMPARE(shownPages, pages);
    // The page's heading is shown as a heading, not as mark-up.
    QVERIFY2(text.startsWith("SIN: 046454286, update time: 2022-03-01\n"), qPrintable(text));
    if (pages == 3) QCOMPARE(finishText, QString("Auto-Fill Return"));
    QCOMPARE(prompts.asked().size(), 0);
    QCOMPARE(dlg->isVisible(), !applies);

    const auto& slips = family->taxpayer()->slips();
    if (!applies) {
        QCOMPARE(slips.size(), size_t(1));
        QCOMPARE(family->taxpayer()->t1()->getFloat("10100"), incomeBefore);
        return;
    }
    // The T4 and the T5 only, marked as auto-filled; the T4A left out.
    QStringList kinds;
    const STRUCT_SLIPDATA_ITEM_2004* filledT4 = nullptr;
    for (const auto* item : slips) {
        kinds << QStringLiteral("%1%2").arg(item->slipType).arg(item->object->isAutoFilled() ? "a" : "");
        if (item->slipType == 1 && item->object->isAutoFilled()) filledT4 = item;
    }
    kinds.sort();
    QCOMPARE(kinds, QStringList({"1", "1a", "8a"}));
    QCOMPARE(family->taxpayer()->t1()->getFloat("10100"), incomeBefore + 12345.67);
    CString line1, line2, line3;
    family->getFamilyResult(line1, line2, line3);
    QCOMPARE(m_editor->resultLine(1)->text(), line1.toQString());
    QVERIFY(m_editor->resultLine(1)->text() != resultBefore);

    // The tree lists the new slips; the filled T4 shows its box 14.
    FolderView* tree = m_editor->folderView();
    QCOMPARE(tree->slipsRoot()->childCount(), 3);
    for (int i = 0; i < tree->slipsRoot()->childCount(); ++i) {
        auto* child = static_cast<TreeItem*>(tree->slipsRoot()->child(i));
        if (child->getItemData() == filledT4) tree->setCurrentItem(child);
    }
    QCOMPARE(m_editor->currentForm(), filledT4->object);
    QLineEdit* box14 = fieldEditor(m_editor.get(), "14");
    QVERIFY(box14);
    QCOMPARE(box14->text().remove(','), QString("12345.67"));
}

void TstDlgTddMain::unreadableRecordChangesNothing_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("not XML") << "<IndividualIncomeTaxDataItem><Slips><T4Slip>";
    // Well-formed, yet no person's data: applying it would only remove.
    QTest::newRow("no identifier") << "<IndividualIncomeTaxDataItem><Slips/></IndividualIncomeTaxDataItem>";
    QTest::newRow("another document") << "<html><body>Service unavailable</body></html>";
}

void TstDlgTddMain::unreadableRecordChangesNothing()
{
    QFETCH(QString, stored);
    openReturn(kSin);
    CFamilyTaxData* family = m_editor->familyData();
    const int id = taxData(m_db->gui(), taxpayer(m_db->gui(), kSin), "2022-03-01 09:00:00");
    auto finishAll = [](QWidget* w) {
        auto* wizard = qobject_cast<QWizard*>(w);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
        QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
    };
    {
        auto dlg = dialog(1, m_editor.get());
        ModalDriver modal;
        modal.then(finishAll);
        selectRow(*dlg, 0);
        click(*dlg, "btnView");
        QVERIFY(!dlg->isVisible());
    }
    QCOMPARE(family->taxpayer()->slips().size(), size_t(4)); // everything applied
    const double income = family->taxpayer()->t1()->getFloat("10100");

    QSqlQuery q(m_db->gui());
    q.prepare("update tb_taxdata set data1=? where id=?");
    q.addBindValue(stored);
    q.addBindValue(id);
    QVERIFY(q.exec());
    auto dlg = dialog(1, m_editor.get());
    ModalDriver modal;
    modal.then(finishAll);
    Prompt::Scripted prompts;
    selectRow(*dlg, 0);
    click(*dlg, "btnView");
    QCOMPARE(prompts.texts(),
             QStringList{"The stored tax data of this record cannot be read; the return is not changed."});
    QVERIFY(dlg->isVisible());
    QCOMPARE(family->taxpayer()->slips().size(), size_t(4));
    QCOMPARE(family->taxpayer()->t1()->getFloat("10100"), income);
}

void TstDlgTddMain::refillWhileAnAutoFilledSlipIsShown()
{
    openReturn(kSin);
    CFamilyTaxData* family = m_editor->familyData();
    taxData(m_db->gui(), taxpayer(m_db->gui(), kSin), "2022-03-01 09:00:00");
    auto applyAll = [this] {
        auto dlg = dialog(1, m_editor.get());
        ModalDriver modal;
        modal.then([](QWidget* w) {
            auto* wizard = qobject_cast<QWizard*>(w);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::NextButton), Qt::LeftButton);
            QTest::mouseClick(wizard->button(QWizard::FinishButton), Qt::LeftButton);
        });
        selectRow(*dlg, 0);
        click(*dlg, "btnView");
        return !dlg->isVisible();
    };
    QVERIFY(applyAll());
    // Show the auto-filled T4 and leave an edit on its page.
    FolderView* tree = m_editor->folderView();
    CTaxData_Form* shown = nullptr;
    for (int i = 0; i < tree->slipsRoot()->childCount() && !shown; ++i) {
        auto* item = static_cast<STRUCT_SLIPDATA_ITEM_2004*>(static_cast<TreeItem*>(tree->slipsRoot()->child(i))->getItemData());
        if (item->slipType == 1 && item->object->isAutoFilled()) {
            tree->setCurrentItem(tree->slipsRoot()->child(i));
            shown = item->object;
        }
    }
    QVERIFY(shown);
    QCOMPARE(m_editor->currentForm(), shown);
    QVERIFY(fieldEditor(m_editor.get(), "14"));

    // The same record again replaces the auto-filled slips, the one shown too.
    QVERIFY(applyAll());
    QCOMPARE(family->taxpayer()->slips().size(), size_t(4));
    QVERIFY(m_editor->currentForm() != shown);
    QCOMPARE(m_editor->pages().size(), size_t(0));
    QCOMPARE(tree->slipsRoot()->childCount(), 4);
    tree->setCurrentItem(tree->slipsRoot()->child(0));
    QVERIFY(m_editor->currentForm());
}

QUILLMERE_APP_TEST_MAIN(TstDlgTddMain)
#include "tst_dlgtddmain.moc"
