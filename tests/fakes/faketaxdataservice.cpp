#include "faketaxdataservice.h"

#include <QCryptographicHash>
#include <QXmlStreamReader>

FakeTaxDataService::FakeTaxDataService(FakeHttpsServer& server, const QByteArray& key, bool notice)
    : m_server(server), m_key(key), m_notice(notice)
{
}

QByteArray FakeTaxDataService::envelope(const QByteArray& body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
           "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>" +
           body + "</soapenv:Body></soapenv:Envelope>";
}

void FakeTaxDataService::reply(const FakeReply& r)
{
    m_server.script(path(), r);
}

void FakeTaxDataService::stage(const QByteArray& returnCode, const QByteArray& tokenC)
{
    const QByteArray tag = m_notice ? "StageNOAResponse" : "StageTDDNetfileResponse";
    FakeReply r = FakeReply::text(envelope("<ns2:" + tag + " xmlns:ns2=\"urn:tdd\"><ns2:ReturnCode>" + returnCode +
                                           "</ns2:ReturnCode><ns2:TokenIdentifier>" + tokenC +
                                           "</ns2:TokenIdentifier></ns2:" + tag + ">"));
    r.contentType = "text/xml; charset=utf-8";
    reply(r);
}

void FakeTaxDataService::data(const QByteArray& returnCode, const QByteArray& token, const QByteArray& delivery)
{
    const QByteArray tag = m_notice ? "GetNOAResponse" : "GetTDDNetfileResponse";
    FakeReply r = FakeReply::text(envelope("<ns2:" + tag + " xmlns:ns2=\"urn:tdd\"><ns2:ReturnCode>" + returnCode +
                                           "</ns2:ReturnCode><ns2:TokenIdentifier>" + token +
                                           "</ns2:TokenIdentifier>" + delivery + "</ns2:" + tag + ">"));
    r.contentType = "text/xml; charset=utf-8";
    reply(r);
}

void FakeTaxDataService::fault(const QByteArray& faultString)
{
    FakeReply r = FakeReply::text(envelope("<soapenv:Fault><faultcode>soapenv:Client</faultcode><faultstring>" +
                                           faultString + "</faultstring></soapenv:Fault>"),
                                  500);
    r.contentType = "text/xml; charset=utf-8";
    reply(r);
}

QList<FakeTaxDataService::Request> FakeTaxDataService::requests() const
{
    QList<Request> list;
    for (const RecordedRequest& recorded : m_server.requests(path())) {
        Request request;
        QByteArray password;
        QXmlStreamReader xml(recorded.body);
        bool inBody = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const QString name = xml.qualifiedName().toString();
            if (inBody && request.bodyTag.isEmpty())
                request.bodyTag = name;
            if (name == "S:Body")
                inBody = true;
            else if (name == "wsse:Username")
                request.user = xml.readElementText();
            else if (name == "wsse:Password")
                password = xml.readElementText().toLatin1();
            else if (name == "wsse:Nonce")
                request.nonce = xml.readElementText().toLatin1();
            else if (name == "wsu:Created")
                request.created = xml.readElementText();
            else if (name == "Sin")
                request.sins << xml.readElementText();
            else if (name == "TokenIdentifier")
                request.token = xml.readElementText();
        }
        const QByteArray expected = QCryptographicHash::hash(QByteArray::fromBase64(request.nonce) +
                                                                 request.created.toUtf8() + m_key,
                                                             QCryptographicHash::Sha1)
                                        .toBase64();
        request.digestOk = !xml.hasError() && password == expected;
        list << request;
    }
    return list;
}
