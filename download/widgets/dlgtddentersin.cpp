#include "dlgtddentersin.h"

#include <QLineEdit>
#include <algorithm>
#include <iterator>

#include "tabwndapp.h"
#include "ui_dlgtddentersin.h"
#include "utils.h"

DlgTDDEnterSin::DlgTDDEnterSin(std::list<std::string>& sins, QWidget* parent)
    : QDialog(parent), ui(new Ui::DlgTDDEnterSin), m_sins(sins)
{
    ui->setupUi(this);
    QLineEdit* const fields[10] = {ui->edtSin01, ui->edtSin02, ui->edtSin03, ui->edtSin04, ui->edtSin05,
                                   ui->edtSin06, ui->edtSin07, ui->edtSin08, ui->edtSin09, ui->edtSin10};
    std::copy(std::begin(fields), std::end(fields), std::begin(m_fields));
    int i = 0;
    for (auto it = sins.begin(); it != sins.end() && i < 10; ++it, ++i)
        m_fields[i]->setText(QString::fromStdString(*it));
}

DlgTDDEnterSin::~DlgTDDEnterSin()
{
    delete ui;
}

void DlgTDDEnterSin::accept()
{
    m_sins.clear();
    for (QLineEdit* field : m_fields) {
        const QString text = field->text();
        if (text.isEmpty()) continue;
        const QByteArray utf8 = text.toUtf8();
        if (!CheckSIN(utf8.constData(), nullptr)) {
            TabWndApp::gAppInformation(QStringLiteral("The S.I.N (%1) entered is invalid!").arg(text), nullptr);
            return;
        }
        // The agency matches its items by a hash of the nine digits: a
        // grouped S.I.N. sent as typed would never find its data.
        m_sins.push_back(sinDigits(CString(text)).c_str());
    }
    QDialog::accept();
}
