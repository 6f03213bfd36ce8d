#pragma once
// The base of every interview and option page: widgets named "fld_" plus a
// field name are bound to the field of that name in the page's data holder.
// Line edits write on editing finished, date edits on date changed, combo
// boxes on index changed (the item data is the value), button groups on
// button clicked (the button id is the value) and check boxes on state changed.

#include <QHash>
#include <QWizardPage>

class CField;
class CTaxData_Form;
class CWSBaseData;
class QDate;

class PpgWizardPage : public QWizardPage
{
    Q_OBJECT
public:
    PpgWizardPage(CWSBaseData* data, CTaxData_Form* form, QWidget* parent = nullptr);
    ~PpgWizardPage() override;

    CWSBaseData* data() const { return m_data; }
    CTaxData_Form* form() const { return m_form; }

    // Binds every "fld_" widget (and button group) of the page that has a
    // holder field of its name. Pages override it to set up their widgets
    // (button ids, combo items) before calling the base.
    virtual void AssociateFormData();
    // Shows the holder's values in the bound widgets.
    virtual void GetDataFromDoc();
    // Copies every bound widget's value into the holder.
    virtual void PutDataToDoc();

    void initializePage() override;
    bool validatePage() override;

    // Binds one widget or button group to a holder field; false when the
    // object is of no bindable kind or the field does not exist.
    bool bindField(QObject* object, const QString& fieldName);
    // The field bound to a widget, or none.
    CField* boundField(QObject* object) const { return m_bindings.value(object, nullptr); }
    int bindingCount() const { return m_bindings.size(); }

public slots:
    void onTextEditFinished();
    void onDateChanged(const QDate& date);
    void onComboIndexChanged(int index);
    void onRadioIdClicked(int id);
    void onBoolChanged(int state);
    void onFloatEditFinished();

private:
    void storeValue(QObject* widget);
    void afterEdit();
    void showValue(QObject* widget, const CField* field);

    CWSBaseData* m_data;
    CTaxData_Form* m_form;
    QHash<QObject*, CField*> m_bindings;
    bool m_associated = false;
    bool m_refreshing = false;
};
