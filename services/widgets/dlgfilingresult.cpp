#include "dlgfilingresult.h"

#include <QUrl>

#include "ui_dlgfilingresult.h"

DlgFilingResult::DlgFilingResult(const QString& title, QWidget* parent)
    : QDialog(parent), ui(new Ui::DlgFilingResult)
{
    ui->setupUi(this);
    setWindowTitle(title);
}

DlgFilingResult::~DlgFilingResult()
{
    delete ui;
}

void DlgFilingResult::setMsg(const QString& overview, const QString& details, const QString& bottom,
                             const QString& path)
{
    // The texts carry the agency's codes and messages: shown as written,
    // never read as markup.
    ui->lblOverview->setTextFormat(Qt::PlainText);
    ui->lblOverview->setText(overview);
    ui->pteDetails->setPlainText(details);
    ui->lblBottom->setTextFormat(Qt::PlainText);
    ui->lblBottom->setText(bottom);
    // An absolute path already starts with "/": "file:///" then the rest.
    // The rest is percent-encoded, so that a blank, "#", "?" or "%" in a
    // folder's name opens that file and not a shorter path.
    const QString rest = path.startsWith('/') ? path.mid(1) : path;
    const QString target = QStringLiteral("file:///") + QString::fromLatin1(QUrl::toPercentEncoding(rest, "/:"));
    ui->lblLink->setTextFormat(Qt::RichText);
    ui->lblLink->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                         | Qt::LinksAccessibleByKeyboard);
    ui->lblLink->setOpenExternalLinks(true);
    ui->lblLink->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), path.toHtmlEscaped()));
}
