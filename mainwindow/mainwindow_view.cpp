// The View menu: background colour, font size and the left pane of the
// editor shown. Colour and size are settings kept for editors opened later.

#include <QColor>

#include "form_return.h"
#include "mainwindow.h"
#include "prompt.h"
#include "tabwndapp.h"
#include "ui_mainwindow.h"

namespace {
constexpr int kFontStep = 2;
} // namespace

void MainWindow::on_actionBackground_Color_triggered()
{
    CT1AppConfig& config = m_app->config();
    const QColor chosen = Prompt::getColor(QColor(config.m_BKColor.toQString()), QString());
    if (!chosen.isValid()) return;
    config.m_BKColor = CString(chosen.name());
    if (Form_Return* editor = shownEditor()) {
        editor->saveCurFormDataToDoc();
        editor->refreshViewForColorFontSize();
    }
}

void MainWindow::stepFontSize(int step)
{
    const int size = qBound(kSmallestFont, m_fontSize + step, kLargestFont);
    m_fontSize = size;
    m_app->config().m_FontSize = CString(QString::number(size));
    if (Form_Return* editor = shownEditor()) editor->changeFontSize(size);
}

void MainWindow::on_actionSmall_triggered() { stepFontSize(-kFontStep); }
// The medium size is the one editors start with; the action has no command.
void MainWindow::on_actionMedium_triggered() {}
void MainWindow::on_actionLarge_triggered() { stepFontSize(kFontStep); }

void MainWindow::on_actionMaximize_View_triggered()
{
    Form_Return* editor = commandEditor();
    if (!editor) return;
    editor->saveCurFormDataToDoc();
    ui->actionMaximize_View->setText(editor->toggleViewMode() ? QStringLiteral("Maximize View")
                                                              : QStringLiteral("Restore View"));
}
