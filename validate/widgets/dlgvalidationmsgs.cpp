#include "dlgvalidationmsgs.h"

#include <QTreeWidget>

#include "formtables.h"
#include "returnitems.h"
#include "ui_dlgvalidationmsgs.h"

namespace {

QString itemName(const _STRUCT_FORM_VALIDATE_INFO& item)
{
    switch (item.kind) {
    case _STRUCT_FORM_VALIDATE_INFO::Slip:
        if (const SlipInfo* s = slipInfo(item.type)) return QString::fromUtf8(s->shortName);
        break;
    case _STRUCT_FORM_VALIDATE_INFO::Form:
        if (const FormInfo* f = formInfo(item.type)) return QString::fromUtf8(f->shortName);
        break;
    case _STRUCT_FORM_VALIDATE_INFO::Coupled:
        return QObject::tr("Spouse's return");
    default:
        break;
    }
    return QObject::tr("Tax return");
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
    ui->tabPersons->clear();
    addTab(name1, list1);
    if (coupled) addTab(name2, list2);
}

void DlgValidationMsgs::addTab(const QString& name, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& items)
{
    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({tr("Form or slip"), tr("Message")});
    tree->setRootIsDecorated(false);
    tree->setWordWrap(true);
    for (const _STRUCT_FORM_VALIDATE_INFO* item : items) {
        if (!item) continue;
        const QString source = itemName(*item);
        for (const CString& message : item->messages)
            new QTreeWidgetItem(tree, {source, message.toQString()});
    }
    tree->resizeColumnToContents(0);
    ui->tabPersons->addTab(tree, name);
}
