// The contact list over a 100,000-record archive: opening (the archive read into the
// list's model), each key typed into the filter ("niccolo forli" one letter at a time,
// then deleted again), sorting by a column, and the memory the program holds afterwards.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <ctime>

#include "archive/ContactRecord.h"
#include "contactlist/ContactListModel.h"

namespace {

constexpr int kRecords = 100000;
constexpr int kRuns = 5;

const char *const kSurnames[] = {"Rossi",   "Bianchi", "Ferrari", "Esposito", "Romano", "Colombo",
                                 "Ricci",   "Marino",  "Greco",   "Bruno",    "Gallo",  "Conti",
                                 "De Luca", "Mancini", "Costa",   "Giordano", "Rizzo",  "Lombardi"};
const char *const kNames[] = {"Mario", "Luca",  "Anna",  "Giulia", "Niccolò", "Paola",  "Andrea",
                              "Sara",  "Marta", "Paolo", "Elena",  "Nicola",  "Rosaria"};
const char *const kTowns[] = {"Roma",    "Milano", "Napoli", "Torino", "Forlì", "Città di Castello",
                              "Bologna", "Rimini", "Cesena", "Ravenna"};
const char *const kTrades[] = {"Avvocato",        "Commercialista",      "Architetto", "Idraulico",
                               "Medico dentista", "Agenzia immobiliare", "Ferramenta"};

template <size_t N>
QString pick(const char *const (&list)[N], QRandomGenerator &rng) {
    return QString::fromUtf8(list[rng.bounded(int(N))]);
}

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    return v.at(v.size() / 2);
}

// Wall time and this thread's processor time of a step: on a shared machine the second
// says what the step costs, the first what the user waited.
struct Timer {
    QElapsedTimer wall;
    double cpuStart = 0;
    static double cpuNow() {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
    }
    void start() {
        wall.start();
        cpuStart = cpuNow();
    }
    double cpu() const { return cpuNow() - cpuStart; }
};

double ms(const Timer &t) {
    return double(t.wall.nsecsElapsed()) / 1e6;
}

// The resident memory of this process, in MiB.
double residentMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    {
        QRandomGenerator rng(20261210);
        QFile f(dir.filePath(QStringLiteral("Contatti.edb")));
        if (!f.open(QIODevice::WriteOnly)) return 1;
        for (int i = 0; i < kRecords; ++i) {
            ContactRecord r;
            r.setValue(ContactRecord::Titolo, pick(kSurnames, rng) + u' ' + pick(kNames, rng));
            r.setValue(ContactRecord::Sottotitolo, pick(kTrades, rng));
            r.setValue(ContactRecord::Indirizzo, QStringLiteral("Via Garibaldi, %1").arg(i % 300));
            r.setValue(ContactRecord::Citta, pick(kTowns, rng));
            r.setValue(ContactRecord::Iva, QStringLiteral("%1").arg(i, 11, 10, QLatin1Char('0')));
            r.setValue(ContactRecord::Tel, QStringLiteral("0543 %1").arg(rng.bounded(1000000)));
            r.setValue(ContactRecord::Cel, QStringLiteral("333 %1").arg(rng.bounded(10000000)));
            r.setValue(ContactRecord::Email, QStringLiteral("contatto%1@esempio.it").arg(i));
            r.setValue(ContactRecord::Logo01, QStringLiteral("C:\\Loghi\\logo%1.bmp").arg(i % 50));
            if (f.write(r.encode()) != ContactRecord::kRecordLength) return 1;
        }
    }
    const double before = residentMiB();

    QList<double> open, sort, openCpu, sortCpu, keysCpu;
    double slowestKey = 0, slowestKeyCpu = 0;
    QString slowestText;
    QList<double> keys;
    int shown = 0;
    for (int run = 0; run < kRuns; ++run) {
        ContactListModel model(dir.path());
        Timer t;
        t.start();
        model.reload();
        open << ms(t);
        openCpu << t.cpu();

        const QString typed = QStringLiteral("niccolo forli");
        for (int n = 1; n <= typed.size(); ++n) {
            t.start();
            model.setFilterText(typed.left(n));
            const double k = ms(t);
            keys << k;
            keysCpu << t.cpu();
            slowestKey = std::max(slowestKey, k);
            if (t.cpu() > slowestKeyCpu) slowestText = typed.left(n);
            slowestKeyCpu = std::max(slowestKeyCpu, t.cpu());
        }
        shown = model.shownCount();
        for (int n = typed.size() - 1; n >= 0; --n) {
            t.start();
            model.setFilterText(typed.left(n));
            const double k = ms(t);
            keys << k;
            keysCpu << t.cpu();
            slowestKey = std::max(slowestKey, k);
            if (t.cpu() > slowestKeyCpu) slowestText = typed.left(n);
            slowestKeyCpu = std::max(slowestKeyCpu, t.cpu());
        }
        t.start();
        model.sort(ListColumns::Titolo, run % 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
        sort << ms(t);
        sortCpu << t.cpu();
    }
    ContactListModel kept(dir.path());
    kept.reload();
    kept.sort(ListColumns::Citta);
    kept.setFilterText(QStringLiteral("rossi"));
    const double after = residentMiB();

    std::printf("contact list, %d contacts (%d runs, medians)\n", kRecords, kRuns);
    std::printf("  (wall time; processor time of the thread in brackets)\n");
    std::printf("  open (read into the model)   %8.1f ms (%.1f)   (limit 500)\n", median(open),
                median(openCpu));
    std::printf(
        "  key typed in the filter      %8.1f ms (%.1f) median, %.1f ms (%.1f) slowest"
        "   (limit 50)\n",
        median(keys), median(keysCpu), slowestKey, slowestKeyCpu);
    std::printf("  slowest key on the filter    \"%s\"\n", qPrintable(slowestText));
    std::printf("  \"niccolo forli\" keeps        %8d contacts\n", shown);
    std::printf("  sort by name                 %8.1f ms (%.1f)   (limit 300)\n", median(sort),
                median(sortCpu));
    std::printf("  memory: %.1f MiB before, %.1f MiB with the list open   (limit 150)\n", before,
                after);
    return 0;
}
