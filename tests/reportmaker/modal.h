#pragma once
// Acts on a modal dialog as a user would, once it shows: the handler runs
// from the event loop of the dialog's exec(). Handlers left waiting (the
// dialog never came) are dropped by dropWaiting(), which tests call in
// cleanup() so none can act on a later test's dialog.

#include <functional>

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QTimer>

namespace Modal {

inline QList<QPointer<QTimer>>& waiting()
{
    static QList<QPointer<QTimer>> timers;
    return timers;
}

template <class Dialog>
void when(std::function<void(Dialog*)> act)
{
    auto* timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act]() {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
    });
    waiting().append(timer);
    timer->start();
}

// How many handlers never found their dialog; drops them.
inline int dropWaiting()
{
    int left = 0;
    for (const QPointer<QTimer>& t : waiting()) {
        if (t && t->isActive()) {
            ++left;
            t->stop();
            t->deleteLater();
        }
    }
    waiting().clear();
    return left;
}

} // namespace Modal
