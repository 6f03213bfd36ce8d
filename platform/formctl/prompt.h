#pragma once
// The one seam through which the program asks the user anything: message
// boxes, yes/no questions, text input, file, folder and colour choosers.
//
// The engine asks through here without knowing about widgets. The desktop
// program installs a handler that shows real dialogs; tests queue answers
// beforehand and read back every title and text; the windowless batch run
// (and any process with no handler installed) gets every question answered
// as cancelled at once, so nothing can ever wait on a modal dialog.

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

class QObject;

namespace Prompt {

// Same values as QMessageBox::StandardButton, so handlers can cast directly.
enum Button : int {
    NoButton = 0x00000000,
    Ok       = 0x00000400,
    Save     = 0x00000800,
    Open     = 0x00002000,
    Yes      = 0x00004000,
    No       = 0x00010000,
    Abort    = 0x00040000,
    Retry    = 0x00080000,
    Ignore   = 0x00100000,
    Close    = 0x00200000,
    Cancel   = 0x00400000,
};

enum class Kind { Information, Warning, Critical, Question, TextInput, OpenFile, SaveFile, Directory, Color };

struct Request
{
    Kind kind = Kind::Information;
    QString title;
    QString text;              // message, or the label of an input or chooser
    int buttons = Ok;          // for message kinds: the buttons offered (OR of Button)
    int defaultButton = NoButton;
    QString initial;           // starting text, folder or file
    QString filter;            // file chooser filter
    bool password = false;     // text input hides what is typed
    QColor color;              // starting colour
    QString link;              // a web address shown as a link under the text
    int width = 0, height = 0; // a size the dialog asks for, 0 for its own
    bool headed = false;       // the text's first line is a heading, shown apart from the paragraphs below it
    QObject* parent = nullptr; // the widget the dialog belongs to, if any
};

struct Answer
{
    int button = Cancel;       // message kinds: the button pressed
    bool accepted = false;     // input and choosers: Ok pressed
    QString text;              // input text or chosen path
    QColor color;

    static Answer cancelled() { return Answer(); }
    static Answer pressed(int b) { Answer a; a.button = b; a.accepted = (b == Ok || b == Yes || b == Save || b == Open); return a; }
    static Answer typed(const QString& t) { Answer a; a.button = Ok; a.accepted = true; a.text = t; return a; }
    static Answer chosenColor(const QColor& c) { Answer a; a.button = Ok; a.accepted = true; a.color = c; return a; }
};

class Handler
{
public:
    virtual ~Handler() = default;
    virtual Answer ask(const Request& request) = 0;
};

// Installs the handler that answers every question (not owned); null restores
// the default, which answers every question as cancelled.
void setHandler(Handler* handler);
Handler* handler();

// Everything below goes through the installed handler.
Answer ask(const Request& request);

int message(Kind kind, const QString& title, const QString& text, int buttons = Ok,
            int defaultButton = NoButton, QObject* parent = nullptr);
void information(const QString& title, const QString& text, QObject* parent = nullptr);
void warning(const QString& title, const QString& text, QObject* parent = nullptr);
void critical(const QString& title, const QString& text, QObject* parent = nullptr);
// True when Yes (or Ok) was pressed.
bool question(const QString& title, const QString& text, int buttons = Yes | No,
              int defaultButton = NoButton, QObject* parent = nullptr);
// Empty and *ok false when cancelled.
QString getText(const QString& title, const QString& label, bool password = false,
                const QString& initial = QString(), bool* ok = nullptr, QObject* parent = nullptr);
QString getOpenFileName(const QString& title, const QString& folder = QString(),
                        const QString& filter = QString(), QObject* parent = nullptr);
QString getSaveFileName(const QString& title, const QString& path = QString(),
                        const QString& filter = QString(), QObject* parent = nullptr);
QString getExistingDirectory(const QString& title, const QString& folder = QString(),
                             QObject* parent = nullptr);
// Invalid colour when cancelled.
QColor getColor(const QColor& initial, const QString& title, QObject* parent = nullptr);

// Answers every question as cancelled (the batch run's handler and the default).
class CancelAll : public Handler
{
public:
    Answer ask(const Request&) override { return Answer::cancelled(); }
};

// For tests: answers questions from a queue filled beforehand and records
// every request it was asked. A question with no queued answer is answered
// as cancelled and counted in unanswered(), so a test can fail on it.
// Installs itself for its lifetime and restores the previous handler after.
class Scripted : public Handler
{
public:
    Scripted();
    ~Scripted() override;
    Scripted(const Scripted&) = delete;
    Scripted& operator=(const Scripted&) = delete;

    Scripted& answer(const Answer& a) { m_queue.append(a); return *this; }
    Scripted& press(int button) { return answer(Answer::pressed(button)); }
    Scripted& type(const QString& text) { return answer(Answer::typed(text)); }
    Scripted& cancel() { return answer(Answer::cancelled()); }

    Answer ask(const Request& request) override;

    const QList<Request>& asked() const { return m_asked; }
    QStringList titles() const;
    QStringList texts() const;
    int pending() const { return m_queue.size(); }
    int unanswered() const { return m_unanswered; }
    void clear() { m_asked.clear(); m_queue.clear(); m_unanswered = 0; }

private:
    Handler* m_previous;
    QList<Answer> m_queue;
    QList<Request> m_asked;
    int m_unanswered = 0;
};

} // namespace Prompt
