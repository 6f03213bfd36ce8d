#pragma once
// The fake agency over TLS: a fake HTTPS server on 127.0.0.1 signed by a
// throw-away authority, the program's web client made to trust that
// authority through the extra certificate file only, and the agency's
// services answering on the server.

#include <memory>

#include <QString>

#include "fakeagency.h"
#include "fakehttpsserver.h"
#include "qwebclient.h"
#include "testauthority.h"

class TlsFakeAgency
{
public:
    // Makes the authority's files as `name` in `folder` and starts the
    // server; false with *error set when either fails.
    bool start(const QString& folder, const QString& name, QString* error)
    {
        if (!TestAuthority::make(folder, name, m_authority, error)) return false;
        m_server.reset(new FakeHttpsServer(m_authority.serverCertificate, m_authority.serverKey));
        if (!m_server->start()) {
            *error = QStringLiteral("the fake agency did not start");
            return false;
        }
        QWebClient::setExtraCertificateFile(m_authority.caCertificate);
        m_agency.reset(new FakeAgency(*m_server));
        return true;
    }

    void stop()
    {
        QWebClient::setExtraCertificateFile(QString());
        m_agency.reset();
        m_server.reset();
    }

    // Nothing scripted or recorded, and a new agency on the same server.
    void clear()
    {
        m_server->clearScript();
        m_server->clearRequests();
        m_agency.reset(new FakeAgency(*m_server));
    }

    FakeAgency& agency() { return *m_agency; }
    const FakeAgency& agency() const { return *m_agency; }
    FakeHttpsServer& server() { return *m_server; }
    const FakeHttpsServer& server() const { return *m_server; }

private:
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
    std::unique_ptr<FakeAgency> m_agency;
};
