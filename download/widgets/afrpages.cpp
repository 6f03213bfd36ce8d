#include "afrpages.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QTextCursor>

#include "autofill/dataafr.h"
#include "ui_afr_data.h"
#include "ui_afr_message.h"
#include "ui_afr_option.h"

AFR_Data::AFR_Data(const CString& html, QWidget* parent)
    : PpgWizardPage(nullptr, nullptr, parent), m_html(html), ui(new Ui::AFR_Data)
{
    ui->setupUi(this);
    // A rich-text view: the record's page has headings and tables.
    ui->txtTaxData->moveCursor(QTextCursor::End);
    ui->txtTaxData->insertHtml(m_html.toQString());
    ui->txtTaxData->moveCursor(QTextCursor::Start);
}

AFR_Data::~AFR_Data()
{
    delete ui;
}

AFR_Message::AFR_Message(DataAFR* options, QWidget* parent)
    : PpgWizardPage(options, nullptr, parent), ui(new Ui::AFR_Message)
{
    ui->setupUi(this);
}

AFR_Message::~AFR_Message()
{
    delete ui;
}

AFR_Option::AFR_Option(DataAFR* options, QWidget* parent)
    : PpgWizardPage(options, nullptr, parent), m_options(options), ui(new Ui::AFR_Option)
{
    if (m_options) m_options->setFillOption(0);
    ui->setupUi(this);
}

AFR_Option::~AFR_Option()
{
    delete ui;
}

void AFR_Option::AssociateFormData()
{
    QButtonGroup* group = ui->fld_iFillOption;
    group->setId(ui->fld_iFillOption_0, 0);
    group->setId(ui->fld_iFillOption_1, 1);
    bindField(group, QStringLiteral("fld_iFillOption"));
    for (const char* name : DataAFR::tickNames()) {
        auto* box = findChild<QCheckBox*>(QLatin1String(name));
        if (!box) continue;
        box->setFocusPolicy(Qt::StrongFocus);
        bindField(box, QLatin1String(name));
    }
    PpgWizardPage::AssociateFormData();
}

bool AFR_Option::validatePage()
{
    PutDataToDoc();
    const int option = m_options ? m_options->fillOption() : -1;
    return option == 0 || option == 1;
}
