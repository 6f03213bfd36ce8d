#pragma once
// Answers the modal windows that open while the code under test runs: each
// new one goes to the next step, in order. A window no step is left for is
// rejected, so a test never hangs on an unexpected window; every window met
// is recorded by class name.

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

class ModalDriver : public QObject
{
public:
    using Step = std::function<void(QWidget*)>;

    ModalDriver()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalDriver::poll);
        m_timer.start(10);
    }
    ModalDriver& then(const Step& step)
    {
        m_steps.append(step);
        return *this;
    }
    const QStringList& seen() const { return m_seen; }
    int pending() const { return m_steps.size(); }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last) return;
        m_last = modal;
        m_seen << QString::fromLatin1(modal->metaObject()->className());
        if (m_steps.isEmpty()) {
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            return;
        }
        m_steps.takeFirst()(modal);
    }

    QTimer m_timer;
    QPointer<QWidget> m_last;
    QList<Step> m_steps;
    QStringList m_seen;
};
