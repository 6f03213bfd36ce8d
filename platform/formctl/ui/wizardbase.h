#pragma once
// The frame of the program's wizards and option dialogs.

#include <QWizard>

class WizardBase : public QWizard
{
    Q_OBJECT
public:
    WizardBase(QWidget* parent, const QString& title);
    // Sizes the frame and sets up its buttons.
    void initUI(int width, int height);
};
