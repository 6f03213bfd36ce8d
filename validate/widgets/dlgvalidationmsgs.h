#pragma once
// The validation result: one tab per person, each a list of the person's
// messages grouped by kind of item, each slip or form headed in red with its
// number of errors, each message numbered.

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

    // Replaces every tab with the first person's and, when coupled, the
    // second's. The lists and their items stay the caller's.
    void loadValErrors(const QString& name1, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list1, bool coupled,
                       const QString& name2, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& list2);
    // Adds one tab labelled `name` listing `items`.
    void makeOnePersonTab(const QString& name, const std::list<_STRUCT_FORM_VALIDATE_INFO*>& items);

private:
    std::unique_ptr<Ui::DlgValidationMsgs> ui;
};
