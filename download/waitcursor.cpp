#include "waitcursor.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMetaObject>
#include <QThread>

namespace {

template <typename Change>
void onGuiThread(Change change)
{
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app) return;
    if (QThread::currentThread() == app->thread())
        change();
    else
        QMetaObject::invokeMethod(app, change, Qt::QueuedConnection);
}

}   // namespace

WaitCursorRequest::WaitCursorRequest()
{
    onGuiThread([] { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); });
}

WaitCursorRequest::~WaitCursorRequest()
{
    onGuiThread([] { QGuiApplication::restoreOverrideCursor(); });
}
