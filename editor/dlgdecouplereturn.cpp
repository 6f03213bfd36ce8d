#include "dlgdecouplereturn.h"

#include "familytaxdata.h"
#include "ui_dlgdecouplereturn.h"

namespace {
constexpr int kFullName = 17;
}

DlgDeCoupleReturn::DlgDeCoupleReturn(CFamilyTaxData* data, QWidget* parent)
    : QDialog(parent), m_data(data), ui(new Ui::DlgDeCoupleReturn)
{
    ui->setupUi(this);
    for (IndividualTaxData* person : {data->taxpayer(), data->spouse()}) {
        CString name;
        person->getFedStringClaimed(kFullName, name);
        ui->comboBox->addItem(name.toQString());
    }
    ui->comboBox->setCurrentIndex(0);
}

DlgDeCoupleReturn::~DlgDeCoupleReturn()
{
    delete ui;
}

void DlgDeCoupleReturn::on_buttonBox_accepted()
{
    m_data->DeCouple(ui->comboBox->currentIndex() == 1);
}
