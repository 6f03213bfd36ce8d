#include "tddworkers.h"

#include <exception>

#include "tddprotocol.h"
#include "tddwebservice.h"

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService& service) : m_service(service)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void ThreadTDDGetWebAuth::run()
{
    if (!m_service.enterInQuery()) {
        // A worker of a download just cancelled is still ending: say so
        // rather than leave this download waiting for nothing.
        m_service.postProgressMessage(kTddStillEnding);
        return;
    }
    // An exception leaving run() would end the program, and one leaving the
    // stage with the flag set would bar every later download.
    bool left = false;
    try {
        const TddWebService::RunScope download(m_service);
        const int staged = m_service.wsGetTokenC();
        // Free before the browser opens: a browser already signed in may call
        // back at once, and that callback must be able to start the data
        // worker.
        m_service.leaveOutQuery();
        left = true;
        if (staged == 0)
            m_service.visitTDDWebAuthUrl();
    } catch (const std::exception&) {
    }
    if (!left)
        m_service.leaveOutQuery();
}

ThreadTDDGetData::ThreadTDDGetData(TddWebService& service) : m_service(service)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void ThreadTDDGetData::run()
{
    // Swallowed: the flag must be given back, and an exception leaving
    // run() would end the program.
    try {
        const TddWebService::RunScope download(m_service);
        m_service.wsGetDataAtLast();
    } catch (const std::exception&) {
    }
    m_service.leaveOutQuery();
}
