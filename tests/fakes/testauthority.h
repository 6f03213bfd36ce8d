#pragma once
// Throw-away certificate authorities for the fake HTTPS servers, made at test
// time with the `openssl` command: an authority and a server certificate for
// 127.0.0.1 signed by it. Nothing outlives the test's temporary folder.

#include <QString>

struct TestAuthority
{
    QString caCertificate;     // PEM of the authority, for the client to trust
    QString serverCertificate; // PEM of the server's certificate (127.0.0.1)
    QString serverKey;         // PEM of the server's private key
    // Certificates for the same key, signed by the same authority, that a
    // client must refuse: one names only another host, one has expired.
    QString otherHostCertificate;
    QString expiredCertificate;

    // Makes the files "<name>-ca.pem", "<name>-server.pem",
    // "<name>-server.key", "<name>-otherhost.pem" and "<name>-expired.pem"
    // in `folder`. False with `error` set when openssl
    // is missing or fails.
    static bool make(const QString& folder, const QString& name, TestAuthority& out, QString* error);
};
