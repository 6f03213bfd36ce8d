#pragma once
// The records that earlier tax-data or notice downloads stored, newest
// first: the one way into the download. New agrees to the agency's terms,
// asks for S.I.N.s and runs a download; View shows a record and, for the
// auto-fill data of the person open in the editor, fills the return; Remove
// deletes a record.

#include <QDialog>
#include <QSortFilterProxyModel>
#include <functional>
#include <list>
#include <memory>
#include <string>

#include "cstring.h"
#include "tdddataentriesmodel.h"

class DataAFR;
class DlgTDDProgressWait;
class Form_Return;
class QSqlDatabase;
class QUrl;
class TDDTaxDataOnePerson;

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

    // The progress dialog of one download; by default the running program's
    // (its callback server, port and settings). Tests give their own.
    using ProgressDialogMaker =
        std::function<std::unique_ptr<DlgTDDProgressWait>(short forWhich, const std::list<std::string>& sins,
                                                          QWidget* parent)>;
    void setProgressDialogMaker(ProgressDialogMaker maker) { m_makeProgress = std::move(maker); }
    // Opens a notice's page; by default the desktop's browser.
    void setUrlOpener(std::function<bool(const QUrl&)> opener) { m_openUrl = std::move(opener); }

    // Clears the list and loads it again; the number of rows.
    int RefillItems();
    int LoadTDDDataFromDB();
    int LoadNOADataFromDB();
    // The record of the selected row (whatever the sorting), or none.
    TDDDataEntry* getSelEntry() const;
    // The record's S.I.N. and page (auto-fill) or page file or message
    // (notice); false, outputs untouched, when there is no such record.
    bool LoadHtmlByIDFromDB(int id, CString& sin, CString& html);
    // 1 read and parsed, 0 no such record, -2 its XML does not parse (or
    // holds no person's tax data).
    int LoadPersonDataByIDFromDB(int id, TDDTaxDataOnePerson& person);
    // Deletes the record (and a notice's page file); the taxpayer stays.
    int removeByIDFromDB(int id);

protected:
    // The list is read again at every show.
    void showEvent(QShowEvent* event) override;

private slots:
    void on_btnNew_clicked();
    void on_btnView_clicked();
    void on_btnRemove_clicked();
    void on_btnClose_clicked();

private:
    Q_DISABLE_COPY(DlgTDDMain)
    void viewAutoFillRecord(int id, const CString& recordSin, const CString& html);
    void viewNotice(const CString& stored);
    // Fills the open return from the stored record with the chosen options.
    void autoFill(int id, DataAFR& options);

    TDDDataEntriesModel m_model;
    QSortFilterProxyModel m_proxy;
    CString m_sin;
    QSqlDatabase& m_db;
    short m_forWhich;
    Form_Return* m_editor;
    Ui::DlgTDDMain* ui;
    ProgressDialogMaker m_makeProgress;
    std::function<bool(const QUrl&)> m_openUrl;
};
