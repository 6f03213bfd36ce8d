#include "dlgtddmain.h"

#include <QHeaderView>
#include <QSqlQuery>

#include "ui_dlgtddmain.h"

DlgTDDMain::DlgTDDMain(short forWhich, QSqlDatabase& db, const CString& sin, Form_Return* editor, QWidget* parent)
    : QDialog(parent), m_sin(sin), m_db(db), m_forWhich(forWhich), m_editor(editor), ui(new Ui::DlgTDDMain)
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
    m_model.setHorizontalHeaderLabels({QStringLiteral("S.I.N."), QStringLiteral("Update Time"), QStringLiteral("Tax Year")});
    view->setModel(&m_model);
}

DlgTDDMain::~DlgTDDMain()
{
    delete ui;
}

void DlgTDDMain::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    loadRecords();
    ui->tableView->setColumnWidth(0, 120);
    ui->tableView->setColumnWidth(1, 260);
    ui->tableView->setColumnWidth(2, 50);
}

int DlgTDDMain::loadRecords()
{
    m_model.removeRows(0, m_model.rowCount());
    QSqlQuery query(m_db);
    const QString table = m_forWhich == 1 ? QStringLiteral("tb_taxdata") : QStringLiteral("tb_taxnoa");
    if (!query.exec(QStringLiteral("select p.sin, d.id, d.create_time, d.taxyear from %1 d, tb_taxpayers p "
                                   "where d.uid=p.id order by create_time desc")
                        .arg(table)))
        return 0;
    while (query.next()) {
        auto* year = new QStandardItem;
        year->setData(query.value(3).toInt(), Qt::DisplayRole);
        m_model.appendRow({new QStandardItem(query.value(0).toString()), new QStandardItem(query.value(2).toString()),
                           year});
    }
    return m_model.rowCount();
}

void DlgTDDMain::on_btnClose_clicked()
{
    reject();
}
