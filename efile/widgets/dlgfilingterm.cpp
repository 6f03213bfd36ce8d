#include "dlgfilingterm.h"

#include <QAbstractButton>
#include <QByteArray>

#include "templateprocessor.h"
#include "ui_dlgfilingterm.h"

DlgFilingTerm::DlgFilingTerm(int kind, QWidget* parent) : QDialog(parent), m_kind(kind), ui(new Ui::DlgFilingTerm)
{
    ui->setupUi(this);
}

DlgFilingTerm::~DlgFilingTerm()
{
    delete ui;
}

void DlgFilingTerm::setHeader(const QString& header1, const QString& header2)
{
    if (!header1.isEmpty())
        ui->lblHeader1->setText(header1);
    else if (!header2.isEmpty())
        ui->lblHeader2->setText(header2);
}

void DlgFilingTerm::setMsg(const QString& agreeText, const QString& link, const QString& title,
                           const char* resourcePath)
{
    setWindowTitle(title);
    ui->lblLink->setTextFormat(Qt::RichText);
    ui->lblLink->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                         | Qt::LinksAccessibleByKeyboard);
    ui->lblLink->setOpenExternalLinks(true);
    ui->lblLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(link.toHtmlEscaped(), link.toHtmlEscaped()));

    QByteArray terms;
    loadFileToString(QString::fromUtf8(resourcePath ? resourcePath : ""), terms);
    ui->fld_term->setOpenExternalLinks(true);
    ui->fld_term->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                          | Qt::LinksAccessibleByKeyboard);
    ui->fld_term->setHtml(QString::fromUtf8(terms));
    // The agree text is the agency's (or ours): shown as written, never read as markup.
    ui->lblAgree->setTextFormat(Qt::PlainText);
    ui->lblAgree->setText(agreeText);
}

void DlgFilingTerm::on_buttonBox_clicked(QAbstractButton* button)
{
    switch (ui->buttonBox->standardButton(button)) {
    case QDialogButtonBox::Cancel:
        reject();
        break;
    case QDialogButtonBox::Ok:
        if (ui->fld_bAgree->isChecked()) accept();
        break;
    default:
        break;
    }
}
