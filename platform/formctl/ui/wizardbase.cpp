#include "wizardbase.h"

WizardBase::WizardBase(QWidget* parent, const QString& title) : QWizard(parent)
{
    setWindowTitle(title);
}

void WizardBase::initUI(int width, int height)
{
    resize(width, height);
    setOption(QWizard::NoCancelButton, false);
    setOption(QWizard::HaveHelpButton, false);
}
