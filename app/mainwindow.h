#pragma once
// The program's one main window. For now an empty frame with the edition's
// title; its menus, start page and return pages come later.

#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Makes the window on the first call; later calls return it.
    static MainWindow* getInstance(QWidget* parent = nullptr);
    ~MainWindow() override;

private:
    explicit MainWindow(QWidget* parent);
    static MainWindow* s_instance;
};
