#include "form_return.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>

#include "basetaxpage.h"
#include "editorhost.h"
#include "familytaxdata.h"
#include "folderview.h"
#include "returnprinter.h"
#include "formtables.h"
#include "tabwndapp.h"
#include "taxdataform.h"
#include "ui_form_return.h"

namespace {

constexpr int kSummaryForm = 93;
constexpr int kT1 = 1;
constexpr int kT1159 = 161;
constexpr int kHelpPage = 99;

const char* const kTabStyle =
    "QTabWidget::pane { border-top: 2px solid #1B1B1B; background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #E1E1E1, stop: 1 #186665); }"
    "QTabBar::tab { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #E1E1E1, stop: 1 #D3D3D3); "
    "border: 2px solid #C4C4C3; border-top-left-radius: 2px; border-top-right-radius: 2px; min-width: 40px; "
    "height: 16px; padding: 3px; }"
    "QTabBar::tab:selected, QTabBar::tab:hover { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #fafafa, stop: 1 #f4f4f4); }"
    "QTabBar::tab:selected { border-color: #9B9B9B; color: green; }"
    "QTabBar::tab:!selected { margin-top: 2px; }";

const char* const kPageStyle =
    "QWidget {font-size: %1pt;margin-top: 1px;margin-bottom: 1px;} QPushButton {border:2px solid "
    "#8f8f91;min-width: 80px;background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 #f6f7fa, stop: "
    "1 #dadbde);} QPushButton:pressed {background-color: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 "
    "#dadbde, stop: 1 #f6f7fa);} QFrame[frameShape=\"4\"],QFrame[frameShape=\"5\"]{border:none; "
    "background:#E67112;}";

CT1AppConfig* appConfig()
{
    TabWndApp* app = TabWndApp::getMainApp();
    return app ? &app->config() : nullptr;
}

QString backgroundColour()
{
    CT1AppConfig* config = appConfig();
    return config ? config->m_BKColor.toQString() : QStringLiteral("#d0f1ff");
}

// Side 1 when the spouse is the person shown, else 0.
int sideOf(const CFamilyTaxData* data)
{
    return data->getCurIndv() == CFamilyTaxData::kSpouse ? 1 : 0;
}

QString itemTitle(const CTaxData_Form* form)
{
    switch (form->getItemKind()) {
    case FROM_SLIP: {
        const SlipInfo* info = slipInfo(form->getType());
        return info ? QString::fromUtf8(info->name) : QString();
    }
    case FROM_WIZARD: {
        const TaxWizardInfo* info = taxWizardInfo(form->getType());
        return info ? QString::fromUtf8(info->name) : QString();
    }
    default: {
        const FormInfo* info = formInfo(form->getType());
        return info ? QString::fromUtf8(info->longName) : QString();
    }
    }
}

} // namespace

Form_Return::Form_Return(QFileInfo* file, CFamilyTaxData* data, EditorHost* host, QWidget* parent, int index,
                         int openMode, int fontSize)
    : QWidget(parent),
      m_actionName(QStringLiteral("Return %1").arg(index)),
      ui(new Ui::Form_Return),
      m_fontSize(fontSize),
      m_index(index),
      m_host(host),
      m_data(data),
      m_openMode(openMode)
{
    MyWaitCursor wait;
    ui->setupUi(this);
    ui->tabForm->setStyleSheet(QString::fromLatin1(kTabStyle));
    ui->treeFolderView->setHost(host);
    m_action = new ActionShowReturn(this, QString(), this);
    m_action->setObjectName(m_actionName);
    setFilepath(file);

    refreshViewForColorFontSize();

    int side = 0, form = 0, page = 0;
    m_data->settings().getCurrentForm(side, form, page);
    if (!m_data->IsCoupledReturn()) side = 0;
    m_data->fillComboBox(ui->comboBox, side != 0);

    ui->treeFolderView->populate(m_data);
    ui->treeFolderView->ShowItem(FROM_FORM, 0);

    if (CTaxData_Form* t1 = m_data->GetFormData(kT1, false))
        showTaxForm(0, t1);
    else if (CTaxData_Form* t1159 = m_data->GetFormData(kT1159, false))
        showTaxForm(0, t1159);
    // The tree names what is shown, not the first form when that is another
    // one (forms reordered, a T1159 return) or none is shown: the form
    // commands act on the selection, and a selected item shows nothing on a
    // click.
    if (!selectShownItem()) ui->treeFolderView->setCurrentItem(nullptr);

    m_snapshot = new CFamilyTaxData(m_data->mode());
    *m_snapshot = *m_data;

    ui->lblFormDesc->setText(QStringLiteral("Return opened"));
    _updateLogEntry();
    connect(ui->treeFolderView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Form_Return::onFolderViewSelChange);
}

Form_Return::~Form_Return()
{
    delete m_printer;   // it points into the return
    // The pages point into the return: they go before it.
    const QList<ScrollTaxForm*> tabs = findChildren<ScrollTaxForm*>();
    ui->tabForm->clear();
    m_pages.clear();
    qDeleteAll(tabs);
    for (CFamilyTaxData* family : {m_data, m_snapshot}) {
        if (!family) continue;
        family->FreeData();
        delete family;
    }
    delete ui;
}

FolderView* Form_Return::folderView() const { return ui->treeFolderView; }
QComboBox* Form_Return::personChooser() const { return ui->comboBox; }
QTabWidget* Form_Return::formTabs() const { return ui->tabForm; }
QLabel* Form_Return::formDescription() const { return ui->lblFormDesc; }

QLabel* Form_Return::resultLine(int line) const
{
    switch (line) {
    case 1: return ui->lblResultLine1;
    case 2: return ui->lblResultLine2;
    case 3: return ui->lblResultLine3;
    default: return nullptr;
    }
}

QString Form_Return::helpFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources/help/qlmr"));
}

// ------------------------------------------------------------ the return file

void Form_Return::setFilepath(QFileInfo* file)
{
    if (file) {
        m_folder = QDir::toNativeSeparators(file->absolutePath());
        m_fileName = file->fileName();
    } else {
        m_folder.Empty();
        m_fileName.Empty();
    }
    m_action->setText(m_actionName + QStringLiteral(" - ") + getTitle());
    setWindowTitle(getTitle());
}

QString Form_Return::getTitle() const
{
    if (!hasFileToSave()) return QStringLiteral("Untitled (unsaved)");
    return m_folder.toQString() + QDir::separator() + m_fileName.toQString();
}

bool Form_Return::hasFileToSave() const
{
    return !m_folder.IsEmpty() && !m_fileName.IsEmpty();
}

void Form_Return::getFilepath(QString& path) const
{
    path = m_folder.toQString() + QDir::separator() + m_fileName.toQString();
}

bool Form_Return::isChanged() const
{
    return *m_data != *m_snapshot;
}

int Form_Return::_updateLogEntry()
{
    if (!m_data || !hasFileToSave()) return 99;
    TabWndApp* app = TabWndApp::getMainApp();
    if (!app) return 99;
    CString principal, spouse;
    m_data->getFamilyFullName(principal, spouse);
    QString path;
    getFilepath(path);
    app->saveReturnEntry(principal, spouse, path);
    return 0;
}

void Form_Return::rememberSelection()
{
    int kind = -1, type = 0, id = 0;
    ui->treeFolderView->getSelectedData(kind, type, id);
    m_data->settings().setCurrentForm(sideOf(m_data), kind, id);
}

int Form_Return::saveReturnFile(CString& path, bool backup)
{
    MyWaitCursor wait;
    rememberSelection();
    QString target;
    getFilepath(target);
    path = target;
    // A return never saved has no file: its path would name the root folder,
    // and its backup a stray file there.
    if (!hasFileToSave()) {
        saveLeftPaneSize();
        return 1;
    }

    // Both files are replaced only once every byte is written, so a save cut
    // short leaves the copy on disk as it was.
    int result = 0;
    CT1AppConfig* config = appConfig();
    const QFileInfo info(target);
    if (backup && config && config->m_SaveBackup != 0 && info.exists()) {
        const QString backupPath = QStringLiteral("%1%2%3_backup.%4")
                                       .arg(QDir::toNativeSeparators(info.canonicalPath()), QDir::separator(),
                                            info.baseName(), info.completeSuffix());
        if (!m_data->saveToFile(backupPath)) result = 2;
    }
    if (m_data->saveToFile(target)) {
        // A full copy: a copy that leaves out added items or the dependants
        // would leave a saved return counted as changed.
        *m_snapshot = *m_data;
        _updateLogEntry();
    } else {
        result = 1;
    }
    saveLeftPaneSize();
    return result;
}

QString Form_Return::saveFailedText(const QString& path)
{
    return QStringLiteral("The return file %1 could not be saved. The file on disk is as it was, and the return "
                          "stays open with its changes.")
        .arg(QDir::toNativeSeparators(path));
}

QString Form_Return::backupFailedText(const QString& path)
{
    return QStringLiteral("The return file %1 was saved, but its backup could not be written.").arg(path);
}

int Form_Return::saveReturnFile(bool backup)
{
    CString path;
    return saveReturnFile(path, backup);
}

bool Form_Return::onCloseReturn(CString& path)
{
    if (!hasFileToSave()) {
        if (!TabWndApp::gAppQuestion(
                QStringLiteral("You haven't save this return file, confirm 'Yes' to discard this return file?"), this))
            return false;
    } else if (isChanged()) {
        const QMessageBox::StandardButton pressed = TabWndApp::gAppQuestionReturnBtn(
            QStringLiteral("Do you want to save changed data to return file before closing?\n\n'Yes' to save it, "
                           "'No' to discard changes, or 'Cancel' closing"),
            this, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (pressed == QMessageBox::Yes) {
            // Closing after a failed save would drop the changes it was to keep.
            const int saved = saveReturnFile(path, true);
            if (saved == 1) {
                TabWndApp::gAppInformation(saveFailedText(path.toQString()), this);
                return false;
            }
            // The return is on disk, so the editor may go; the user must
            // still learn that the copy asked for was not made.
            if (saved == 2) TabWndApp::gAppInformation(backupFailedText(path.toQString()), this);
        } else if (pressed != QMessageBox::No) {
            return false;
        }
    }
    destroyFormTabs();
    return true;
}

// ------------------------------------------------------------ showing items

void Form_Return::destroyFormTabs()
{
    ui->lblFormDesc->clear();
    for (int i = 0; i < ui->tabForm->count(); ++i) ui->tabForm->widget(i)->deleteLater();
    ui->tabForm->clear();
    m_pages.clear();
    // The item shown may be removed next; nothing may show it again.
    m_curForm = nullptr;
}

int Form_Return::showTaxForm(int, CTaxData_Form* form)
{
    if (!form) return 0;
    MyWaitCursor wait;
    destroyFormTabs();
    m_curForm = form;
    form->FillPageList(m_pages, this);
    if (m_pages.empty()) {
        ui->lblFormDesc->clear();
        return -1;
    }
    const QString style = QString::fromLatin1(kPageStyle).arg(m_fontSize);
    const QString colour = backgroundColour();
    for (BaseTaxPage* page : m_pages) {
        page->setStyleSheet(style);
        ui->tabForm->addTab(new ScrollTaxForm(colour, this, page), page->getTitle());
    }
    for (BaseTaxPage* page : m_pages) {
        page->syncData();
        connect(page, &BaseTaxPage::signalCalc, this, &Form_Return::onSignalCalc);
    }
    ui->lblFormDesc->setText(itemTitle(form));
    return int(m_pages.size());
}

int Form_Return::showHtml(const QString&, const QString& url)
{
    destroyFormTabs();
    auto* browser = new QTextBrowser();
    browser->setSource(QUrl(url));
    ui->tabForm->addTab(new ScrollTaxForm(QStringLiteral("white"), this, browser), QStringLiteral("Quick Help"));
    return kHelpPage;
}

void Form_Return::onFolderViewSelChange(const QItemSelection&, const QItemSelection&)
{
    if (m_busy) return;
    MyWaitCursor wait;
    QTreeWidgetItem* item = ui->treeFolderView->getSelected();
    if (!item) return;
    FolderView* tree = ui->treeFolderView;
    const QString help = helpFolder();
    auto showHelp = [&](const char* page) {
        showHtml(QStringLiteral("Tax Return Start"),
                 QUrl::fromLocalFile(help + QLatin1Char('/') + QLatin1String(page)).toString());
    };
    QTreeWidgetItem* root = item->parent();
    void* record = root ? static_cast<TreeItem*>(item)->getItemData() : nullptr;
    if (root == tree->formsRoot() && record) {
        if (auto* form = static_cast<STRUCT_FORMDATA_ITEM_2004*>(record)->object) showTaxForm(0, form);
    } else if (root == tree->slipsRoot() && record) {
        if (auto* slip = static_cast<STRUCT_SLIPDATA_ITEM_2004*>(record)->object) showTaxForm(0, slip);
    } else if (root == tree->wizardRoot() && record) {
        if (auto* wizard = static_cast<STRUCT_WIZDATA_ITEM_2004*>(record)->object) showTaxForm(0, wizard);
    } else if (root == tree->notesRoot() && record) {
        if (auto* note = static_cast<STRUCT_NOTEDATA_ITEM_2004*>(record)->object) showTaxForm(0, note);
    } else if (item == tree->resultRoot()) {
        if (CTaxData_Form* summary = m_data->GetFormData(kSummaryForm, false)) showTaxForm(0, summary);
    } else if (item == tree->startRoot()) {
        showHelp("qlmr_start.html");
    } else if (item == tree->slipsRoot()) {
        showHelp("qlmr_slip.html");
    } else if (item == tree->wizardRoot()) {
        showHelp("qlmr_wiz.html");
    } else if (item == tree->formsRoot()) {
        showHelp("qlmr_form.html");
    }
}

void Form_Return::on_comboBox_currentIndexChanged(int)
{
    if (m_busy) return;
    const int person = ui->comboBox->currentData().toInt();
    if (person == m_data->getCurIndv()) return;
    MyWaitCursor wait;
    rememberSelection();
    const int before = m_data->getCurIndv();
    m_data->setCurIndv(person);
    if (m_data->getCurIndv() != before) {
        m_busy = true;
        FolderView* tree = ui->treeFolderView;
        tree->clearSlipData();
        tree->clearFormData();
        tree->clearNoteData();
        destroyFormTabs();
        tree->SyncFromReturnData();
        m_busy = false;
    }
    int kind = -1, id = 0;
    m_data->settings().getCurrentFormForSide(sideOf(m_data), kind, id);
    ui->treeFolderView->ShowItem(kind, id);
    if (m_host) m_host->showReturnResultInStatus(m_data->GetReturnStatusString(0));
}

bool Form_Return::isListed(const CTaxData_Form* form) const
{
    const IndividualTaxData* person = m_data->getCurIndvTaxData();
    return person && person->listsItem(form);
}

void Form_Return::refreshPages()
{
    for (BaseTaxPage* page : m_pages) page->refreshFromData();
}

void Form_Return::onSignalCalc(CTaxData_Form* form, CField* field)
{
    if (residenceBoxEdited(form, field)) return;
    const int before = m_data->GetCountOfForm(0);
    const int changed = m_data->Calculate(form ? form->getItemKind() : FROM_WHOLE_RETURN, form);
    // A calculation that removed the item shown leaves its pages pointing
    // at nothing: they go before anything refreshes them.
    if (changed != 0 && m_curForm && !isListed(m_curForm)) destroyFormTabs();
    refreshPages();
    if (changed == 0 && m_data->GetCountOfForm(0) == before)
        ui->treeFolderView->SyncFormsName();
    else
        resyncForms();
    ui->treeFolderView->SyncSlipsNotesName();
    QString status;
    refreshReturnStatus(status);
}

void Form_Return::resyncForms()
{
    ui->treeFolderView->SyncFromFormData();
    // The resync reuses the items row by row: when a form above the one shown
    // went or moved, the selection stays on its row and names another form,
    // and the form commands act on the selection. (Only the form branch is in
    // step with the return here.)
    if (m_curForm && m_curForm->getItemKind() == FROM_FORM) selectShownItem();
}

bool Form_Return::selectShownItem()
{
    if (!m_curForm) return false;
    FolderView* tree = ui->treeFolderView;
    QTreeWidgetItem* root = nullptr;
    CTaxData_Form* (*objectOf)(void*) = nullptr;
    switch (m_curForm->getItemKind()) {
    case FROM_FORM:
        root = tree->formsRoot();
        objectOf = [](void* r) { return static_cast<STRUCT_FORMDATA_ITEM_2004*>(r)->object; };
        break;
    case FROM_SLIP:
        root = tree->slipsRoot();
        objectOf = [](void* r) { return static_cast<STRUCT_SLIPDATA_ITEM_2004*>(r)->object; };
        break;
    case FROM_NOTE:
        root = tree->notesRoot();
        objectOf = [](void* r) { return static_cast<STRUCT_NOTEDATA_ITEM_2004*>(r)->object; };
        break;
    default: return false;
    }
    for (int i = 0; i < root->childCount(); ++i) {
        auto* item = static_cast<TreeItem*>(root->child(i));
        if (!item->getItemData() || objectOf(item->getItemData()) != m_curForm) continue;
        if (tree->currentItem() != item) {
            // Its pages are shown already: they stay as they are.
            const bool busy = m_busy;
            m_busy = true;
            tree->setCurrentItem(item);
            m_busy = busy;
        }
        return true;
    }
    return false;
}

void Form_Return::saveCurFormDataToDoc()
{
    if (m_pages.empty()) return;
    auto* scroll = qobject_cast<ScrollTaxForm*>(ui->tabForm->currentWidget());
    auto* page = scroll ? qobject_cast<BaseTaxPage*>(scroll->contentWidget()) : nullptr;
    if (!page) return;
    page->saveToData();
    onSignalCalc(m_curForm, nullptr);
}

void Form_Return::refreshCurTabDataFromDoc()
{
    refreshPages();
}

void Form_Return::syncFolderView(bool forms, bool slips)
{
    FolderView* tree = ui->treeFolderView;
    if (forms)
        tree->SyncFromFormData();
    else
        tree->SyncFormsName();
    if (slips) {
        tree->SyncFromSlipData();
        tree->SyncFromNoteData();
    } else {
        tree->SyncSlipsNotesName();
    }
    // Items removed from outside (the auto-fill replaces its slips) move the
    // rows: the selection stays with what is shown.
    selectShownItem();
}

void Form_Return::refreshReturnStatus(QString& status)
{
    status = m_data->GetReturnStatusString(0).toQString();
    CString principal, spouse, family;
    m_data->getFamilyResult(principal, spouse, family);
    ui->lblResultLine1->setText(principal.toQString());
    ui->lblResultLine2->setText(spouse.toQString());
    ui->lblResultLine3->setText(family.toQString());
    if (m_host) m_host->showReturnResultInStatus(CString(status));
}

void Form_Return::forwardTaxFormThere(ENUMTYPE_FORM type)
{
    if (type == 0) return;
    MyWaitCursor wait;
    const ENUMTYPE_FORM extra = m_data->FindExtraFormToBeAdded(type);
    if (extra != 0 && !m_data->GetFormDataItem(extra, true)) return;
    STRUCT_FORMDATA_ITEM_2004* item = m_data->GetFormDataItem(type, true);
    if (!item) return;
    ui->treeFolderView->SyncFromFormData();
    ui->treeFolderView->SyncSlipsNotesName();
    ui->treeFolderView->ShowItem(FROM_FORM, item->uniqueId);
    // An item already current fires no selection change (the first form is
    // selected at opening while the T1 shows): the form is shown here then.
    if (item->object && m_curForm != item->object) showTaxForm(0, item->object);
}

bool Form_Return::getFedStringClaimed(int number, CString& value) const
{
    return m_data->getFedStringClaimed(number, value);
}

// ------------------------------------------------------------ the left pane

void Form_Return::saveLeftPaneSize()
{
    CT1AppConfig* config = appConfig();
    const QList<int> sizes = ui->splitter->sizes();
    if (config && !sizes.isEmpty()) config->m_LeftPaneSize = QStringLiteral("%1").arg(sizes.first());
}

void Form_Return::setLeftpaneWidth(int width)
{
    const QList<int> sizes = ui->splitter->sizes();
    if (sizes.size() < 2) return;
    const int total = sizes[0] + sizes[1];
    const int fallback = total > 270 ? 270 : 1;
    const int left = width >= 10 && width <= total ? width : fallback;
    ui->splitter->setSizes({left, total - left});
}

bool Form_Return::toggleViewMode()
{
    const QList<int> sizes = ui->splitter->sizes();
    if (sizes.size() < 2) return false;
    const int total = sizes[0] + sizes[1];
    if (sizes[0] <= 10) {
        const int left = total < 271 ? 30 : 270;
        ui->splitter->setSizes({left, total - left});
        return true;
    }
    ui->splitter->setSizes({1, total - 1});
    return false;
}

void Form_Return::changeFontSize(int size)
{
    if (size == m_fontSize) return;
    m_fontSize = size;
    refreshViewForColorFontSize();
    if (m_curForm) showTaxForm(0, m_curForm);
}

void Form_Return::setFolderViewBKColor(const QString& colour, int size)
{
    ui->treeFolderView->setStyleSheet(
        QStringLiteral("QTreeWidget {color:black;background-color:%1;font-size:%2pt;}").arg(colour).arg(size));
}

void Form_Return::refreshViewForColorFontSize()
{
    const QString colour = backgroundColour();
    setFolderViewBKColor(colour, m_fontSize);
    for (ScrollTaxForm* tab : ui->tabForm->findChildren<ScrollTaxForm*>()) tab->setBackgroundColor(colour);
}

void Form_Return::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    CT1AppConfig* config = appConfig();
    if (config) setLeftpaneWidth(config->m_LeftPaneSize.toQString().toInt());
}

void Form_Return::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
}
