#include "widgetprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

QWidget* parentWidget(QObject* parent)
{
    if (auto* w = qobject_cast<QWidget*>(parent)) return w;
    return QApplication::activeWindow();
}

QMessageBox::Icon iconOf(Prompt::Kind kind)
{
    switch (kind) {
    case Prompt::Kind::Warning: return QMessageBox::Warning;
    case Prompt::Kind::Critical: return QMessageBox::Critical;
    case Prompt::Kind::Question: return QMessageBox::Question;
    default: return QMessageBox::Information;
    }
}

Prompt::Answer showMessage(const Prompt::Request& r)
{
    QMessageBox box(iconOf(r.kind), r.title, r.text, QMessageBox::StandardButtons(r.buttons), parentWidget(r.parent));
    if (r.defaultButton != Prompt::NoButton)
        box.setDefaultButton(QMessageBox::StandardButton(r.defaultButton));
    // Messages carry file names and services' replies: only the program's
    // own markup, which opens the text with a tag, is read as markup.
    box.setTextFormat(r.text.startsWith(QLatin1Char('<')) ? Qt::RichText : Qt::PlainText);
    // A path or a reply in a message can be selected and copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (!r.link.isEmpty()) {
        box.setTextFormat(Qt::RichText);
        box.setTextInteractionFlags(Qt::TextBrowserInteraction);
        box.setText(r.text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"))
                    + QStringLiteral("<br><a href=\"%1\">%1</a>").arg(r.link.toHtmlEscaped()));
    }
    if (r.width > 0 && r.height > 0)
        box.setMinimumSize(r.width, r.height);
    const int pressed = box.exec();
    return Prompt::Answer::pressed(pressed == 0 ? Prompt::Cancel : pressed);
}

// A warning whose heading stands apart from its paragraphs, at the size it
// asks for: a message box would fix its own size and run the two together.
Prompt::Answer showHeaded(const Prompt::Request& r)
{
    QDialog dialog(parentWidget(r.parent));
    dialog.setWindowTitle(r.title);
    auto* layout = new QVBoxLayout(&dialog);
    const int split = r.text.indexOf(QLatin1Char('\n'));
    auto* heading = new QLabel(r.text.left(split), &dialog);
    heading->setObjectName(QStringLiteral("heading"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    heading->setFont(bold);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    auto* paragraphs = new QLabel(r.text.mid(split + 1).replace(QLatin1Char('\n'), QLatin1String("\n\n")), &dialog);
    paragraphs->setObjectName(QStringLiteral("paragraphs"));
    paragraphs->setWordWrap(true);
    paragraphs->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    paragraphs->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(paragraphs, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::StandardButtons(r.buttons), &dialog);
    if (r.defaultButton != Prompt::NoButton)
        if (QPushButton* b = buttons->button(QDialogButtonBox::StandardButton(r.defaultButton))) b->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog, [&dialog, buttons](QAbstractButton* b) {
        dialog.done(int(buttons->standardButton(b)));
    });
    layout->addWidget(buttons);
    if (r.width > 0 && r.height > 0) dialog.resize(r.width, r.height);
    const int pressed = dialog.exec();
    return Prompt::Answer::pressed(pressed == QDialog::Rejected ? Prompt::Cancel : pressed);
}

} // namespace

Prompt::Answer WidgetPrompts::ask(const Prompt::Request& r)
{
    QWidget* parent = parentWidget(r.parent);
    switch (r.kind) {
    case Prompt::Kind::Information:
    case Prompt::Kind::Warning:
    case Prompt::Kind::Critical:
    case Prompt::Kind::Question:
        return r.headed && r.text.contains(QLatin1Char('\n')) ? showHeaded(r) : showMessage(r);
    case Prompt::Kind::TextInput: {
        bool ok = false;
        const QString text = QInputDialog::getText(parent, r.title, r.text,
                                                   r.password ? QLineEdit::Password : QLineEdit::Normal, r.initial, &ok);
        return ok ? Prompt::Answer::typed(text) : Prompt::Answer::cancelled();
    }
    case Prompt::Kind::OpenFile: {
        const QString path = QFileDialog::getOpenFileName(parent, r.title, r.initial, r.filter);
        return path.isEmpty() ? Prompt::Answer::cancelled() : Prompt::Answer::typed(path);
    }
    case Prompt::Kind::SaveFile: {
        const QString path = QFileDialog::getSaveFileName(parent, r.title, r.initial, r.filter);
        return path.isEmpty() ? Prompt::Answer::cancelled() : Prompt::Answer::typed(path);
    }
    case Prompt::Kind::Directory: {
        const QString path = QFileDialog::getExistingDirectory(parent, r.title, r.initial);
        return path.isEmpty() ? Prompt::Answer::cancelled() : Prompt::Answer::typed(path);
    }
    case Prompt::Kind::Color: {
        const QColor c = QColorDialog::getColor(r.color, parent, r.title);
        return c.isValid() ? Prompt::Answer::chosenColor(c) : Prompt::Answer::cancelled();
    }
    }
    return Prompt::Answer::cancelled();
}

void installWidgetPrompts()
{
    static WidgetPrompts prompts;
    Prompt::setHandler(&prompts);
}
