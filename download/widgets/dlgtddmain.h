#pragma once
// The records that earlier tax-data or notice downloads stored, newest first:
// the one way into the download. For now it lists them and closes; fetching,
// viewing and removing records come with the download itself.

#include <QDialog>
#include <QStandardItemModel>

#include "cstring.h"

class Form_Return;
class QSqlDatabase;

namespace Ui {
class DlgTDDMain;
}

class DlgTDDMain : public QDialog
{
    Q_OBJECT

public:
    // forWhich 1 auto-fill records, 2 notices of assessment; `sin` the
    // current person's of `editor`, empty with no return shown.
    DlgTDDMain(short forWhich, QSqlDatabase& db, const CString& sin, Form_Return* editor, QWidget* parent);
    ~DlgTDDMain() override;

    short forWhich() const { return m_forWhich; }
    const CString& sin() const { return m_sin; }
    Form_Return* editor() const { return m_editor; }

protected:
    // The list is read again at every show.
    void showEvent(QShowEvent* event) override;

private slots:
    void on_btnClose_clicked();

private:
    Q_DISABLE_COPY(DlgTDDMain)
    int loadRecords();

    QStandardItemModel m_model;
    CString m_sin;
    QSqlDatabase& m_db;
    short m_forWhich;
    Form_Return* m_editor;
    Ui::DlgTDDMain* ui;
};
