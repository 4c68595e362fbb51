#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the update tests. It runs in the test's thread:
// the update's download loop serves its requests. Each path answers with a status, a body and
// extra headers; a reply can be cut short (fewer body bytes than its Content-Length). Request
// lines with a full address (as sent to a proxy) are answered by path as well, so the same
// server serves as a proxy; it can demand proxy credentials first (407).

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QTcpServer>

namespace sv::test {

class TLocalHttpServer : public QTcpServer {
public:
    struct TRoute {
        int Status = 200;
        QByteArray Body;
        QList<QPair<QByteArray, QByteArray>> Headers;
        qsizetype CutAfter = -1; // >= 0: send only this many body bytes, then close
        bool KeepOpen = false;   // with CutAfter: stay silent with the connection open (a stall)
    };
    struct TRequest {
        QByteArray Method;
        QByteArray Target; // as in the request line (a path, or a full address via a proxy)
        QByteArray Path;
        QMap<QByteArray, QByteArray> Headers; // names in lower case
    };

    TLocalHttpServer();
    // An HTTPS server with this certificate and key (PEM files).
    TLocalHttpServer(const QString& certificatePem, const QString& keyPem);
    // http://127.0.0.1:<port> (https:// for the HTTPS server)
    QString Base() const;
    quint16 Port() const { return serverPort(); }

    void Serve(const QByteArray& path, const QByteArray& body, int status = 200);
    void Serve(const QByteArray& path, const TRoute& route) { m_routes[path] = route; }
    // Answer 407 until a request carries these Basic credentials.
    void RequireProxyCredentials(const QByteArray& user, const QByteArray& password);

    QList<TRequest> Requests;

protected:
    void incomingConnection(qintptr handle) override;

private:
    void Answer(class QTcpSocket* socket, const TRequest& request);
    void Start();

    QByteArray m_certificate;
    QByteArray m_key;

    QMap<QByteArray, TRoute> m_routes;
    QByteArray m_proxyAuth;
};

} // namespace sv::test

namespace sv::test {
// The process's QCoreApplication (made on first use) so that network replies and event loops
// run in tests without a main of their own.
void EnsureCoreApplication();
} // namespace sv::test
