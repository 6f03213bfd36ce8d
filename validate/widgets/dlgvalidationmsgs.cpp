#include "dlgvalidationmsgs.h"

#include <QBrush>
#include <QColor>
#include <QListWidget>
#include <QScrollArea>

#include "formtables.h"
#include "returnitems.h"
#include "ui_dlgvalidationmsgs.h"

namespace {

// The heading of a slip or form: its name and how many messages it has.
QString heading(const _STRUCT_FORM_VALIDATE_INFO& item)
{
    const char* name = nullptr;
    if (item.kind == _STRUCT_FORM_VALIDATE_INFO::Slip) {
        if (const SlipInfo* s = slipInfo(item.type)) name = s->name;
    } else if (item.kind == _STRUCT_FORM_VALIDATE_INFO::Form) {
        if (const FormInfo* f = formInfo(item.type)) name = f->shortName;
    } else {
        return QString();
    }
    return QStringLiteral("[%1] - %2 errors found")
        .arg(QString::fromUtf8(name ? name : ""))
        .arg(item.messages.size());
}

// The line that opens a group of items of one kind; empty for kinds shown ungrouped.
QString groupLine(int kind)
{
    switch (kind) {
    case _STRUCT_FORM_VALIDATE_INFO::Slip: return QStringLiteral("------- Tax Slips -------");
    case _STRUCT_FORM_VALIDATE_INFO::Form: return QStringLiteral("------- Tax Forms -------");
    case _STRUCT_FORM_VALIDATE_INFO::Return: return QStringLiteral("------- Cross Tax Forms Validation -------");
    case _STRUCT_FORM_VALIDATE_INFO::Coupled: return QStringLiteral("------- Spouse-Return Validation -------");
    default: return QString();
    }
}

} // namespace

DlgValidationMsgs::DlgValidationMsgs(QWidget* parent) : QDialog(parent), ui(new Ui::DlgValidationMsgs)
{
    ui->setupUi(this);
}

DlgValidationMsgs::~DlgValidationMsgs() = default;

void DlgValidationMsgs::loadValErrors(const QString& name1, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list1,
                                      bool coupled, const QString& name2,
                                      const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list2)
{
    // The pages go with their tabs, so loading twice leaves nothing behind.
    while (ui->tabPeople->count() > 0) {
        QWidget* page = ui->tabPeople->widget(0);
        ui->tabPeople->removeTab(0);
        delete page;
    }
    makeOnePersonTab(name1, list1);
    if (coupled) makeOnePersonTab(name2, list2);
}

void DlgValidationMsgs::makeOnePersonTab(const QString& name, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    auto* area = new QScrollArea;
    area->setWidgetResizable(true);
    auto* list = new QListWidget;
    QFont font;
    font.setPointSize(12);
    list->setFont(font);

    if (items.empty()) {
        list->addItem(QStringLiteral("There are no validation errors found in this return, Please check spouse's side."));
    } else {
        int previousKind = 0;
        for (const _STRUCT_FORM_VALIDATE_INFO* item : items) {
            if (!item || item->messages.empty()) continue;
            const QString group = groupLine(item->kind);
            if (!group.isEmpty() && item->kind != previousKind) list->addItem(group);
            previousKind = item->kind;

            const QString head = heading(*item);
            if (!head.isEmpty()) {
                auto* line = new QListWidgetItem(head, list);
                line->setForeground(QBrush(QColor(QStringLiteral("#ff3566"))));
            }
            int number = 0;
            for (const CString& message : item->messages)
                list->addItem(QStringLiteral("%1 - %2").arg(++number, 2).arg(message.toQString()));
            list->addItem(QString());
        }
    }
    area->setWidget(list);
    ui->tabPeople->addTab(area, name);
}
