#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include "sync/DavClient.h"

namespace {

// A small HTTP server on 127.0.0.1: it keeps each request's head and answers the requests
// with `replies` in turn (the last one again when they run out).
class TinyServer : public QObject {
public:
    explicit TinyServer(const QList<QByteArray> &replies) : m_replies(replies) {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = m_server.nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    m_pending[s] += s->readAll();
                    if (!m_pending[s].contains("\r\n\r\n")) return;
                    heads << m_pending.take(s);
                    s->write(m_replies.value(heads.size() - 1, m_replies.last()));
                    s->disconnectFromHost();
                });
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }
    void setReplies(const QList<QByteArray> &replies) { m_replies = replies; }
    QList<QByteArray> heads;

private:
    QTcpServer m_server;
    QList<QByteArray> m_replies;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

QByteArray redirectTo(const QString &url) {
    return "HTTP/1.1 301 Moved\r\nLocation: " + url.toUtf8() +
           "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
}

const QByteArray kOk = "HTTP/1.1 200 OK\r\nContent-Length: 2\r\nConnection: close\r\n\r\nok";

}  // namespace

class TestDavClient : public QObject {
    Q_OBJECT
private slots:
    // The password goes to the host it was given for, never after a redirect elsewhere.
    void credentialsStayWithTheirHost_data() {
        QTest::addColumn<bool>("sameHost");
        QTest::newRow("same host") << true;
        QTest::newRow("another host") << false;
    }
    void credentialsStayWithTheirHost() {
        QFETCH(bool, sameHost);
        TinyServer first({kOk});
        TinyServer second({kOk});
        const QUrl start(QStringLiteral("http://127.0.0.1:%1/rubrica/").arg(first.port()));
        const QUrl next(sameHost ? QStringLiteral("http://127.0.0.1:%1/dopo/").arg(first.port())
                                 : QStringLiteral("http://localhost:%1/dopo/").arg(second.port()));
        first.setReplies({redirectTo(next.toString()), kOk});
        DavClient client;
        client.setCredentials(QStringLiteral("anna"), QStringLiteral("segreta"));
        client.setOrigin(start);
        const DavReply reply = client.send("PROPFIND", start);
        QCOMPARE(reply.status, 200);
        QCOMPARE(reply.url, next);
        const QList<QByteArray> heads = sameHost ? first.heads : first.heads + second.heads;
        QCOMPARE(heads.size(), 2);
        QVERIFY(heads[0].contains("Authorization: Basic"));
        QCOMPARE(heads[1].contains("Authorization: Basic"), sameHost);
    }

    // A reply larger than the bound is abandoned with the program's message.
    void oversizedReplyIsRefused() {
        TinyServer server({"HTTP/1.1 207 Multi-Status\r\nContent-Length: 900000000\r\n\r\n<x>"});
        DavClient client;
        const DavReply reply =
            client.send("REPORT", QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server.port())));
        QCOMPARE(reply.status, 0);
        QVERIFY2(reply.error.contains(QStringLiteral("troppo grande")), qPrintable(reply.error));
    }
};

QTEST_GUILESS_MAIN(TestDavClient)
#include "tst_davclient.moc"
