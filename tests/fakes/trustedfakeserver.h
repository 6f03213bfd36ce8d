#pragma once
// A fake HTTPS server on 127.0.0.1 signed by a throw-away authority, and the
// program's web client made to trust that authority through the extra
// certificate file only, as the agency tests want it.

#include <memory>

#include <QString>

#include "fakehttpsserver.h"
#include "qwebclient.h"
#include "testauthority.h"

class TrustedFakeServer
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
        return true;
    }

    void stop()
    {
        QWebClient::setExtraCertificateFile(QString());
        m_server.reset();
    }

    FakeHttpsServer& server() { return *m_server; }
    const FakeHttpsServer& server() const { return *m_server; }

private:
    TestAuthority m_authority;
    std::unique_ptr<FakeHttpsServer> m_server;
};
