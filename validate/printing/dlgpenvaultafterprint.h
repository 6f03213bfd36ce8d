#pragma once
// Shown after a PDF was made: a link that opens it, and the taxpayer's
// e-mail for sending it on by e-delivery (mode 1) or for e-signature (mode 0).

#include <memory>

#include <QDialog>

namespace Ui { class DlgPenvaultAfterPrint; }

class DlgPenvaultAfterPrint : public QDialog
{
    Q_OBJECT
public:
    DlgPenvaultAfterPrint(int mode, const QString& link, const QString& email, QWidget* parent);
    ~DlgPenvaultAfterPrint() override;

    // The recipient: the constructor's e-mail until an accepted dialog takes the edited one.
    const QString& recipient() const { return m_email; }
    int mode() const { return m_mode; }

    // An address with a name, an '@' and a domain with a dot and a suffix of two letters or more.

public slots:
    void accept() override;

private:
    QString m_email;
    std::unique_ptr<Ui::DlgPenvaultAfterPrint> ui;
    int m_mode;
};
