#pragma once
// The start page: the return files opened before, newest first, filtered by
// a typed name, with buttons to open, remove, make or import a return and to
// change the preferences.

#include <QWidget>

class MainWindow;
class QModelIndex;
class QSortFilterProxyModel;
class ReturnFileEntriesModel;
class TabWndApp;

namespace Ui {
class ViewIntroduction;
}

class ViewIntroduction : public QWidget
{
    Q_OBJECT

public:
    ViewIntroduction(TabWndApp* app, MainWindow* window, QWidget* parent);
    ~ViewIntroduction() override;

    // Why Remove Return leaves the file of an open return alone.
    static QString openReturnNotRemovedText(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_edtFilter_textChanged(const QString& text);
    void on_resetFilterButton_clicked();
    void on_tableView_doubleClicked(const QModelIndex& index);
    void on_openButton_clicked();
    void on_newButton_clicked();
    void on_importButton_clicked();
    void on_prefButton_clicked();
    void on_delButton_clicked();

private:
    Q_DISABLE_COPY(ViewIntroduction)
    // The first selected row's index in the list model, or an invalid one.
    QModelIndex firstSelectedRow() const;
    // Opens a listed return, or shows its editor when it is open already.
    void openListed(const QModelIndex& row);
    // The application's list, once the first show has loaded it.
    ReturnFileEntriesModel* entries() const;

    Ui::ViewIntroduction* ui;
    MainWindow* m_mainWnd;
    TabWndApp* m_app;
    QSortFilterProxyModel* m_proxy;
    bool m_firstShow = true;
};
