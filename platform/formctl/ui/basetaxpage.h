#pragma once
// One editing page of a form, slip or interview item, and the scrolling
// frame a page is shown in.

#include <QScrollArea>
#include <QWidget>

class CField;
class CTaxData_Form;

class BaseTaxPage : public QWidget
{
    Q_OBJECT
public:
    BaseTaxPage(CTaxData_Form* form, const QString& title, QWidget* parent = nullptr);

    CTaxData_Form* form() const { return m_form; }
    QString getTitle() const { return m_title; }
    // Shows the object's values; pages override it to fill their widgets.
    virtual void syncData() {}
    // Shows the values again after a calculation changed them.
    virtual void refreshFromData() { syncData(); }
    // Stores what the page shows into the object.
    virtual void saveToData() {}

signals:
    // A value changed: the editor recalculates the return.
    void signalCalc(CTaxData_Form* form, CField* field);

private:
    CTaxData_Form* m_form;
    QString m_title;
};

class ScrollTaxForm : public QScrollArea
{
    Q_OBJECT
public:
    ScrollTaxForm(const QString& background, QWidget* editor, QWidget* page);
    QWidget* contentWidget() const { return widget(); }
    QWidget* editor() const { return m_editor; }
    void setBackgroundColor(const QString& color);

private:
    QWidget* m_editor;
};
