#include "dlgpenvaultafterprint.h"

#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "deploymentdata.h"
#include "openforuser.h"
#include "utils.h"
#include "ui_dlgpenvaultafterprint.h"

DlgPenvaultAfterPrint::DlgPenvaultAfterPrint(int mode, const QString& link, const QString& email, QWidget* parent)
    : QDialog(parent), m_email(email), ui(new Ui::DlgPenvaultAfterPrint), m_mode(mode)
{
    ui->setupUi(this);
    ui->edtToEmail->setText(email);
    // The target is encoded, so a path with blanks stays one working link;
    // the visible text is the link as given.
    const QString target = QString::fromUtf8(QUrl(link).toEncoded());
    ui->lblFileLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), link.toHtmlEscaped()));
    ui->lblFileLink->setTextFormat(Qt::RichText);
    ui->lblFileLink->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                             | Qt::LinksAccessibleByKeyboard);
    // Opened here rather than by the label, so that a desktop with no PDF
    // program still tells the user where the file is.
    connect(ui->lblFileLink, &QLabel::linkActivated, this,
            [this](const QString& url) { openFileForUser(QUrl(url).toLocalFile(), this); });
    QPushButton* close = ui->buttonBox->button(QDialogButtonBox::Close);
    close->setText(tr("Close"));
    close->setDefault(true);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setText(mode ? tr("E-Delivery") : tr("Request E-Signature"));
    // The points are bought at the e-signature service, whose address is
    // deployment data.
    ui->lblSignature->setText(QStringLiteral("<html><head/><body><p>%1 %2</p></body></html>")
                                  .arg(ui->lblSignature->text().toHtmlEscaped(),
                                       CDeploymentData::esignSiteUrl().toHtmlEscaped()));
    ui->lblDelivery->setVisible(mode != 0);
    ui->lblSignature->setVisible(mode == 0);
}

DlgPenvaultAfterPrint::~DlgPenvaultAfterPrint() = default;

void DlgPenvaultAfterPrint::accept()
{
    const QString typed = ui->edtToEmail->text().trimmed();
    if (typed.isEmpty() || !::checkEmail(typed.toUtf8().constData())) return;
    m_email = typed;
    QDialog::accept();
}
