#include "ppgwizardpage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>

#include <limits>

#include "fields.h"
#include "styledwidgets.h"
#include "wsbasedata.h"

namespace {

const QLatin1String kPrefix("fld_");

QString fieldText(const CField* field)
{
    switch (field->GetType()) {
    case CField::Float: return QLocale::c().toString(static_cast<const CFloatField*>(field)->GetValue(), 'f', 2);
    case CField::Int: return QString::number(static_cast<const CIntField*>(field)->GetValue());
    case CField::String: return static_cast<const CStringField*>(field)->GetValue().toQString();
    case CField::Date: return static_cast<const CDateField*>(field)->GetValue().toString(Qt::ISODate);
    case CField::Bool: return static_cast<const CBoolField*>(field)->GetValue() ? QStringLiteral("1") : QStringLiteral("0");
    }
    return QString();
}

// Typed text into a field: amounts read in the C locale, never the user's.
// Text that is no value of the field's kind (letters in an amount, a count
// beyond any whole number) leaves the field as it was; the page shows it again.
void setFieldFromText(CField* field, const QString& text)
{
    if (field->GetType() == CField::Float) {
        double amount = 0.0;
        if (readTypedAmount(text, &amount)) static_cast<CFloatField*>(field)->SetValue(amount);
        return;
    }
    if (field->SetVariant(text) || field->GetType() != CField::Int) return;
    // A count typed as "1,234" or "3.0".
    double number = 0.0;
    if (readTypedAmount(text, &number) && number >= std::numeric_limits<int>::min()
        && number <= std::numeric_limits<int>::max())
        static_cast<CIntField*>(field)->SetValue(int(number));
}

} // namespace

PpgWizardPage::PpgWizardPage(CWSBaseData* data, CTaxData_Form* form, QWidget* parent)
    : QWizardPage(parent), m_data(data), m_form(form)
{
}

PpgWizardPage::~PpgWizardPage()
{
    // Child widgets are deleted after this page's members, and a focused line
    // edit still reports editing finished as it goes: cut them off first.
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it)
        disconnect(it.key(), nullptr, this, nullptr);
}

bool PpgWizardPage::bindField(QObject* object, const QString& fieldName)
{
    if (!m_data || !object) return false;
    CField* field = m_data->field(CString(fieldName));
    if (!field) return false;

    if (auto* group = qobject_cast<QButtonGroup*>(object)) {
        connect(group, &QButtonGroup::idClicked, this, &PpgWizardPage::onRadioIdClicked, Qt::UniqueConnection);
    } else if (auto* date = qobject_cast<QDateEdit*>(object)) {
        connect(date, &QDateEdit::dateChanged, this, &PpgWizardPage::onDateChanged, Qt::UniqueConnection);
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &PpgWizardPage::onComboIndexChanged, Qt::UniqueConnection);
    } else if (auto* check = qobject_cast<QCheckBox*>(object)) {
        connect(check, &QCheckBox::stateChanged, this, &PpgWizardPage::onBoolChanged, Qt::UniqueConnection);
    } else if (auto* edit = qobject_cast<QLineEdit*>(object)) {
        if (field->GetType() == CField::Float)
            connect(edit, &QLineEdit::editingFinished, this, &PpgWizardPage::onFloatEditFinished, Qt::UniqueConnection);
        else
            connect(edit, &QLineEdit::editingFinished, this, &PpgWizardPage::onTextEditFinished, Qt::UniqueConnection);
    } else {
        return false;
    }
    // A widget deleted before the page must not stay behind in the bindings.
    connect(object, &QObject::destroyed, this, [this](QObject* gone) { m_bindings.remove(gone); });
    m_bindings.insert(object, field);
    return true;
}

void PpgWizardPage::AssociateFormData()
{
    m_associated = true;
    if (!m_data) return;
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children) {
        const QString name = child->objectName();
        if (name.startsWith(kPrefix) && !m_bindings.contains(child))
            bindField(child, name);
    }
}

void PpgWizardPage::GetDataFromDoc()
{
    m_refreshing = true;
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it)
        showValue(it.key(), it.value());
    m_refreshing = false;
}

void PpgWizardPage::PutDataToDoc()
{
    for (auto it = m_bindings.constBegin(); it != m_bindings.constEnd(); ++it)
        storeValue(it.key());
}

void PpgWizardPage::initializePage()
{
    if (!m_associated) AssociateFormData();
    GetDataFromDoc();
}

bool PpgWizardPage::validatePage()
{
    PutDataToDoc();
    return true;
}

void PpgWizardPage::showValue(QObject* widget, const CField* field)
{
    if (auto* group = qobject_cast<QButtonGroup*>(widget)) {
        const int id = field->GetVariant().toInt();
        if (QAbstractButton* b = group->button(id)) {
            b->setChecked(true);
        } else if (QAbstractButton* checked = group->checkedButton()) {
            // No button has this value (such as -1, nothing chosen): clear the group.
            const bool exclusive = group->exclusive();
            group->setExclusive(false);
            checked->setChecked(false);
            group->setExclusive(exclusive);
        }
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        const QDate d = field->GetVariant().toDate();
        date->setDate(d.isValid() ? d : date->minimumDate());
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->setCurrentIndex(combo->findData(field->GetVariant()));
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        check->setChecked(field->GetVariant().toBool());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(fieldText(field));
    }
}

void PpgWizardPage::storeValue(QObject* widget)
{
    CField* field = m_bindings.value(widget, nullptr);
    if (!field) return;
    if (auto* group = qobject_cast<QButtonGroup*>(widget)) {
        field->SetVariant(group->checkedId());
    } else if (auto* date = qobject_cast<QDateEdit*>(widget)) {
        // The earliest date is how a missing date is shown: store it as none.
        const QDate d = date->date();
        field->SetVariant(d == date->minimumDate() ? QDate() : d);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        const QVariant data = combo->currentData();
        if (data.isValid()) field->SetVariant(data);
    } else if (auto* check = qobject_cast<QCheckBox*>(widget)) {
        field->SetVariant(check->isChecked());
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        setFieldFromText(field, edit->text());
    }
}

void PpgWizardPage::afterEdit()
{
    // The holder may adjust other values (caps, totals): show them all again.
    if (m_data) {
        m_data->Calculate();
        GetDataFromDoc();
    }
}

void PpgWizardPage::onTextEditFinished()
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}

void PpgWizardPage::onFloatEditFinished()
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}

void PpgWizardPage::onDateChanged(const QDate&)
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}

void PpgWizardPage::onComboIndexChanged(int)
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}

void PpgWizardPage::onRadioIdClicked(int)
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}

void PpgWizardPage::onBoolChanged(int)
{
    if (m_refreshing) return;
    storeValue(sender());
    afterEdit();
}
