#include "tddworkers.h"

#include "tddwebservice.h"

ThreadTDDGetWebAuth::ThreadTDDGetWebAuth(TddWebService& service) : m_service(service)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void ThreadTDDGetWebAuth::run()
{
    if (!m_service.enterInQuery())
        return;
    const int staged = m_service.wsGetTokenC();
    // Free before the browser opens: a browser already signed in may call
    // back at once, and that callback must be able to start the data worker.
    m_service.leaveOutQuery();
    if (staged == 0)
        m_service.visitTDDWebAuthUrl();
}

ThreadTDDGetData::ThreadTDDGetData(TddWebService& service) : m_service(service)
{
    connect(this, &QThread::finished, this, &QObject::deleteLater);
}

void ThreadTDDGetData::run()
{
    m_service.wsGetDataAtLast();
    m_service.leaveOutQuery();
}
