#pragma once
// Terms and conditions from the compiled-in resources, with a link and an
// agree box: the user goes on only after ticking the box.

#include <QDialog>
#include <QString>

class QAbstractButton;

namespace Ui {
class DlgFilingTerm;
}

class DlgFilingTerm : public QDialog
{
    Q_OBJECT

public:
    DlgFilingTerm(int kind, QWidget* parent);
    ~DlgFilingTerm() override;

    // The first non-empty text replaces its header; with both given only
    // the first header changes.
    void setHeader(const QString& header1, const QString& header2);
    // Title, link, the terms (HTML) read from `resourcePath`, and the text
    // beside the agree box.
    void setMsg(const QString& agreeText, const QString& link, const QString& title, const char* resourcePath);

private slots:
    // Cancel closes; OK closes only once the box is ticked.
    void on_buttonBox_clicked(QAbstractButton* button);

private:
    Q_DISABLE_COPY(DlgFilingTerm)
    int m_kind;
    Ui::DlgFilingTerm* ui;
};
