#include "tddworkers.h"

#include <exception>

#include "tddwebservice.h"

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService& service) : m_service(service)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void ThreadTDDGetWebAuth::run()
{
    if (!m_service.enterInQuery())
        return;
    const TddWebService::RunScope download(m_service);
    // An exception leaving run() would end the program, and one leaving the
    // stage with the flag set would bar every later download.
    int staged = -1;
    try {
        staged = m_service.wsGetTokenC();
    } catch (const std::exception&) {
    }
    // Free before the browser opens: a browser already signed in may call
    // back at once, and that callback must be able to start the data worker.
    m_service.leaveOutQuery();
    try {
        if (staged == 0)
            m_service.visitTDDWebAuthUrl();
    } catch (const std::exception&) {
    }
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
