#include "fakeagency.h"

#include <QXmlStreamReader>

namespace {

const QByteArray kUnauthorised = "#unauthorised";

QByteArray key(const char* path, const char* request) { return QByteArray(path) + '#' + request; }

} // namespace

FakeAgency::FakeAgency(FakeHttpsServer& server) : m_server(server)
{
    m_server.route(kNetfilePath, [](const RecordedRequest& request) {
        return QByteArray(kNetfilePath) + '#' + read(request.body).bodyElement.toUtf8();
    });
    m_server.route(kT1013Path, [](const RecordedRequest& request) {
        const Request read = FakeAgency::read(request.body);
        const bool token = read.elements.contains("UsernameToken") && !read.text("Username").isEmpty()
                           && !read.text("Password").isEmpty();
        return QByteArray(kT1013Path) + (token ? QByteArray() : kUnauthorised);
    });
    m_server.script(QByteArray(kT1013Path) + kUnauthorised,
                    fault("The security token could not be authenticated or authorized", "wsse:FailedAuthentication"));
}

void FakeAgency::netfileTerms(const FakeReply& reply) { m_server.script(key(kNetfilePath, "TermsAndConditionsRequest"), reply); }
void FakeAgency::refileTerms(const FakeReply& reply)
{
    m_server.script(key(kNetfilePath, "RefileTermsAndConditionsRequest"), reply);
}
void FakeAgency::netfileReturn(const FakeReply& reply) { m_server.script(key(kNetfilePath, "FileReturnRequest"), reply); }
void FakeAgency::efile(const FakeReply& reply) { m_server.script(kEfilePath, reply); }
void FakeAgency::t1135(const FakeReply& reply) { m_server.script(kT1135Path, reply); }
void FakeAgency::t1013(const FakeReply& reply) { m_server.script(kT1013Path, reply); }
void FakeAgency::pad(const FakeReply& reply) { m_server.script(kPadPath, reply); }

FakeReply FakeAgency::soap(const QByteArray& body, int status)
{
    FakeReply reply = FakeReply::text(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
        "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>" +
            body + "</soapenv:Body></soapenv:Envelope>",
        status);
    reply.contentType = "text/xml; charset=utf-8";
    return reply;
}

FakeReply FakeAgency::fault(const QByteArray& faultString, const QByteArray& faultCode)
{
    return soap("<soapenv:Fault><faultcode>" + faultCode + "</faultcode><faultstring>" + faultString +
                    "</faultstring></soapenv:Fault>",
                500);
}

QByteArray FakeAgency::englishMessage(const QList<QByteArray>& lines)
{
    QByteArray message = "<t1rsp:EnglishMessage>";
    for (const QByteArray& line : lines) message += "<t1rsp:MessageText>" + line + "</t1rsp:MessageText>";
    return message + "</t1rsp:EnglishMessage>";
}

FakeReply FakeAgency::terms(const QList<QByteArray>& lines, const QByteArray& linkText, const QByteArray& linkTarget)
{
    QByteArray message = "<t1rsp:EnglishMessage>";
    for (const QByteArray& line : lines) message += "<t1rsp:MessageText>" + line + "</t1rsp:MessageText>";
    if (!linkText.isEmpty())
        message += "<t1rsp:Hyperlink><t1rsp:HyperlinkText>" + linkText + "</t1rsp:HyperlinkText><t1rsp:HyperlinkTarget>" +
                   linkTarget + "</t1rsp:HyperlinkTarget></t1rsp:Hyperlink>";
    message += "</t1rsp:EnglishMessage>";
    return soap("<t1rsp:TermsAndConditionsResponse xmlns:t1rsp=\"http://agency.example/t1rsp\"><t1rsp:TermsAndConditions>" +
                message + "</t1rsp:TermsAndConditions></t1rsp:TermsAndConditionsResponse>");
}

FakeAgency::Request FakeAgency::read(const QByteArray& body)
{
    Request request;
    request.raw = body;
    QXmlStreamReader xml(body);
    bool inBody = false;
    QList<QString> open;
    QString text;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QString name = xml.name().toString();
            if (inBody && request.bodyElement.isEmpty()) request.bodyElement = name;
            if (name == "Body") inBody = true;
            request.elements << name;
            open << name;
            text.clear();
            break;
        }
        case QXmlStreamReader::Characters:
            text += xml.text();
            break;
        case QXmlStreamReader::EndElement:
            request.texts[open.takeLast()] << text;
            text.clear();
            break;
        default:
            break;
        }
    }
    request.wellFormed = !xml.hasError();
    return request;
}

QList<FakeAgency::Request> FakeAgency::requests(const char* path) const
{
    QList<Request> list;
    for (const RecordedRequest& recorded : m_server.requests(path)) list << read(recorded.body);
    return list;
}
