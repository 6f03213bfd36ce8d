#include "dlgtddmain.h"

#include <QDesktopServices>
#include <QFile>
#include <QHeaderView>
#include <QSqlQuery>
#include <QUrl>
#include <QVariant>
#include <tinyxml.h>

#include "afrpages.h"
#include "autofill/dataafr.h"
#include "autofill/tddtaxdata.h"
#include "dlgfilingterm.h"
#include "dlgtddentersin.h"
#include "dlgtddprogresswait.h"
#include "familytaxdata.h"
#include "folderview.h"
#include "form_return.h"
#include "individualtaxdata.h"
#include "tabwndapp.h"
#include "tddappsetup.h"
#include "ui_dlgtddmain.h"
#include "utils.h"
#include "wizardbase.h"

namespace {

std::unique_ptr<DlgTDDProgressWait> programProgressDialog(short forWhich, const std::list<std::string>& sins,
                                                          QWidget* parent)
{
    TabWndApp* app = TabWndApp::getMainApp();
    if (!app) return nullptr;
    return makeTddProgressDialog(*app, forWhich, sins, parent);
}

// A record belongs to the open return when both hold the same nine digits,
// however either was typed.
bool sameSin(const CString& a, const CString& b)
{
    const CString digits = sinDigits(a);
    return !digits.IsEmpty() && digits == sinDigits(b);
}

} // namespace

DlgTDDMain::DlgTDDMain(short forWhich, QSqlDatabase& db, const CString& sin, Form_Return* editor, QWidget* parent)
    : QDialog(parent),
      m_sin(sin),
      m_db(db),
      m_forWhich(forWhich),
      m_editor(editor),
      ui(new Ui::DlgTDDMain),
      m_makeProgress(programProgressDialog),
      m_openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); })
{
    ui->setupUi(this);
    if (forWhich != 1) setWindowTitle(QStringLiteral("Express Notice of Assessment"));
    QTableView* view = ui->tableView;
    view->verticalHeader()->hide();
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section {background-color:cyan; font-weight:bold; height:22;}"));
    view->horizontalHeader()->setStretchLastSection(true);
    view->setSortingEnabled(true);
    // Newest first as loaded, until the user sorts by a column.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->btnClose->setDefault(true);
}

DlgTDDMain::~DlgTDDMain()
{
    delete ui;
}

void DlgTDDMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    RefillItems();
    m_proxy.setSourceModel(&m_model);
    ui->tableView->setModel(&m_proxy);
    ui->tableView->setColumnWidth(0, 120);
    ui->tableView->setColumnWidth(1, 260);
    ui->tableView->setColumnWidth(2, 50);
}

int DlgTDDMain::RefillItems()
{
    m_model.clear();
    return m_forWhich == 1 ? LoadTDDDataFromDB() : LoadNOADataFromDB();
}

namespace {

int loadEntries(QSqlDatabase& db, const QString& table, TDDDataEntriesModel& model)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("select p.sin, d.id, d.create_time, d.taxyear from %1 d, tb_taxpayers p "
                                   "where d.uid=p.id order by create_time desc")
                        .arg(table)))
        return 0;
    int count = 0;
    while (query.next()) {
        model.append(new TDDDataEntry(query.value(1).toInt(), query.value(0).toString(), query.value(2).toString(),
                                      query.value(3).toInt()));
        ++count;
    }
    return count;
}

} // namespace

int DlgTDDMain::LoadTDDDataFromDB()
{
    return loadEntries(m_db, QStringLiteral("tb_taxdata"), m_model);
}

int DlgTDDMain::LoadNOADataFromDB()
{
    return loadEntries(m_db, QStringLiteral("tb_taxnoa"), m_model);
}

TDDDataEntry* DlgTDDMain::getSelEntry() const
{
    const QItemSelectionModel* selection = ui->tableView->selectionModel();
    if (!selection || ui->tableView->model() != &m_proxy) return nullptr;
    const QModelIndexList rows = selection->selectedRows();
    if (rows.isEmpty()) return nullptr;
    return m_model.getElementData(m_proxy.mapToSource(rows.first()).row());
}

bool DlgTDDMain::LoadHtmlByIDFromDB(int id, CString& sin, CString& html)
{
    QSqlQuery query(m_db);
    query.prepare(m_forWhich == 1
                      ? QStringLiteral("select p.sin, html1, create_time, taxyear from tb_taxdata d, tb_taxpayers p "
                                       "where d.id=:id and p.id=d.uid order by create_time desc")
                      : QStringLiteral("select p.sin, htmlfile, create_time from tb_taxnoa d, tb_taxpayers p "
                                       "where d.id=:id and p.id=d.uid order by create_time desc"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec() || !query.next()) return false;
    sin = CString(query.value(0).toString());
    html = CString(query.value(1).toString());
    return true;
}

int DlgTDDMain::LoadPersonDataByIDFromDB(int id, TDDTaxDataOnePerson& person)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("select data1, create_time from tb_taxdata where id=:id order by create_time desc"));
    query.bindValue(QStringLiteral(":id"), id);
    if (!query.exec() || !query.next()) return 0;
    const QByteArray xml = query.value(0).toString().toUtf8();
    TiXmlDocument doc;
    doc.Parse(xml.constData(), nullptr, TIXML_DEFAULT_ENCODING);
    const TiXmlElement* item = doc.Error() ? nullptr : doc.FirstChildElement();
    if (!item) return -2;
    // Well-formed but without the person's identifier is no tax data either:
    // auto-fill would remove the earlier auto-filled slips and add nothing.
    if (person.parseXMLData(item) != 0) return -2;
    return 1;
}

int DlgTDDMain::removeByIDFromDB(int id)
{
    if (m_forWhich != 1) {
        CString sin, page;
        // A stored message is not a file; a page file already gone is no matter.
        if (LoadHtmlByIDFromDB(id, sin, page) && !page.toQString().startsWith(QLatin1String("For ")))
            QFile::remove(page.toQString());
    }
    QSqlQuery query(m_db);
    query.prepare(m_forWhich == 1 ? QStringLiteral("delete from tb_taxdata where id=:uid")
                                  : QStringLiteral("delete from tb_taxnoa where id=:uid"));
    query.bindValue(QStringLiteral(":uid"), id);
    query.exec();
    return 0;
}

void DlgTDDMain::on_btnNew_clicked()
{
    DlgFilingTerm terms(0, this);
    terms.setMsg(QStringLiteral("I agree to the terms and conditions"), QString(),
                 m_forWhich == 1 ? QStringLiteral("Auto-Fill Tax Return") : QStringLiteral("Express NOA"),
                 m_forWhich == 1 ? ":/tdd/tdd/tdd_netfile.txt" : ":/tdd/tdd/noa_netfile.txt");
    if (terms.exec() != QDialog::Accepted) return;

    std::list<std::string> sins;
    DlgTDDEnterSin entry(sins, this);
    if (entry.exec() != QDialog::Accepted) return;

    std::unique_ptr<DlgTDDProgressWait> progress =
        m_makeProgress ? m_makeProgress(m_forWhich == 1 ? 1 : 2, sins, this) : nullptr;
    if (!progress) return;
    progress->exec();
    const int count = progress->recordCount();
    const std::map<std::string, std::string> messages = progress->noticeMessages();
    const QString ending = progress->endingMessage();
    progress.reset();

    if (count < 1) {
        // Why nothing came: the agency held no record, or what went wrong
        // here; a download the user cancelled needs no word.
        if (!ending.isEmpty()) TabWndApp::gAppInformation(ending, nullptr);
        return;
    }
    RefillItems();
    for (const auto& message : messages)
        TabWndApp::gAppInformation(QString::fromStdString(message.second), nullptr);
}

void DlgTDDMain::on_btnView_clicked()
{
    const TDDDataEntry* entry = getSelEntry();
    if (!entry) return;
    const int id = entry->id();
    CString sin, html;
    LoadHtmlByIDFromDB(id, sin, html);
    if (m_forWhich == 1)
        viewAutoFillRecord(id, sin, html);
    else
        viewNotice(html);
}

void DlgTDDMain::viewAutoFillRecord(int id, const CString& recordSin, const CString& html)
{
    const bool matches = sameSin(m_sin, recordSin);
    DataAFR options;
    WizardBase wizard(this, QStringLiteral("Auto-Fill Tax Return"));
    wizard.addPage(new AFR_Data(html, &wizard));
    if (matches) {
        wizard.addPage(new AFR_Message(&options, &wizard));
        wizard.addPage(new AFR_Option(&options, &wizard));
        wizard.setButtonText(QWizard::FinishButton, QStringLiteral("Auto-Fill Return"));
    }
    wizard.initUI(800, 700);
    wizard.setWizardStyle(QWizard::ClassicStyle);
    if (wizard.exec() != QDialog::Accepted || !matches || !m_editor) return;
    autoFill(id, options);
}

void DlgTDDMain::autoFill(int id, DataAFR& options)
{
    TDDTaxDataOnePerson person(0);
    // A record that no longer parses would fill nothing, yet the earlier
    // auto-filled slips would go: leave the return as it is.
    if (LoadPersonDataByIDFromDB(id, person) != 1) {
        TabWndApp::gAppInformation(
            QStringLiteral("The stored tax data of this record cannot be read; the return is not changed."), this);
        return;
    }
    {
        MyWaitCursor wait;
        // The page's edits go into the return before it changes underneath.
        m_editor->saveCurFormDataToDoc();
        CFamilyTaxData* family = m_editor->familyData();
        family->AutoFillReturn(person, &options);
        // An earlier auto-filled slip on screen has just been removed: its
        // pages go before anything shows them again.
        const IndividualTaxData* shownPerson = family->getCurIndvTaxData();
        if (m_editor->currentForm() && !(shownPerson && shownPerson->listsItem(m_editor->currentForm())))
            m_editor->folderView()->setCurrentItem(m_editor->folderView()->startRoot());
        m_editor->syncFolderView(true, true);
        m_editor->refreshCurTabDataFromDoc();
        QString status;
        m_editor->refreshReturnStatus(status);
    }
    const QString leftOut = m_editor->familyData()->takeLeftOutAmountsText(QStringLiteral("the downloaded tax data"));
    if (!leftOut.isEmpty()) TabWndApp::gAppInformation(leftOut, this);
    accept();
}

void DlgTDDMain::viewNotice(const CString& stored)
{
    const QString text = stored.toQString();
    if (text.startsWith(QLatin1String("For "))) {
        TabWndApp::gAppInformation(text, this);
    } else if (!text.isEmpty() && QFile::exists(text)) {
        // As a local file's URL, whatever the platform's path looks like.
        m_openUrl(QUrl::fromLocalFile(text));
    } else {
        TabWndApp::gAppInformation(QStringLiteral("cannot find the file for viewing"), this);
    }
}

void DlgTDDMain::on_btnRemove_clicked()
{
    const TDDDataEntry* entry = getSelEntry();
    if (!entry) return;
    const QModelIndex row = m_proxy.mapToSource(ui->tableView->selectionModel()->selectedRows().first());
    removeByIDFromDB(entry->id());
    m_model.remove(row);
}

void DlgTDDMain::on_btnClose_clicked()
{
    reject();
}
