// The shared address book against a local Radicale (started here on 127.0.0.1, a free
// port): the first sync of 1,000 contacts each way (1,000 in the archive, 1,000 other
// cards on the server), then a sync with nothing changed, with the requests each needed.
// Where vdirsyncer is installed, the same work done by it (a folder of 1,000 cards against
// an address book of 1,000 others, then a sync with nothing changed) is timed beside.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

#include "archive/ArchiveStore.h"
#include "sync/CardDavServer.h"
#include "sync/CardRecord.h"
#include "sync/DavClient.h"
#include "sync/SyncSession.h"

namespace {

constexpr int kContacts = 1000;

ContactRecord contact(const QString &prefix, int i) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, QStringLiteral("%1 %2").arg(prefix).arg(i));
    r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Consulenza fiscale"));
    r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi, %1").arg(i % 300));
    r.setValue(ContactRecord::Citta, QStringLiteral("06012 Città di Castello (PG)"));
    r.setValue(ContactRecord::Tel, QStringLiteral("075 85%1").arg(i, 5, 10, QChar(u'0')));
    r.setValue(ContactRecord::Email, QStringLiteral("studio%1@esempio.it").arg(i));
    return r;
}

int freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool waitForPort(int port) {
    for (int i = 0; i < 100; ++i) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, quint16(port));
        if (s.waitForConnected(100)) return true;
        QThread::msleep(100);
    }
    return false;
}

const QByteArray kMkcol =
    "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" "
    "xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype><D:collection/>"
    "<C:addressbook/></D:resourcetype></D:prop></D:set></D:mkcol>";

double seconds(const QElapsedTimer &t) {
    return double(t.nsecsElapsed()) / 1e9;
}

void vdirsyncer(const QString &folder, int port) {
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("vdirsyncer"));
    if (tool.isEmpty()) {
        std::printf("vdirsyncer: not installed, not compared\n");
        return;
    }
    // A folder of cards, synced with an address book "vd" that vdirsyncer creates.
    QDir(folder).mkpath(QStringLiteral("vdir/vd"));
    for (int i = 0; i < kContacts; ++i) {
        QFile f(folder + QStringLiteral("/vdir/vd/v%1.vcf").arg(i));
        f.open(QIODevice::WriteOnly);
        f.write(CardRecord::newCard(contact(QStringLiteral("Cartella"), i),
                                    QStringLiteral("v%1").arg(i)));
    }
    QFile config(folder + QStringLiteral("/vdirsyncer.conf"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[general]\nstatus_path = \"%1/status/\"\n\n"
                                "[pair rubrica]\na = \"locale\"\nb = \"server\"\n"
                                "collections = [\"vd\"]\n\n"
                                "[storage locale]\ntype = \"filesystem\"\npath = \"%1/vdir/\"\n"
                                "fileext = \".vcf\"\n\n"
                                "[storage server]\ntype = \"carddav\"\n"
                                "url = \"http://127.0.0.1:%2/anna/\"\nusername = \"anna\"\n"
                                "password = \"segreta\"\n")
                     .arg(folder)
                     .arg(port)
                     .toUtf8());
    config.close();
    auto run = [&](const QStringList &args, const char *what) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        QElapsedTimer t;
        t.start();
        p.start(tool, QStringList{QStringLiteral("-c"), config.fileName()} + args);
        p.write("y\ny\ny\n");
        p.closeWriteChannel();
        p.waitForFinished(600000);
        const double s = seconds(t);
        if (p.exitCode() != 0)
            std::printf("vdirsyncer %s failed:\n%s\n", what, p.readAll().right(600).constData());
        else
            std::printf("vdirsyncer: %-34s %8.2f s\n", what, s);
    };
    run({QStringLiteral("discover")}, "discover");
    run({QStringLiteral("sync")}, "first sync, 1,000 one way");
    run({QStringLiteral("sync")}, "sync with nothing changed");
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);  // each figure as soon as it is measured
    QTemporaryDir dir;
    const QString root = dir.path();
    if (QStandardPaths::findExecutable(QStringLiteral("radicale")).isEmpty()) {
        std::printf("radicale is not installed\n");
        return 1;
    }
    const int port = freePort();
    QProcess::execute(
        QStringLiteral("htpasswd"),
        {QStringLiteral("-B"), QStringLiteral("-b"), QStringLiteral("-c"),
         root + QStringLiteral("/users"), QStringLiteral("anna"), QStringLiteral("segreta")});
    QFile config(root + QStringLiteral("/config"));
    config.open(QIODevice::WriteOnly);
    config.write(QStringLiteral("[server]\nhosts = 127.0.0.1:%1\n[auth]\ntype = htpasswd\n"
                                "htpasswd_filename = %2/users\nhtpasswd_encryption = bcrypt\n"
                                "[storage]\nfilesystem_folder = %2/store\n"
                                "[logging]\nlevel = warning\n")
                     .arg(port)
                     .arg(root)
                     .toUtf8());
    config.close();
    QProcess radicale;
    radicale.start(QStringLiteral("radicale"), {QStringLiteral("--config"), config.fileName()});
    if (!waitForPort(port)) {
        std::printf("radicale did not start\n");
        return 1;
    }
    const QUrl book(QStringLiteral("http://127.0.0.1:%1/anna/rubrica/").arg(port));
    DavClient client;
    client.setCredentials(QStringLiteral("anna"), QStringLiteral("segreta"));
    client.setOrigin(book);
    client.send("MKCOL", book, kMkcol);
    CardDavServer server(client);
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < kContacts; ++i) {
        const QString uid = QStringLiteral("s%1").arg(i);
        server.put(book.resolved(QUrl(uid + QStringLiteral(".vcf"))),
                   CardRecord::newCard(contact(QStringLiteral("Server"), i), uid), {});
    }
    std::printf("seeding 1,000 cards on the server (one PUT each): %.2f s\n", seconds(t));

    ArchiveStore store(root);
    store.appendRecords([](const ArchiveStore::RecordWriter &write, QString &) {
        for (int i = 0; i < kContacts; ++i)
            if (!write(contact(QStringLiteral("Archivio"), i))) return false;
        return true;
    });

    auto sync = [&](const char *what) {
        SyncSession session(store, client, book);
        const int before = client.requestCount();
        QElapsedTimer timer;
        timer.start();
        const auto outcome = session.run({}, {});
        const double s = seconds(timer);
        std::printf("cartaflex: %-34s %8.3f s, %5d requests  %s%s\n", what, s,
                    client.requestCount() - before, qPrintable(session.summary().text()),
                    outcome == SyncSession::Outcome::Done ? "" : qPrintable(session.error()));
    };
    sync("first sync, 1,000 each way");
    sync("sync with nothing changed");
    sync("sync with nothing changed, again");
    std::printf("archive: %d contacts\n", store.recordCount());

    vdirsyncer(root, port);
    radicale.kill();
    radicale.waitForFinished();
    return 0;
}
