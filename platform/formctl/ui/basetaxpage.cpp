#include "basetaxpage.h"

BaseTaxPage::BaseTaxPage(CTaxData_Form* form, const QString& title, QWidget* parent)
    : QWidget(parent), m_form(form), m_title(title)
{
}

ScrollTaxForm::ScrollTaxForm(const QString& background, QWidget* editor, QWidget* page)
    : QScrollArea(editor), m_editor(editor)
{
    setWidget(page);
    setWidgetResizable(true);
    setBackgroundColor(background);
}

void ScrollTaxForm::setBackgroundColor(const QString& color)
{
    setStyleSheet(QStringLiteral("QScrollArea { background-color: %1; }").arg(color));
}
