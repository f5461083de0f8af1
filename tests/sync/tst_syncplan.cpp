#include <QTest>

#include "contactfiles/DuplicateIndex.h"
#include "sync/CardMerge.h"
#include "sync/CardRecord.h"
#include "sync/Multistatus.h"
#include "sync/SyncPlan.h"

namespace {

ContactRecord contact(const QString &name, const QString &town, const QString &tel = {}) {
    ContactRecord r;
    r.setValue(ContactRecord::Titolo, name);
    r.setValue(ContactRecord::Citta, town);
    r.setValue(ContactRecord::Tel, tel);
    return CardRecord::synced(r);
}

SyncEntry entryOf(const ContactRecord &r, const QString &href) {
    SyncEntry e;
    e.href = href;
    e.etag = "\"1\"";
    e.fingerprint = CardRecord::fingerprint(r);
    e.vatKey = DuplicateIndex::vatFingerprint(r);
    e.nameKey = DuplicateIndex::nameFingerprint(r);
    return e;
}

// "Kind:name" for every action, in order.
QStringList actionsOf(const SyncPlan &plan) {
    static const char *names[] = {"PushNew",    "PushUpdate", "PushDelete", "PullNew", "PullUpdate",
                                  "PullDelete", "Link",       "Forget",     "Conflict"};
    QStringList out;
    for (const SyncAction &a : plan.actions)
        out << QString::fromLatin1(names[a.kind]) + u':' +
                   (a.local.titolo().isEmpty() ? a.server.titolo() : a.local.titolo());
    return out;
}

}  // namespace

class TestSyncPlan : public QObject {
    Q_OBJECT
private slots:
    // One contact synced last time, then changed, deleted or left on each side.
    void perContact_data() {
        QTest::addColumn<QString>("local");   // same, changed, deleted
        QTest::addColumn<QString>("remote");  // same, changed, gone, same-content
        QTest::addColumn<QString>("action");
        QTest::newRow("nothing") << "same"
                                 << "same"
                                 << "";
        QTest::newRow("changed here") << "changed"
                                      << "same"
                                      << "PushUpdate:Rossi";
        QTest::newRow("deleted here") << "deleted"
                                      << "same"
                                      << "PushDelete:";
        QTest::newRow("changed there") << "same"
                                       << "changed"
                                       << "PullUpdate:Rossi";
        QTest::newRow("both, differently") << "changed"
                                           << "changed"
                                           << "Conflict:Rossi";
        QTest::newRow("both, alike") << "changed"
                                     << "changed-alike"
                                     << "Link:Rossi";
        QTest::newRow("deleted here, changed there") << "deleted"
                                                     << "changed"
                                                     << "PullNew:Rossi";
        QTest::newRow("gone there") << "same"
                                    << "gone"
                                    << "PullDelete:Rossi";
        QTest::newRow("changed here, gone there") << "changed"
                                                  << "gone"
                                                  << "PushNew:Rossi";
        QTest::newRow("gone on both") << "deleted"
                                      << "gone"
                                      << "Forget:";
        QTest::newRow("new ETag, same content") << "same"
                                                << "same-content"
                                                << "Link:Rossi";
    }
    void perContact() {
        QFETCH(QString, local);
        QFETCH(QString, remote);
        QFETCH(QString, action);
        const ContactRecord synced = contact(QStringLiteral("Rossi"), QStringLiteral("Roma"), "1");
        const ContactRecord mine = contact(QStringLiteral("Rossi"), QStringLiteral("Roma"), "2");
        const ContactRecord theirs = contact(QStringLiteral("Rossi"), QStringLiteral("Roma"), "3");
        SyncInput in;
        in.entries << entryOf(synced, QStringLiteral("/r.vcf"));
        if (local != QLatin1String("deleted"))
            in.archive << (local == QLatin1String("changed") ? mine : synced);
        in.remote << (remote == QLatin1String("gone")   ? SyncInput::Remote::Gone
                      : remote == QLatin1String("same") ? SyncInput::Remote::Unchanged
                                                        : SyncInput::Remote::Changed);
        if (remote.startsWith(QLatin1String("changed")) || remote == QLatin1String("same-content"))
            in.cards << SyncInput::Card{QStringLiteral("/r.vcf"), "\"2\"",
                                        remote == QLatin1String("changed")         ? theirs
                                        : remote == QLatin1String("changed-alike") ? mine
                                                                                   : synced,
                                        0};
        in.serverCount = 100;
        const SyncPlan plan = SyncPlan::build(in, SyncPlan::pair(in.entries, in.archive));
        QCOMPARE(actionsOf(plan).join(u' '), action);
    }

    // First sync, a lost state, a restored backup: contacts on both sides are matched by
    // the import's rule (same Partita IVA, or same name and town), never doubled.
    void matchByContent_data() {
        QTest::addColumn<QStringList>("archive");  // name|town|tel
        QTest::addColumn<QStringList>("server");
        QTest::addColumn<QStringList>("actions");
        QTest::newRow("same on both") << QStringList{"Rossi|Roma|1"} << QStringList{"Rossi|Roma|1"}
                                      << QStringList{"Link:Rossi"};
        QTest::newRow("same name and town, other phone")
            << QStringList{"Rossi|Roma|1"} << QStringList{"rossi|roma|2"}
            << QStringList{"Conflict:Rossi"};
        QTest::newRow("same name, other town")
            << QStringList{"Rossi|Roma|1"} << QStringList{"Rossi|Bari|1"}
            << QStringList{"PushNew:Rossi", "PullNew:Rossi"};
        QTest::newRow("one side each") << QStringList{"Bianchi|Roma|"} << QStringList{"Verdi|Roma|"}
                                       << QStringList{"PushNew:Bianchi", "PullNew:Verdi"};
    }
    void matchByContent() {
        QFETCH(QStringList, archive);
        QFETCH(QStringList, server);
        QFETCH(QStringList, actions);
        SyncInput in;
        for (const QString &a : archive)
            in.archive << contact(a.section(u'|', 0, 0), a.section(u'|', 1, 1),
                                  a.section(u'|', 2, 2));
        for (const QString &s : server)
            in.cards << SyncInput::Card{
                QStringLiteral("/x.vcf"), "\"1\"",
                contact(s.section(u'|', 0, 0), s.section(u'|', 1, 1), s.section(u'|', 2, 2)), -1};
        in.fullListing = true;
        in.serverCount = int(in.cards.size());
        const SyncPlan plan = SyncPlan::build(in, SyncPlan::pair(in.entries, in.archive));
        QCOMPARE(actionsOf(plan), actions);
    }

    // More than ten deletions, or more than a fifth of a side, or an empty listing where
    // contacts were: asked first.
    void deletionGuard_data() {
        QTest::addColumn<int>("contacts");
        QTest::addColumn<int>("goneThere");
        QTest::addColumn<bool>("asks");
        QTest::newRow("1 of 100") << 100 << 1 << false;
        QTest::newRow("10 of 100") << 100 << 10 << false;
        QTest::newRow("11 of 1000") << 1000 << 11 << true;
        QTest::newRow("21 of 100") << 100 << 21 << true;
        QTest::newRow("1 of 4") << 4 << 1 << true;
        QTest::newRow("all: empty listing") << 3 << 3 << true;
    }
    void deletionGuard() {
        QFETCH(int, contacts);
        QFETCH(int, goneThere);
        QFETCH(bool, asks);
        SyncInput in;
        for (int i = 0; i < contacts; ++i) {
            const ContactRecord r = contact(QStringLiteral("C%1").arg(i), QStringLiteral("Roma"));
            in.archive << r;
            in.entries << entryOf(r, QStringLiteral("/%1.vcf").arg(i));
            in.remote << (i < goneThere ? SyncInput::Remote::Gone : SyncInput::Remote::Unchanged);
        }
        in.fullListing = true;
        in.serverCount = contacts - goneThere;
        const SyncPlan plan = SyncPlan::build(in, SyncPlan::pair(in.entries, in.archive));
        QCOMPARE(plan.count(SyncAction::PullDelete), goneThere);
        QCOMPARE(plan.needsConfirmation, asks);
        if (goneThere == contacts)
            QVERIFY(plan.confirmation.contains(QStringLiteral("non elenca")));
    }

    // A change written into the server's card touches the changed fields' lines only.
    void mergeKeepsTheRest() {
        const QByteArray card =
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:abc\r\nFN:Rossi\r\nN:Rossi;Mario;;;\r\n"
            "item1.TEL;TYPE=WORK,VOICE:06 1\r\nTEL;TYPE=HOME:06 9\r\nPHOTO;ENCODING=b;TYPE=JPEG:"
            "AAAA\r\nX-ALTRO:x\r\nNOTE;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:vecchia\r\n"
            "END:VCARD\r\n";
        ContactRecord server;
        QVERIFY(CardRecord::fromCard(card, server));
        ContactRecord local = server;
        local.setValue(ContactRecord::Tel, QStringLiteral("06 2"));
        local.setValue(ContactRecord::Informazioni, QStringLiteral("nuova; sì"));
        local.setValue(ContactRecord::Email, QStringLiteral("r@x.it"));
        const QByteArray merged = CardMerge::merge(card, server, local);
        QCOMPARE(QString::fromUtf8(merged),
                 QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:abc\r\nFN:Rossi\r\n"
                                "N:Rossi;Mario;;;\r\nitem1.TEL;TYPE=WORK,VOICE:06 2\r\n"
                                "TEL;TYPE=HOME:06 9\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n"
                                "X-ALTRO:x\r\nNOTE:nuova\\; sì\r\nEMAIL;TYPE=INTERNET:r@x.it\r\n"
                                "END:VCARD\r\n"));
        ContactRecord back;
        QVERIFY(CardRecord::fromCard(merged, back));
        QCOMPARE(back, CardRecord::synced(local));
    }

    // Replies as servers write them: any prefix, properties only from 2xx propstats, a gone
    // card's own status; what is not a multistatus is refused.
    void multistatus_data() {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QString>("read");  // href etag status book name; ... | token, or !error
        QTest::newRow("sync report")
            << QByteArray(
                   "<?xml version='1.0'?><multistatus xmlns=\"DAV:\"><sync-token>t2</sync-token>"
                   "<response><href>/a/b%20c.vcf</href><propstat><prop><getetag>\"e1\"</getetag>"
                   "</prop><status>HTTP/1.1 200 OK</status></propstat></response><response>"
                   "<href>/a/x.vcf</href><status>HTTP/1.1 404 Not Found</status></response>"
                   "</multistatus>")
            << "/a/b c.vcf \"e1\" 200 0 ; /a/x.vcf  404 0  | t2";
        QTest::newRow("prefixed, 404 propstat ignored")
            << QByteArray(
                   "<d:multistatus xmlns:d=\"DAV:\" xmlns:card=\"urn:ietf:params:xml:ns:carddav\">"
                   "<d:response><d:href>/ab/</d:href><d:propstat><d:prop><d:resourcetype>"
                   "<d:collection/><card:addressbook/></d:resourcetype><d:displayname>Uff"
                   "</d:displayname></d:prop><d:status>HTTP/1.1 200 OK</d:status></d:propstat>"
                   "<d:propstat><d:prop><d:getetag>\"no\"</d:getetag></d:prop><d:status>"
                   "HTTP/1.1 404 Not Found</d:status></d:propstat></d:response></d:multistatus>")
            << "/ab/  200 1 Uff | ";
        QTest::newRow("not a multistatus")
            << QByteArray("<error xmlns=\"DAV:\"/>") << "!non è un elenco WebDAV";
        QTest::newRow("broken XML")
            << QByteArray("<multistatus xmlns=\"DAV:\"><response>") << "!non è XML valido";
        QTest::newRow("empty") << QByteArray() << "!vuota";
    }
    void multistatus() {
        QFETCH(QByteArray, xml);
        QFETCH(QString, read);
        Multistatus ms;
        const bool ok = ms.parse(xml);
        if (read.startsWith(u'!')) {
            QVERIFY(!ok);
            QVERIFY2(ms.error.contains(read.mid(1)), qPrintable(ms.error));
            return;
        }
        QVERIFY2(ok, qPrintable(ms.error));
        QStringList got;
        for (const DavResponse &r : ms.responses)
            got << QStringLiteral("%1 %2 %3 %4 %5")
                       .arg(r.href, QString::fromUtf8(r.etag))
                       .arg(r.status)
                       .arg(int(r.addressBook))
                       .arg(r.displayName);
        QCOMPARE(got.join(QStringLiteral("; ")) + QStringLiteral(" | ") + ms.syncToken, read);
    }
};

QTEST_GUILESS_MAIN(TestSyncPlan)
#include "tst_syncplan.moc"
