// The archive window's record operations (browse to the last record, save a new contact,
// save the shown contact, delete the shown contact after its confirmation) on archives
// of growing size, plus the VAT check and the mailto builder per call.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "archive/ArchiveStore.h"
#include "archive/ContactEditor.h"
#include "archive/MailtoBuilder.h"
#include "archive/PositionLabel.h"
#include "support/ScriptedPlatform.h"
#include "vat/VatCheck.h"

namespace {

double best(int runs, const std::function<double()> &f) {
    double b = 1e99;
    for (int i = 0; i < runs; ++i) b = std::min(b, f());
    return b;
}

void writeArchive(const QString &path, int records) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    QByteArray block;
    for (int i = 0; i < records; ++i) {
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Contatto %1").arg(i));
        r.setValue(ContactRecord::Email, QStringLiteral("c%1@esempio.it").arg(i));
        block += r.encode();
        if (block.size() > (1 << 20)) {
            f.write(block);
            block.clear();
        }
    }
    f.write(block);
}

double timed(const std::function<void()> &f) {
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    auto *platform = new ScriptedPlatform;
    Platform::install(platform);
    for (int records : {1000, 10000, 100000}) {
        QTemporaryDir dir;
        ArchiveStore store(dir.path());
        writeArchive(store.archivePath(), records);
        ContactEditor editor(store);
        ContactRecord r;
        r.setValue(ContactRecord::Titolo, QStringLiteral("Nuovo contatto"));

        const double last = best(5, [&] {
            return timed([&] { store.navigateTo(ArchiveStore::Direction::Last, QString()); });
        });
        const double add = best(5, [&] { return timed([&] { editor.save(QString(), r); }); });
        const QString shown = PositionLabel::text(records / 2);
        const double change = best(5, [&] { return timed([&] { editor.save(shown, r); }); });
        const double remove =
            best(3, [&] { return timed([&] { editor.remove(PositionLabel::text(1)); }); });
        std::printf(
            "%6d records: last %.3f ms, save new %.3f ms, save shown %.3f ms, "
            "delete record 1 %.2f ms\n",
            records, last, add, change, remove);
    }
    const int calls = 100000;
    const double vat = timed([&] {
        for (int i = 0; i < calls; ++i) VatCheck::run(QStringLiteral("12345670017"));
    });
    const double mail = timed([&] {
        for (int i = 0; i < calls; ++i)
            BuildMailto(QStringLiteral("info@rossi.it"), QStringLiteral("Cartaflex 2.0"),
                        QStringLiteral("Spett.le Rossi Srl,\r\nriga due & tre"), QString(),
                        QString());
    });
    std::printf("VAT check %.2f us a call, mailto build %.2f us a call\n", vat * 1000 / calls,
                mail * 1000 / calls);
    return 0;
}
