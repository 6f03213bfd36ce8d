#include "ppgafternetfile.h"

#include "cents.h"
#include "deploymentdata.h"
#include "ui_ppgafternetfile_tab1.h"

namespace {

void showLink(QLabel* label, const QString& target, const QString& text)
{
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target, text));
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                   | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(true);
}

void showLine(std::initializer_list<QLabel*> labels, bool shown)
{
    for (QLabel* label : labels)
        label->setVisible(shown);
}

} // namespace

PpgAfterNetfile_tab1::PpgAfterNetfile_tab1(bool hasEmail, double balance, QWidget* parent)
    : PpgWizardPage(nullptr, nullptr, parent), m_hasEmail(hasEmail), m_balance(balance),
      ui(new Ui::PpgAfterNetfile_tab1)
{
    ui->setupUi(this);
}

PpgAfterNetfile_tab1::~PpgAfterNetfile_tab1()
{
    delete ui;
}

void PpgAfterNetfile_tab1::AssociateFormData()
{
    showLine({ui->line1_1, ui->line1_2, ui->line1_myaccount}, m_hasEmail);
    if (m_hasEmail) showLink(ui->line1_myaccount, CDeploymentData::agencyMyAccountUrl(), QStringLiteral("My Account"));

    // A balance of exactly -0.01 shows both the refund and the owing line.
    const double balance = roundToCents(m_balance);
    const bool refund = balance <= -0.01;
    showLine({ui->line2_1, ui->line2_2, ui->line2_DirDeposit}, refund);
    if (refund)
        showLink(ui->line2_DirDeposit, CDeploymentData::agencyDirectDepositUrl(), QStringLiteral("Direct Deposit"));

    const bool owing = balance >= -0.01;
    showLine({ui->line3_1, ui->line3_2, ui->line3_PayNow, ui->line3_4, ui->line3_Pay, ui->line3_6}, owing);
    if (owing) {
        showLink(ui->line3_PayNow, CDeploymentData::agencyMakePaymentUrl(), QStringLiteral("Pay Now"));
        showLink(ui->line3_Pay, CDeploymentData::agencyPaymentArrangementsUrl(), QStringLiteral("Arrange to pay"));
    }
    PpgWizardPage::AssociateFormData();
}
