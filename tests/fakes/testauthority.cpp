#include "testauthority.h"

#include <QFile>
#include <QProcess>
#include <QStringList>

namespace {

bool runOpenssl(const QStringList& args, QString* error)
{
    QProcess openssl;
    openssl.setProcessChannelMode(QProcess::MergedChannels);
    openssl.start(QStringLiteral("openssl"), args);
    if (!openssl.waitForStarted(10000)) {
        if (error) *error = QStringLiteral("openssl cannot be started; is it installed?");
        return false;
    }
    if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
        if (error) *error = QStringLiteral("openssl %1: %2").arg(args.join(' '), QString::fromLocal8Bit(openssl.readAll()));
        return false;
    }
    return true;
}

bool writeExtensions(const QString& path, const char* subjectAltName, QString* error)
{
    QFile ext(path);
    if (!ext.open(QIODevice::WriteOnly)) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    ext.write(QByteArray("basicConstraints=CA:FALSE\n"
                         "keyUsage=digitalSignature,keyEncipherment\n"
                         "extendedKeyUsage=serverAuth\n"
                         "subjectAltName=")
              + subjectAltName + "\n");
    return true;
}

} // namespace

bool TestAuthority::make(const QString& folder, const QString& name, TestAuthority& out, QString* error)
{
    const QString base = folder + QLatin1Char('/') + name;
    const QString caKey = base + "-ca.key";
    const QString request = base + "-server.csr";
    const QString extensions = base + "-server.ext";
    const QString otherExtensions = base + "-otherhost.ext";
    const QString otherRequest = base + "-otherhost.csr";
    out.caCertificate = base + "-ca.pem";
    out.serverCertificate = base + "-server.pem";
    out.serverKey = base + "-server.key";
    out.otherHostCertificate = base + "-otherhost.pem";
    out.expiredCertificate = base + "-expired.pem";
    if (!writeExtensions(extensions, "IP:127.0.0.1", error)
        || !writeExtensions(otherExtensions, "DNS:elsewhere.example", error))
        return false;

    // Elliptic-curve keys: made in milliseconds, unlike RSA.
    const QStringList ecKey = {"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    return runOpenssl(QStringList{"req", "-x509"} + ecKey
                          + QStringList{"-keyout", caKey, "-out", out.caCertificate, "-days", "2", "-subj",
                                        "/CN=Quillmere test authority " + name, "-addext",
                                        "basicConstraints=critical,CA:TRUE", "-addext",
                                        "keyUsage=critical,keyCertSign,cRLSign"},
                      error)
           && runOpenssl(QStringList{"req"} + ecKey
                             + QStringList{"-keyout", out.serverKey, "-out", request, "-subj", "/CN=127.0.0.1"},
                         error)
           && runOpenssl({"x509", "-req", "-in", request, "-CA", out.caCertificate, "-CAkey", caKey,
                          "-CAcreateserial", "-out", out.serverCertificate, "-days", "2", "-extfile", extensions},
                         error)
           // The common name is checked too: it must name the other host as well.
           && runOpenssl({"req", "-new", "-key", out.serverKey, "-out", otherRequest, "-subj", "/CN=elsewhere.example"},
                         error)
           && runOpenssl({"x509", "-req", "-in", otherRequest, "-CA", out.caCertificate, "-CAkey", caKey,
                          "-CAcreateserial", "-out", out.otherHostCertificate, "-days", "2", "-extfile",
                          otherExtensions},
                         error)
           // A negative validity ends before it starts: expired from the outset.
           && runOpenssl({"x509", "-req", "-in", request, "-CA", out.caCertificate, "-CAkey", caKey,
                          "-CAcreateserial", "-out", out.expiredCertificate, "-days", "-1", "-extfile", extensions},
                         error);
}
