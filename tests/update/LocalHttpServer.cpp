#include "update/LocalHttpServer.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpSocket>
#include <QUrl>

namespace sv::test {

namespace {
QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

TLocalHttpServer::TLocalHttpServer() { Start(); }

TLocalHttpServer::TLocalHttpServer(const QString& certificatePem, const QString& keyPem)
    : m_certificate(ReadAll(certificatePem)), m_key(ReadAll(keyPem))
{
    Start();
}

void TLocalHttpServer::incomingConnection(qintptr handle)
{
    if (m_certificate.isEmpty()) {
        QTcpServer::incomingConnection(handle);
        return;
    }
    auto* socket = new QSslSocket(this);
    if (!socket->setSocketDescriptor(handle)) {
        delete socket;
        return;
    }
    socket->setLocalCertificate(QSslCertificate(m_certificate));
    socket->setPrivateKey(QSslKey(m_key, QSsl::Rsa));
    addPendingConnection(socket);
    socket->startServerEncryption();
}

void TLocalHttpServer::Start()
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = nextPendingConnection()) {
            auto* buffer = new QByteArray;
            connect(socket, &QObject::destroyed, socket, [buffer] { delete buffer; });
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                *buffer += socket->readAll();
                for (;;) {
                    const qsizetype end = buffer->indexOf("\r\n\r\n");
                    if (end < 0)
                        return;
                    const QList<QByteArray> lines = buffer->left(end).split('\n');
                    buffer->remove(0, end + 4);
                    TRequest request;
                    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
                    request.Method = first.value(0);
                    request.Target = first.value(1);
                    request.Path = request.Target.startsWith('/')
                                       ? request.Target
                                       : QUrl(QString::fromLatin1(request.Target)).path().toLatin1();
                    for (qsizetype i = 1; i < lines.size(); ++i) {
                        const qsizetype colon = lines[i].indexOf(':');
                        if (colon > 0)
                            request.Headers[lines[i].left(colon).trimmed().toLower()] =
                                lines[i].mid(colon + 1).trimmed();
                    }
                    Requests.append(request);
                    Answer(socket, request);
                }
            });
        }
    });
}

QString TLocalHttpServer::Base() const
{
    return QStringLiteral("%1://127.0.0.1:%2")
        .arg(m_certificate.isEmpty() ? QStringLiteral("http") : QStringLiteral("https"))
        .arg(serverPort());
}

void TLocalHttpServer::Serve(const QByteArray& path, const QByteArray& body, int status)
{
    TRoute r;
    r.Status = status;
    r.Body = body;
    m_routes[path] = r;
}

void TLocalHttpServer::RequireProxyCredentials(const QByteArray& user, const QByteArray& password)
{
    m_proxyAuth = "Basic " + (user + ':' + password).toBase64();
}

void TLocalHttpServer::Answer(QTcpSocket* socket, const TRequest& request)
{
    TRoute route;
    if (!m_proxyAuth.isEmpty() && request.Headers.value("proxy-authorization") != m_proxyAuth) {
        route.Status = 407;
        route.Body = "proxy credentials needed";
        route.Headers.append(qMakePair(QByteArray("Proxy-Authenticate"), QByteArray("Basic realm=\"test\"")));
    } else if (m_routes.contains(request.Path)) {
        route = m_routes.value(request.Path);
    } else {
        route.Status = 404;
        route.Body = "not found";
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(route.Status) + (route.Status < 300 ? " OK" : " Error") + "\r\n";
    head += "Content-Length: " + QByteArray::number(route.Body.size()) + "\r\n";
    for (const auto& [name, value] : route.Headers)
        head += name + ": " + value + "\r\n";
    const bool cut = route.CutAfter >= 0;
    head += cut && !route.KeepOpen ? "Connection: close\r\n\r\n" : "\r\n";
    socket->write(head);
    socket->write(cut ? route.Body.left(route.CutAfter) : route.Body);
    if (cut && !route.KeepOpen) {
        socket->flush();
        socket->disconnectFromHost();
    }
}

} // namespace sv::test

#include <QCoreApplication>

namespace sv::test {
void EnsureCoreApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "sv-test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}
} // namespace sv::test
