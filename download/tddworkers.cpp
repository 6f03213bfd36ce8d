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
    if (m_service.wsGetTokenC() == 0)
        m_service.visitTDDWebAuthUrl();
    m_service.leaveOutQuery();
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
