#pragma once
// Our notice rendering service as the fake HTTPS server plays it: each form
// post to its path is answered with an HTML page, or with a failure.

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include "fakehttpsserver.h"

class FakeNoticeRenderer
{
public:
    static constexpr const char* kPath = "/expnoaserv/ExpNOAServ";

    explicit FakeNoticeRenderer(FakeHttpsServer& server) : m_server(server) {}

    // The next request gets this page (pages queue up in order).
    void answerPage(const QByteArray& html);
    // The next request fails: a status without a page, or `failure` as given.
    void failWithStatus(int status);
    void fail(const FakeReply& failure);

    // The form fields of each render request received, in order.
    QList<QList<QPair<QString, QString>>> posts() const;

private:
    FakeHttpsServer& m_server;
};
