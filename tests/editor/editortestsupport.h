#pragma once
// Return files made from the worked scenarios, and the main window's editor
// pages, for the tests of the editor and of the main window's returns.

#include <functional>
#include <memory>

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QStackedWidget>
#include <QString>
#include <QTabWidget>
#include <QTest>

#include "familytaxdata.h"
#include "form_return.h"
#include "mainwindow.h"
#include "scenario.h"
#include "tabwndapp.h"
#include "taxformpage.h"

namespace EditorTest {

// The scenario's JSON, changed by `edit` when given.
inline QByteArray scenarioJson(const QString& name, const std::function<void(QJsonObject&)>& edit = {})
{
    QFile file(QStringLiteral(SCENARIO_DIR "/%1.json").arg(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (edit) edit(root);
    return QJsonDocument(root).toJson();
}

// The scenario's return built in memory, changed by `edit` when given; null,
// with a warning that says why, on a fault.
inline std::unique_ptr<CFamilyTaxData> builtScenario(const QString& name,
                                                     const std::function<void(QJsonObject&)>& edit = {})
{
    QString error;
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(scenarioJson(name, edit), &error);
    if (!family) qWarning() << error;
    return family;
}

// Writes the scenario's return to `path`; false with *error on a fault.
inline bool writeScenarioFile(const QString& name, const QString& path, QString* error,
                              const std::function<void(QJsonObject&)>& edit = {})
{
    std::unique_ptr<CFamilyTaxData> family = Scenario::build(scenarioJson(name, edit), error);
    if (!family) return false;
    const bool saved = family->saveToFile(CString(path));
    family->FreeData();
    if (!saved && error) *error = QStringLiteral("cannot write %1").arg(path);
    return saved;
}

// Writes the scenario's return as `name` in `folder`: its path, with a warning
// that says why when it could not be written.
inline QString scenarioFileIn(const QString& folder, const QString& scenario, const QString& name,
                              const std::function<void(QJsonObject&)>& edit = {})
{
    const QString path = QDir(folder).filePath(name);
    QString error;
    if (!writeScenarioFile(scenario, path, &error, edit)) qWarning() << error;
    return path;
}

// The return as the program has it after opening the file: read, then calculated.
inline std::unique_ptr<CFamilyTaxData> readCalculated(const QString& path)
{
    int result = -9;
    std::unique_ptr<CFamilyTaxData> family(CFamilyTaxData::serializeFromFile(CString(path), result));
    if (!family || result != 0) return nullptr;
    family->Calculate(-1, nullptr);
    return family;
}

// Sets box `box` of the taxpayer's first slip.
inline std::function<void(QJsonObject&)> withSlipBox(const QString& box, double value)
{
    return [box, value](QJsonObject& root) {
        QJsonObject taxpayer = root.value("taxpayer").toObject();
        QJsonArray slips = taxpayer.value("slips").toArray();
        QJsonObject slip = slips.at(0).toObject();
        QJsonObject boxes = slip.value("boxes").toObject();
        boxes.insert(box, value);
        slip.insert("boxes", boxes);
        slips.replace(0, slip);
        taxpayer.insert("slips", slips);
        root.insert("taxpayer", taxpayer);
    };
}

// A Canadian mailing address on the taxpayer's T1, so the return validates clean.
inline void withMailingAddress(QJsonObject& root)
{
    QJsonObject taxpayer = root.value("taxpayer").toObject();
    QJsonObject t1 = taxpayer.value("t1").toObject();
    QJsonObject fields = t1.value("fields").toObject();
    fields.insert("mailing_address", "12 Elm Street");
    fields.insert("mailing_city", "Ottawa");
    fields.insert("mailing_province", "ON");
    fields.insert("mailing_postal_code", "K1A 0B1");
    t1.insert("fields", fields);
    taxpayer.insert("t1", t1);
    root.insert("taxpayer", taxpayer);
}

// Returns are saved in `folder` and printed into its "printed" folder, with
// no backup copies.
inline void saveAndPrintIn(const QString& folder)
{
    CT1AppConfig& config = TabWndApp::getMainApp()->config();
    config.m_RetPath = folder;
    config.m_RetPdfPath = QDir(folder).filePath("printed");
    config.m_PdfPathSameAsRet = 0;
    config.m_SaveBackup = 0;
}

// The text of the PDF file at `path`, laid out as on the page.
inline QString pdfText(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline Form_Return* shownEditor(MainWindow* window)
{
    auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    return stack ? qobject_cast<Form_Return*>(stack->currentWidget()) : nullptr;
}

// The editors the window's stack holds (a closed one may wait for deletion).
inline QList<Form_Return*> openEditors(MainWindow* window)
{
    QList<Form_Return*> out;
    auto* stack = window->findChild<QStackedWidget*>(QStringLiteral("stackedWidget"));
    for (int i = 0; stack && i < stack->count(); ++i)
        if (auto* editor = qobject_cast<Form_Return*>(stack->widget(i))) out << editor;
    return out;
}

// The main window shown and active: typing needs the focus, which only the
// active window has.
inline std::unique_ptr<MainWindow> activeMainWindow()
{
    std::unique_ptr<MainWindow> w(MainWindow::getInstance(nullptr));
    w->show();
    w->activateWindow();
    QApplication::setActiveWindow(w.get());
    if (!QTest::qWaitForWindowActive(w.get())) qWarning("the window did not become active");
    return w;
}

// Opens the return at `path` in the window: the editor it then shows, or null.
inline Form_Return* openInEditor(MainWindow* window, QString path)
{
    window->openReturnFile(path);
    return shownEditor(window);
}

// The first editing widget of `field` among the editor's pages.
inline QLineEdit* fieldEdit(Form_Return* editor, const QString& field)
{
    for (BaseTaxPage* page : editor->pages())
        if (auto* taxPage = qobject_cast<TaxFormPage*>(page))
            if (auto* edit = qobject_cast<QLineEdit*>(taxPage->editorOf(field))) return edit;
    return nullptr;
}

// Shows the edit's page, focuses the edit and replaces its text.
inline void typeIntoField(Form_Return* editor, QLineEdit* edit, const QString& text)
{
    for (int i = 0; i < editor->formTabs()->count(); ++i)
        if (editor->formTabs()->widget(i)->isAncestorOf(edit)) editor->formTabs()->setCurrentIndex(i);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

} // namespace EditorTest
