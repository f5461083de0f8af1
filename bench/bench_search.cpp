// The contact search over a 100,000-record archive, by "Persona o azienda" with a
// two-word key, timed beside `grep -c -i` of one of the words over the same file.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

#include "archive/ArchiveStore.h"
#include "archive/ContactSearch.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kRuns = 7;

const char *const kSurnames[] = {"Rossi",   "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo",
                                 "Ricci",   "Marino",  "Greco",   "Bruno",    "Gallo",  "Conti",
                                 "De Luca", "Mancini", "Costa",   "Giordano", "Rizzo",  "Lombardi"};
const char *const kNames[] = {"Mario", "Luca",  "Anna",  "Giulia", "Marco",      "Paola",  "Andrea",
                              "Sara",  "Marta", "Paolo", "Elena",  "Mariangela", "Rosaria"};
const char *const kTowns[] = {"Roma",    "Milano", "Napoli", "Torino", "Forlì", "Città di Castello",
                              "Bologna", "Rimini", "Cesena", "Ravenna"};

template <size_t N>
QString pick(const char *const (&list)[N], QRandomGenerator &rng) {
    return QString::fromUtf8(list[rng.bounded(int(N))]);
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Contatti.edb"));
    {
        QRandomGenerator rng(20261209);
        QByteArray bytes;
        bytes.reserve(qint64(kRecords) * ContactRecord::kRecordLength);
        for (int i = 0; i < kRecords; ++i) {
            ContactRecord r;
            r.setValue(ContactRecord::Titolo, pick(kSurnames, rng) + u' ' + pick(kNames, rng));
            r.setValue(ContactRecord::Sottotitolo, QStringLiteral("Consulente n. %1").arg(i));
            r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi, %1").arg(i % 300));
            r.setValue(ContactRecord::Citta, pick(kTowns, rng));
            r.setValue(ContactRecord::Tel, QStringLiteral("0543 %1").arg(rng.bounded(1000000)));
            r.setValue(ContactRecord::Cel, QStringLiteral("333 %1").arg(rng.bounded(10000000)));
            r.setValue(ContactRecord::Email, QStringLiteral("contatto%1@esempio.it").arg(i));
            r.setValue(ContactRecord::Logo01, QStringLiteral("C:\\Loghi\\logo%1.bmp").arg(i % 50));
            bytes += r.encode();
        }
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    const QString key = QStringLiteral("ross mar");
    const QString word = QStringLiteral("ross");
    ArchiveStore store(dir.path());

    auto timeGrep = [&](const QString &locale, QString &output) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!locale.isEmpty()) env.insert(QStringLiteral("LC_ALL"), locale);
        QProcess grep;
        grep.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        grep.start(QStringLiteral("grep"),
                   {QStringLiteral("-c"), QStringLiteral("-i"), word, path});
        grep.waitForFinished(-1);
        const double ms = t.nsecsElapsed() / 1e6;
        output = QString::fromLocal8Bit(grep.readAllStandardOutput()).trimmed();
        return ms;
    };

    // Warm the page cache for both readers alike.
    QString grepOut;
    timeGrep(QString(), grepOut);
    ContactSearch::run(store, ContactRecord::Titolo, key);

    QList<double> searchMs, grepMs, grepCMs;
    int found = 0;
    QString grepCOut;
    for (int run = 0; run < kRuns; ++run) {
        QElapsedTimer t;
        t.start();
        const auto result = ContactSearch::run(store, ContactRecord::Titolo, key);
        searchMs << t.nsecsElapsed() / 1e6;
        found = int(result.hits.size());
        grepMs << timeGrep(QString(), grepOut);
        grepCMs << timeGrep(QStringLiteral("C"), grepCOut);
    }
    const double s = median(searchMs), g = median(grepMs), gc = median(grepCMs);
    std::printf("archive: %d records, %lld bytes\n", kRecords, (long long)QFile(path).size());
    std::printf("search \"Persona o azienda\" \"%s\": %d found, median %.1f ms (%d runs)\n",
                qPrintable(key), found, s, kRuns);
    std::printf("grep -c -i %s (locale of the session): output %s, median %.1f ms\n",
                qPrintable(word), qPrintable(grepOut), g);
    std::printf("grep -c -i %s (LC_ALL=C): output %s, median %.1f ms\n", qPrintable(word),
                qPrintable(grepCOut), gc);
    std::printf("ratio search/grep: %.2f (session locale), %.2f (C locale)\n", s / g, s / gc);
    return 0;
}
