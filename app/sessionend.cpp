#include "sessionend.h"

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>

namespace {

int s_pipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop does the rest.
void onTerminate(int)
{
    const char byte = 1;
    if (::write(s_pipe[1], &byte, 1) < 0) {
        // Nothing can be done about it inside a signal handler.
    }
}

} // namespace

void catchSessionEnd()
{
    if (s_pipe[0] >= 0 || ::pipe2(s_pipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
}

void watchSessionEnd()
{
    if (s_pipe[0] < 0 || !qApp) return;
    auto* notifier = new QSocketNotifier(s_pipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char bytes[16];
        while (::read(s_pipe[0], bytes, sizeof bytes) > 0) {
        }
        // Closes an open message box as well, so a modal question cannot
        // keep the program from ending.
        QApplication::closeAllWindows();
    });
}
