#pragma once
// The validation result: one tab per person, listing each item's messages.

#include <list>
#include <memory>

#include <QDialog>

struct _STRUCT_FORM_VALIDATE_INFO;

namespace Ui { class DlgValidationMsgs; }

class DlgValidationMsgs : public QDialog
{
    Q_OBJECT
public:
    explicit DlgValidationMsgs(QWidget* parent);
    ~DlgValidationMsgs() override;

    // The lists stay the caller's.
    void loadValErrors(const QString& name1, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list1, bool coupled,
                       const QString& name2, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list2);

private:
    void addTab(const QString& name, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);

    std::unique_ptr<Ui::DlgValidationMsgs> ui;
};
