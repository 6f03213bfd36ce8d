#pragma once
// The agency's filing services played on the fake HTTPS server: NETFILE
// (answering by the request's body element: terms, ReFILE terms, return),
// EFILE, T1135, T1013 (which checks the user-name token) and the
// pre-authorised debit. Replies are scripted per service; every request is
// read back as XML, as the agency would parse it.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include "fakehttpsserver.h"

class FakeAgency
{
public:
    static constexpr const char* kNetfilePath = "/ebci/pfno/ws/services/FileReturnService";
    static constexpr const char* kEfilePath = "/ebci/pfeo/ws/services/FileReturnService";
    static constexpr const char* kT1135Path = "/ebci/efes/frrms/ws/services/FileFormService";
    static constexpr const char* kT1013Path = "/ebci/tdws/esub/services/TRISWebService";
    static constexpr const char* kPadPath = "/ebci/rjpt/epads_ws/services/PadCreateService";

    explicit FakeAgency(FakeHttpsServer& server);

    // Replies queued per service, used in order (the last one repeats).
    void netfileTerms(const FakeReply& reply);
    void refileTerms(const FakeReply& reply);
    void netfileReturn(const FakeReply& reply);
    void efile(const FakeReply& reply);
    void t1135(const FakeReply& reply);
    void t1013(const FakeReply& reply);
    void pad(const FakeReply& reply);

    // A SOAP envelope around `body` (status 200, or the status given).
    static FakeReply soap(const QByteArray& body, int status = 200);
    // A SOAP fault with status 500.
    static FakeReply fault(const QByteArray& faultString, const QByteArray& faultCode = "soapenv:Server");
    // The agency's English message element holding `lines`, one text each.
    static QByteArray englishMessage(const QList<QByteArray>& lines);
    // The terms reply: lines, and a hyperlink when `linkText` is not empty.
    static FakeReply terms(const QList<QByteArray>& lines, const QByteArray& linkText, const QByteArray& linkTarget);

    struct Request
    {
        bool wellFormed = false;
        QString bodyElement;          // local name of the body's first element
        QStringList elements;         // local names of every element, in order
        QMap<QString, QStringList> texts; // local name -> the text of each such element
        QByteArray raw;
        QString text(const QString& name) const { return texts.value(name).value(0); }
    };
    // Every request one service received, read.
    QList<Request> requests(const char* path) const;
    static Request read(const QByteArray& body);

private:
    FakeHttpsServer& m_server;
};
