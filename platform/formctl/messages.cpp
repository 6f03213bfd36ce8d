#include "messages.h"

#include <QStringList>

#include "prompt.h"

namespace {
QString joinLines(const QMap<int, QString>& lines)
{
    QStringList parts;
    for (const QString& line : lines)
        if (!line.isEmpty()) parts << line;
    return parts.join(QLatin1Char('\n'));
}
}

QString gMsgGetTitle(int edition)
{
    return edition == 1 ? QStringLiteral("Quillmere 2021 for EFile") : QStringLiteral("Quillmere 2021 for NetFile");
}

int gMsgInformation(int edition, const QString& text, QObject* parent)
{
    return Prompt::message(Prompt::Kind::Information, gMsgGetTitle(edition), text, Prompt::Ok, Prompt::Ok, parent);
}

int gMsgQuestion(int edition, const QString& text, QObject* parent)
{
    return Prompt::message(Prompt::Kind::Question, gMsgGetTitle(edition), text, Prompt::Yes | Prompt::No,
                           Prompt::Yes, parent);
}

QString dlgGeneralInput::text() const { return joinLines(m_lines); }

int dlgGeneralInput::exec()
{
    bool ok = false;
    m_input = Prompt::getText(m_title, text(), m_password, QString(), &ok, m_parent);
    return ok ? 1 : 0;
}

bool CYesNoContinueDlg::warnYesNoMsg(QObject* parent, const QString& title, const QString& text)
{
    CYesNoContinueDlg dlg(title, parent);
    dlg.setMsg(1, text);
    return dlg.exec() == 1;
}

QString CYesNoContinueDlg::text() const { return joinLines(m_lines); }

int CYesNoContinueDlg::exec()
{
    Prompt::Request r;
    r.kind = Prompt::Kind::Warning;
    r.title = m_title;
    r.text = text();
    r.buttons = Prompt::Ok | Prompt::Cancel;
    r.defaultButton = Prompt::Ok;
    r.width = m_width;
    r.height = m_height;
    // A heading on line 1 stands apart from the paragraphs of lines 2 to 4.
    r.headed = !m_lines.value(1).isEmpty() && r.text.contains(QLatin1Char('\n'));
    r.parent = m_parent;
    return Prompt::ask(r).button == Prompt::Ok ? 1 : 0;
}

QString DlgMsgWithLink::text() const
{
    QStringList parts;
    if (!m_msg1.isEmpty()) parts << m_msg1;
    if (!m_msg2.isEmpty()) parts << m_msg2;
    return parts.join(QLatin1Char('\n'));
}

int DlgMsgWithLink::exec()
{
    Prompt::Request r;
    r.kind = Prompt::Kind::Information;
    r.title = m_title;
    r.text = text();
    r.link = m_link;
    r.buttons = Prompt::Ok;
    r.parent = m_parent;
    Prompt::ask(r);
    return 1;
}
