#include "prompt.h"

namespace Prompt {

namespace {
CancelAll g_cancelAll;
Handler* g_handler = nullptr;
}

void setHandler(Handler* h) { g_handler = h; }
Handler* handler() { return g_handler ? g_handler : &g_cancelAll; }

Answer ask(const Request& request) { return handler()->ask(request); }

int message(Kind kind, const QString& title, const QString& text, int buttons, int defaultButton, QObject* parent)
{
    Request r;
    r.kind = kind;
    r.title = title;
    r.text = text;
    r.buttons = buttons;
    r.defaultButton = defaultButton;
    r.parent = parent;
    const Answer a = ask(r);
    if (a.button != Cancel)
        return a.button;
    // A cancelled question picks the "no" side of what was offered.
    if (buttons & Cancel) return Cancel;
    if (buttons & No) return No;
    if (buttons & Close) return Close;
    return buttons == Ok ? Ok : NoButton;
}

void information(const QString& title, const QString& text, QObject* parent) { message(Kind::Information, title, text, Ok, Ok, parent); }
void warning(const QString& title, const QString& text, QObject* parent) { message(Kind::Warning, title, text, Ok, Ok, parent); }
void critical(const QString& title, const QString& text, QObject* parent) { message(Kind::Critical, title, text, Ok, Ok, parent); }

bool question(const QString& title, const QString& text, int buttons, int defaultButton, QObject* parent)
{
    const int b = message(Kind::Question, title, text, buttons, defaultButton, parent);
    return b == Yes || b == Ok;
}

QString getText(const QString& title, const QString& label, bool password, const QString& initial, bool* ok, QObject* parent)
{
    Request r;
    r.kind = Kind::TextInput;
    r.title = title;
    r.text = label;
    r.password = password;
    r.initial = initial;
    r.buttons = Ok | Cancel;
    r.parent = parent;
    const Answer a = ask(r);
    if (ok) *ok = a.accepted;
    return a.accepted ? a.text : QString();
}

namespace {
QString choosePath(Kind kind, const QString& title, const QString& initial, const QString& filter, QObject* parent)
{
    Request r;
    r.kind = kind;
    r.title = title;
    r.initial = initial;
    r.filter = filter;
    r.buttons = Ok | Cancel;
    r.parent = parent;
    const Answer a = ask(r);
    return a.accepted ? a.text : QString();
}
}

QString getOpenFileName(const QString& title, const QString& folder, const QString& filter, QObject* parent)
{
    return choosePath(Kind::OpenFile, title, folder, filter, parent);
}

QString getSaveFileName(const QString& title, const QString& path, const QString& filter, QObject* parent)
{
    return choosePath(Kind::SaveFile, title, path, filter, parent);
}

QString getExistingDirectory(const QString& title, const QString& folder, QObject* parent)
{
    return choosePath(Kind::Directory, title, folder, QString(), parent);
}

QColor getColor(const QColor& initial, const QString& title, QObject* parent)
{
    Request r;
    r.kind = Kind::Color;
    r.title = title;
    r.color = initial;
    r.buttons = Ok | Cancel;
    r.parent = parent;
    const Answer a = ask(r);
    return a.accepted ? a.color : QColor();
}

Scripted::Scripted() : m_previous(g_handler)
{
    setHandler(this);
}

Scripted::~Scripted()
{
    if (g_handler == this)
        setHandler(m_previous);
}

Answer Scripted::ask(const Request& request)
{
    m_asked.append(request);
    if (m_queue.isEmpty()) {
        ++m_unanswered;
        return Answer::cancelled();
    }
    return m_queue.takeFirst();
}

QStringList Scripted::titles() const
{
    QStringList out;
    for (const Request& r : m_asked) out << r.title;
    return out;
}

QStringList Scripted::texts() const
{
    QStringList out;
    for (const Request& r : m_asked) out << r.text;
    return out;
}

} // namespace Prompt
