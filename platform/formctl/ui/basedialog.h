#pragma once

#include <QDialog>

// The base of the program's own dialogs: a title and nothing else shared yet.
class BaseDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BaseDialog(QWidget* parent = nullptr, const QString& title = QString()) : QDialog(parent)
    {
        if (!title.isEmpty()) setWindowTitle(title);
    }
};
