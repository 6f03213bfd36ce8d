#pragma once
// The outcome of one filing: an overview line, the agency's message, a
// bottom line and a link that opens the filing result file.

#include <QDialog>
#include <QString>

namespace Ui {
class DlgFilingResult;
}

class DlgFilingResult : public QDialog
{
    Q_OBJECT

public:
    DlgFilingResult(const QString& title, QWidget* parent);
    ~DlgFilingResult() override;

    void setMsg(const QString& overview, const QString& details, const QString& bottom, const QString& path);

private:
    Q_DISABLE_COPY(DlgFilingResult)
    Ui::DlgFilingResult* ui;
};
