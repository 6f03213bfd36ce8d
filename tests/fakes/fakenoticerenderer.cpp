#include "fakenoticerenderer.h"

void FakeNoticeRenderer::answerPage(const QByteArray& html)
{
    FakeReply reply = FakeReply::text(html);
    reply.contentType = "text/html; charset=utf-8";
    m_server.script(kPath, reply);
}

void FakeNoticeRenderer::failWithStatus(int status)
{
    m_server.script(kPath, FakeReply::text("<html>error</html>", status));
}

void FakeNoticeRenderer::fail(const FakeReply& failure)
{
    m_server.script(kPath, failure);
}

QList<QList<QPair<QString, QString>>> FakeNoticeRenderer::posts() const
{
    QList<QList<QPair<QString, QString>>> out;
    for (const RecordedRequest& request : m_server.requests(kPath)) out.append(request.formFields());
    return out;
}
