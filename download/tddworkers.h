#pragma once
// The download's two worker threads. Neither has a parent: each deletes
// itself once finished, never while it runs. The web-auth worker takes
// the busy flag itself; the data worker is started by the callback server
// after the server took the flag for it (one test-and-set, so two callbacks
// start one worker), and gives it back when done.

#include <QThread>

class TddWebService;

class ThreadTDDGetWebAuth : public QThread
{
    Q_OBJECT

public:
    explicit ThreadTDDGetWebAuth(TddWebService& service);

protected:
    void run() override;

private:
    TddWebService& m_service;
};

class ThreadTDDGetData : public QThread
{
    Q_OBJECT

public:
    // `service` is already busy on behalf of this worker.
    explicit ThreadTDDGetData(TddWebService& service);

protected:
    void run() override;

private:
    TddWebService& m_service;
};
