#include "viewintroduction.h"

#include <QDir>
#include <QHeaderView>
#include <QKeyEvent>
#include <QSortFilterProxyModel>

#include "mainwindow.h"
#include "prompt.h"
#include "returnfileentriesmodel.h"
#include "tabwndapp.h"
#include "ui_viewintroduction.h"

ViewIntroduction::ViewIntroduction(TabWndApp* app, MainWindow* window, QWidget* parent)
    : QWidget(parent), ui(new Ui::ViewIntroduction), m_mainWnd(window), m_app(app),
      m_proxy(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    ui->newButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_blank.ico")));
    ui->prefButton->setIcon(QIcon(QStringLiteral(":/res/images/icon_setting.ico")));

    QTableView* table = ui->tableView;
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section {background-color: cyan; font-weight: bold; height:24;}"));
    table->horizontalHeader()->setStretchLastSection(true);
    table->setSortingEnabled(false);
}

ViewIntroduction::~ViewIntroduction()
{
    delete ui;
}

void ViewIntroduction::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_firstShow) return;
    m_firstShow = false;
    // The proxy neither sorts nor filters: a table row is the same row of
    // the list model, which the remove command relies on.
    m_proxy->setSourceModel(m_app->loadReturnEntriesIntoModel(ui->edtFilter->text()));
    m_proxy->setFilterKeyColumn(2);
    ui->tableView->setModel(m_proxy);
    ui->tableView->setColumnWidth(0, 508);
    ui->tableView->setColumnWidth(1, 168);
}

void ViewIntroduction::on_edtFilter_textChanged(const QString& text)
{
    m_app->loadReturnEntriesIntoModel(text);
}

void ViewIntroduction::on_resetFilterButton_clicked()
{
    ui->edtFilter->clear();
}

ReturnFileEntriesModel* ViewIntroduction::entries() const
{
    return static_cast<ReturnFileEntriesModel*>(m_proxy->sourceModel());
}

QModelIndex ViewIntroduction::firstSelectedRow() const
{
    const QItemSelectionModel* selection = ui->tableView->selectionModel();
    if (!selection) return QModelIndex();
    const QModelIndexList rows = selection->selectedRows();
    return rows.isEmpty() ? QModelIndex() : m_proxy->mapToSource(rows.first());
}

void ViewIntroduction::keyPressEvent(QKeyEvent* event)
{
    // Only the main Return key opens: the keypad's Enter is left alone.
    if (ui->tableView->hasFocus() && event->key() == Qt::Key_Return) {
        const QModelIndex row = firstSelectedRow();
        if (row.isValid()) {
            on_tableView_doubleClicked(m_proxy->mapFromSource(row));
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ViewIntroduction::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
}

void ViewIntroduction::openListed(const QModelIndex& row)
{
    if (!row.isValid()) return;
    // The window shows a return already open, even with two returns open.
    QString path = entries()->getFilePath(row);
    m_mainWnd->openReturnFile(path);
}

void ViewIntroduction::on_tableView_doubleClicked(const QModelIndex& index)
{
    openListed(m_proxy->mapToSource(index));
}

void ViewIntroduction::on_openButton_clicked()
{
    const QModelIndex row = firstSelectedRow();
    if (!row.isValid()) {
        m_mainWnd->showCommandHint(MainWindow::needSelectionText());
        return;
    }
    openListed(row);
}

void ViewIntroduction::on_newButton_clicked()
{
    m_mainWnd->actionNewReturn();
}

void ViewIntroduction::on_importButton_clicked()
{
    m_mainWnd->on_actionImport_Prior_Year_s_Return_triggered();
}

void ViewIntroduction::on_prefButton_clicked()
{
    m_mainWnd->on_actionPreference_triggered();
}

void ViewIntroduction::on_delButton_clicked()
{
    const QString title = QStringLiteral("Remove Return");
    const QModelIndex row = firstSelectedRow();
    if (!row.isValid()) {
        Prompt::message(Prompt::Kind::Information, title, QStringLiteral("Please choose a return file entry first."),
                        Prompt::Ok, Prompt::NoButton, this);
        return;
    }
    // The file of an open return stays: its editor would save it back, and
    // the user would lose track of which copy is which.
    const QString path = entries()->getFilePath(row);
    if (m_mainWnd->editorOf(path)) {
        Prompt::message(Prompt::Kind::Information, title, openReturnNotRemovedText(path), Prompt::Ok,
                        Prompt::NoButton, this);
        return;
    }
    const int pressed = Prompt::message(Prompt::Kind::Question, title,
                                        QStringLiteral("Please confirm to remove this return file?"),
                                        Prompt::Ok | Prompt::Cancel, Prompt::NoButton, this);
    if (pressed == Prompt::Ok) m_app->removeReturnEntry(row);
}

QString ViewIntroduction::openReturnNotRemovedText(const QString& path)
{
    return QStringLiteral("The return file %1 is open. Close the return first, then remove it.")
        .arg(QDir::toNativeSeparators(path));
}
