#pragma once
// The program's message boxes and small question dialogs. Every one of them
// asks through the question seam (prompt.h), so it shows a real dialog in the
// desktop program, takes scripted answers in tests and never waits in the
// batch run.

#include <QMap>
#include <QString>

class QObject;

// The application title of an edition (1 EFILE, 2 NETFILE).
QString gMsgGetTitle(int edition);
// An information box titled for the edition; answers the button pressed (Ok).
int gMsgInformation(int edition, const QString& text, QObject* parent = nullptr);
// A Yes/No question titled for the edition; answers Prompt::Yes or Prompt::No.
int gMsgQuestion(int edition, const QString& text, QObject* parent = nullptr);

// Asks for one line of text (a password by default) under numbered message
// lines 0 to 3.
class dlgGeneralInput
{
public:
    explicit dlgGeneralInput(QObject* parent = nullptr) : m_parent(parent) {}
    void setWindowTitle(const QString& title) { m_title = title; }
    void setMsg(int line, const QString& text) { m_lines[line] = text; }
    void setPasswordMode(bool on) { m_password = on; }
    // 1 when accepted (the text is then in getInput()), 0 when cancelled.
    int exec();
    QString getInput() const { return m_input; }
    // The message lines in order, skipping empty ones.
    QString text() const;

private:
    QObject* m_parent;
    QString m_title;
    QMap<int, QString> m_lines;
    bool m_password = true;
    QString m_input;
};

// A warning that the user either continues past or stops at.
class CYesNoContinueDlg
{
public:
    // True when the user continues.
    static bool warnYesNoMsg(QObject* parent, const QString& title, const QString& text);

    CYesNoContinueDlg(const QString& title, QObject* parent = nullptr) : m_title(title), m_parent(parent) {}
    // Line 1 is a heading, lines 2 to 4 paragraphs.
    void setMsg(int line, const QString& text) { m_lines[line] = text; }
    void resize(int width, int height) { m_width = width; m_height = height; }
    // 1 to continue, 0 to stop.
    int exec();
    QString text() const;

private:
    QString m_title;
    QObject* m_parent;
    QMap<int, QString> m_lines;
    int m_width = 0, m_height = 0;
};

// A message of one or two lines with a web link under them.
class DlgMsgWithLink
{
public:
    explicit DlgMsgWithLink(QObject* parent = nullptr) : m_parent(parent) {}
    void setWindowTitle(const QString& title) { m_title = title; }
    void setMsg1(const QString& text) { m_msg1 = text; }
    void setMsg2(const QString& text) { m_msg2 = text; }
    void setLink(const QString& url) { m_link = url; }
    int exec();
    QString text() const;

private:
    QObject* m_parent;
    QString m_title, m_msg1, m_msg2, m_link;
};
