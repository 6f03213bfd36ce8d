// The main window's side of a return's life: the limit of two open returns,
// reading, importing and coupling return files, saving and closing.

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>

#include "dlgcouplereturn_tab1.h"
#include "dlgimportoption_info.h"
#include "familytaxdata.h"
#include "form_return.h"
#include "mainwindow.h"
#include "ppgnewreturnbasic.h"
#include "priorimport.h"
#include "prompt.h"
#include "returnfile.h"
#include "tabwndapp.h"
#include "ui_mainwindow.h"
#include "wizardbase.h"

namespace {

const char* const kOpenFilter = "*.r21 Return files (*.r21);;All files (*.*)";

QString canonicalFolderOf(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).canonicalPath());
}

// Two spellings of one file (a link, "..", another separator) are the same
// return; a path not on disk compares as written, made absolute.
QString fileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

} // namespace

Form_Return* MainWindow::editorOf(const QString& path) const
{
    const QString key = fileKey(path);
    for (int i = 0; i < ui->stackedWidget->count(); ++i) {
        auto* editor = qobject_cast<Form_Return*>(ui->stackedWidget->widget(i));
        if (!editor || !editor->hasFileToSave()) continue;
        QString open;
        editor->getFilepath(open);
        if (fileKey(open) == key) return editor;
    }
    return nullptr;
}

bool MainWindow::showOpenReturn(const QString& path)
{
    Form_Return* editor = editorOf(path);
    if (!editor) return false;
    ui->stackedWidget->setCurrentWidget(editor);
    syncWndTitleAndStatus();
    return true;
}

QString MainWindow::openElsewhereText(const QString& path)
{
    return QStringLiteral("The return file %1 is open in another window of this program. Close it there first, or "
                          "choose another name.")
        .arg(QDir::toNativeSeparators(path));
}

bool MainWindow::canOpenMoreReturn()
{
    if (m_openReturns < 2) return true;
    TabWndApp::gAppInformation(QStringLiteral("Maximum number of returns are opened already. Please click 'Close' "
                                              "button on top to close a return first!"),
                               this);
    return false;
}

int MainWindow::_presentAReturn(int openMode, QFileInfo* file, CFamilyTaxData* data)
{
    ++m_openReturns;
    auto* editor = new Form_Return(file, data, this, ui->stackedWidget, m_openReturns, openMode, m_fontSize);
    ui->stackedWidget->addWidget(editor);
    ui->stackedWidget->setCurrentWidget(editor);
    ui->menuWindows->addAction(editor->action());
    connect(editor->action(), &QAction::triggered, this, &MainWindow::actionShowReturn);
    syncWndTitleAndStatus();
    return 0;
}

Form_Return* MainWindow::shownEditor() const
{
    return qobject_cast<Form_Return*>(shownEditorPage());
}

Form_Return* MainWindow::commandEditor()
{
    Form_Return* editor = shownEditor();
    if (!editor) showCommandHint(needReturnText());
    return editor;
}

void MainWindow::actionOpenReturn()
{
    if (!canOpenMoreReturn()) return;
    QString folder = m_app->config().m_RetPath.toQString();
    if (!m_app->m_LastOpenPath.IsEmpty()) folder = m_app->m_LastOpenPath.toQString();
    QString path = Prompt::getOpenFileName(QStringLiteral("Open Return File"), folder,
                                           QString::fromLatin1(kOpenFilter), this);
    if (path.isEmpty()) return;
    openReturnFile(path);
}

void MainWindow::openReturnFile(QString& path)
{
    // A second editor of the same file would save over the first one's edits;
    // a return already open is shown even when no more can be opened.
    if (showOpenReturn(path) || !canOpenMoreReturn()) return;
    int result = ReturnFile::kCannotOpen;
    CFamilyTaxData* data = nullptr;
    {
        MyWaitCursor wait;
        data = CFamilyTaxData::serializeFromFile(CString(path), result);
    }
    // A file from which nothing of the principal came through would show as
    // an empty return: there is nothing to recover, so nothing is shown.
    const bool foreign = data && result != ReturnFile::kOk && data->nothingRecovered();
    if (!data || result == ReturnFile::kWrongPassword || foreign) {
        if (data) {
            data->FreeData();
            delete data;
        }
        QString text = QStringLiteral("Open return file failed!");
        if (foreign) text += QLatin1Char('\n') + QLatin1String(ReturnFile::kNotAReturnText);
        TabWndApp::gAppInformation(text, this);
        return;
    }
    {
        MyWaitCursor wait;
        m_app->m_LastOpenPath = canonicalFolderOf(path);
        data->Calculate(-1, nullptr);
        // A return read only in part is shown untitled, so that no save can
        // put it over the damaged or newer original.
        QFileInfo file(path);
        _presentAReturn(-1, result == ReturnFile::kOk ? &file : nullptr, data);
    }
    if (result == ReturnFile::kOk) {
        statusBar()->showMessage(QStringLiteral("File read successfully"));
        return;
    }
    statusBar()->showMessage(QStringLiteral("File open failed"));
    TabWndApp::gAppInformation(QStringLiteral("There are some problem in reading return file, some info may be "
                                              "lost.\nThis is the most recovered!"),
                               this);
}

void MainWindow::actionNewReturn()
{
    if (!canOpenMoreReturn()) return;
    CFamilyTaxData* data = runNewReturnInterview(this);
    if (!data) return;
    MyWaitCursor wait;
    _presentAReturn(-1, nullptr, data);
}

void MainWindow::on_actionImport_Prior_Year_s_Return_triggered()
{
    if (!canOpenMoreReturn()) return;
    QString folder = m_app->m_LastImportPath.toQString();
    if (folder.isEmpty()) {
        const QString retPath = m_app->config().m_RetPath.toQString();
        folder = QString(retPath).replace(QStringLiteral("2021"), QStringLiteral("2020"));
        if (!QDir(folder).exists()) folder = retPath;
    }
    const QString path = Prompt::getOpenFileName(QStringLiteral("Import Return File"), folder,
                                                 QStringLiteral("*.r20 Return files (*.r20);;All files (*.*)"), this);
    if (path.isEmpty()) return;

    int result = 0;
    CFamilyTaxData* data = CFamilyTaxData::serializeFromFile(CString(path), result);
    if (!data || result != 0) {
        if (data) {
            data->FreeData();
            delete data;
        }
        TabWndApp::gAppInformation(
            QStringLiteral("Import prior year's return file failed, error = %1.").arg(result), nullptr);
        return;
    }
    m_app->m_LastImportPath = canonicalFolderOf(path);

    STRUCT_IMPORT_LASTYEAR_PARAM options;
    options.keepNotes = 1;
    options.includeSFD = options.keepForms = options.copyData = options.makeCoupled = options.maritalChoice = 0;
    DlgImportOption_Info dialog(&options, this);
    if (!dialog.exec()) {
        data->FreeData();
        delete data;
        return;
    }
    {
        MyWaitCursor wait;
        data->Build2003DataTo2004(&options);
        data->Calculate(-1, nullptr);
        _presentAReturn(-1, nullptr, data);
    }
    const QString leftOut = data->takeLeftOutAmountsText(QStringLiteral("last year's return"));
    if (!leftOut.isEmpty()) TabWndApp::gAppInformation(leftOut, this);
}

void MainWindow::on_actionCouple_Returns_2to1_triggered()
{
    if (!canOpenMoreReturn()) return;
    auto* page = new DlgCoupleReturn_tab1(m_app, nullptr);
    WizardBase wizard(this, QStringLiteral("Couple Two Returns Together"));
    wizard.setWizardStyle(QWizard::ModernStyle);
    wizard.setOption(QWizard::NoBackButtonOnStartPage, true);
    wizard.addPage(page);
    wizard.initUI(700, 370);
    if (!wizard.exec()) return;

    MyWaitCursor wait;
    auto release = [](CFamilyTaxData* data) {
        if (!data) return;
        data->FreeData();
        delete data;
    };
    int result = 0;
    CFamilyTaxData* first = CFamilyTaxData::serializeFromFile(CString(page->firstFile()), result);
    if (!first || result != 0) {
        release(first);
        TabWndApp::gAppInformation(QStringLiteral("First return file cannot be read properly, Couple return failed."),
                                   nullptr);
        return;
    }
    CFamilyTaxData* second = CFamilyTaxData::serializeFromFile(CString(page->secondFile()), result);
    if (!second || result != 0) {
        release(first);
        release(second);
        TabWndApp::gAppInformation(
            QStringLiteral("Second return file cannot be read properly, Couple return failed."), nullptr);
        return;
    }
    // Coupling a coupled return would drop the spouse it already holds.
    if (first->IsCoupledReturn() || second->IsCoupledReturn()) {
        const QString which = first->IsCoupledReturn() ? page->firstFile() : page->secondFile();
        release(first);
        release(second);
        TabWndApp::gAppInformation(
            QStringLiteral("The return file %1 holds a coupled return already, Couple return failed.")
                .arg(QDir::toNativeSeparators(which)),
            nullptr);
        return;
    }
    first->CoupleTaxReturn(second);
    release(second);
    first->Calculate(-1, nullptr);
    _presentAReturn(-1, nullptr, first);
}

void MainWindow::actionSaveReturn()
{
    Form_Return* editor = commandEditor();
    if (m_openReturns < 1 || !editor) return;
    editor->saveCurFormDataToDoc();
    doSaveReturn(editor, false);
}

void MainWindow::on_actionSave_Return_As_triggered()
{
    Form_Return* editor = commandEditor();
    if (m_openReturns < 1 || !editor) return;
    editor->saveCurFormDataToDoc();
    doSaveReturn(editor, true);
}

int MainWindow::doSaveReturn(Form_Return* editor, bool askNewName)
{
    if (askNewName || !editor->hasFileToSave()) {
        QString path;
        if (!chooseFileSaveName(editor->familyData(), path)) return 0;
        Form_Return* other = editorOf(path);
        if (other && other != editor) {
            TabWndApp::gAppInformation(openElsewhereText(path), this);
            return 0;
        }
        QFileInfo file(path);
        editor->setFilepath(&file);
    }
    int result = 0;
    CString path;
    {
        MyWaitCursor wait;
        editor->familyData()->Calculate(-1, nullptr);
        result = editor->saveReturnFile(path, true);
    }
    if (result == 1) {
        // The file on disk is as it was; the return stays open and changed.
        statusBar()->showMessage(QStringLiteral("File save failed"));
        TabWndApp::gAppInformation(Form_Return::saveFailedText(path.toQString()), this);
    } else {
        statusBar()->showMessage(QStringLiteral("File saved"));
        if (result == 2) TabWndApp::gAppInformation(Form_Return::backupFailedText(path.toQString()), this);
    }
    syncWndTitleAndStatus();
    return result;
}

bool MainWindow::saveReturnAs(Form_Return* editor)
{
    // Through the one save road, which refuses a file another editor holds;
    // only a return without a file comes here, so it has one only once saved.
    return editor && doSaveReturn(editor, true) != 1 && editor->hasFileToSave();
}

bool MainWindow::chooseFileSaveName(CFamilyTaxData* data, QString& path)
{
    const QString suggestion = m_app->config().m_RetPath.toQString() + QDir::separator()
        + data->GetReturnFileNameWithoutSuffix().toQString() + QStringLiteral(".r21");
    path = Prompt::getSaveFileName(QStringLiteral("Save Return File"), suggestion, QStringLiteral("Return file (*.r21)"),
                                   this);
    return !path.isEmpty();
}

void MainWindow::actionCloseReturn()
{
    Form_Return* editor = commandEditor();
    if (m_openReturns < 1 || !editor) return;
    editor->saveCurFormDataToDoc();
    CString path;
    if (!editor->onCloseReturn(path)) return;
    ui->stackedWidget->removeWidget(editor);
    ui->menuWindows->removeAction(editor->action());
    editor->deleteLater();
    --m_openReturns;
    m_app->reloadReturnEntries();
    syncWndTitleAndStatus();
}

void MainWindow::actionShowReturn()
{
    auto* action = qobject_cast<ActionShowReturn*>(sender());
    if (!action || !action->page()) return;
    ui->stackedWidget->setCurrentWidget(action->page());
    syncWndTitleAndStatus();
}
