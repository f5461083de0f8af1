// cards: card sheets from the terminal, through the card print job and the form printer.
#include <memory>

#include "archive/ArchiveColours.h"
#include "archive/ArchiveStore.h"
#include "archive/SettingsFile.h"
#include "cards/CardContent.h"
#include "cards/CardPicture.h"
#include "cards/CardPrintJob.h"
#include "cards/CardTexts.h"
#include "cli/CliIo.h"
#include "cli/CliRecord.h"
#include "cli/CliRegistry.h"
#include "cli/FieldAssignments.h"
#include "printing/PrintTarget.h"
#include "printing/PrinterList.h"
#include "printing/PrinterPage.h"

namespace {

struct Options {
    CardFormat format = CardFormat::SmallLogo;
    int record = 0;
    int pages = 1;
    QString logo;
    bool hasLogo = false;
    QList<std::pair<ContactRecord::Field, QString>> fields;
    QString pdf;
    QString queue;
    CardPrintJob::Range range;
    bool hasCount = false;
};

// A whole number of at most `digits` digits, without sign; -1 when it is not one.
int wholeNumber(const QString &v, int digits) {
    if (v.isEmpty() || v.size() > digits) return -1;
    for (QChar c : v)
        if (c < u'0' || c > u'9') return -1;
    return v.toInt();
}

// Parses the arguments; returns 0 when they are sound, else the usage status.
int parse(const QStringList &args, Options &o) {
    if (args.isEmpty())
        return CliIo::usage(QStringLiteral("cards vuole il formato (card01 … card04)"));
    const auto format = CardFormats::fromTag(args.first());
    if (!format) return CliIo::usage(QStringLiteral("formato sconosciuto: ") + args.first());
    o.format = *format;
    QStringList assignments;
    for (int i = 1; i < args.size(); ++i) {
        const QString &a = args[i];
        auto value = [&](QString &into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--record")) {
            if (!value(v) || (o.record = FieldAssignments::recordNumber(v)) == 0)
                return CliIo::usage(QStringLiteral("--record vuole un numero di scheda"));
        } else if (a == QLatin1String("--pages")) {
            bool ok = false;
            if (!value(v) || v.isEmpty() || v.size() > 3 || (o.pages = v.toInt(&ok), !ok) ||
                o.pages < 0 || v.contains(u'+') || v.contains(u'-'))
                return CliIo::usage(QStringLiteral("--pages vuole un numero da 0 a 999"));
        } else if (a == QLatin1String("--first")) {
            if (!value(v)) return CliIo::usage(QStringLiteral("--first vuole un numero"));
            o.range.first = wholeNumber(v, 3);
            if (o.range.first < 0) o.range.first = 0;  // refused below with the message
        } else if (a == QLatin1String("--count")) {
            if (!value(v)) return CliIo::usage(QStringLiteral("--count vuole un numero"));
            o.range.count = wholeNumber(v, 5);
            o.hasCount = true;
        } else if (a == QLatin1String("--logo")) {
            if (!value(o.logo)) return CliIo::usage(QStringLiteral("--logo vuole un file"));
            o.hasLogo = true;
        } else if (a == QLatin1String("--pdf")) {
            if (!value(o.pdf) || o.pdf.isEmpty())
                return CliIo::usage(QStringLiteral("--pdf vuole un file"));
        } else if (a == QLatin1String("--printer")) {
            if (!value(o.queue) || o.queue.isEmpty())
                return CliIo::usage(QStringLiteral("--printer vuole il nome di una stampante"));
        } else if (a.startsWith(QLatin1String("--"))) {
            return CliIo::usage(QStringLiteral("opzione sconosciuta: ") + a);
        } else {
            assignments << a;
        }
    }
    if (o.pdf.isEmpty() == o.queue.isEmpty())
        return CliIo::usage(QStringLiteral("cards vuole --pdf FILE oppure --printer NOME"));
    QString bad;
    if (!FieldAssignments::parse(assignments, o.fields, bad))
        return CliIo::usage(QStringLiteral("assegnazione non valida: ") + bad);
    for (const auto &[f, text] : o.fields)
        if (!CardTexts::hasBox(o.format, f))
            return CliIo::usage(QStringLiteral("il formato %1 non ha il campo %2")
                                    .arg(CardFormats::tag(o.format), ContactRecord::fieldName(f)));
    if (o.hasLogo && !CardFormats::hasLogo(o.format))
        return CliIo::usage(
            QStringLiteral("il formato %1 non ha il logo").arg(CardFormats::tag(o.format)));
    return 0;
}

ContactRecord::Field logoField(CardFormat f) {
    if (f == CardFormat::Medium) return ContactRecord::Logo02;
    if (f == CardFormat::Large) return ContactRecord::Logo03;
    return ContactRecord::Logo01;
}

int cards(const QStringList &args) {
    Options o;
    if (const int status = parse(args, o)) return status;
    if (o.hasCount && o.range.count < 1)
        return CliIo::fail(QStringLiteral("Il numero di biglietti deve essere almeno 1."));
    const QString badRange = CardPrintJob::rangeError(o.format, o.range);
    if (!badRange.isEmpty()) return CliIo::fail(badRange);

    CardContent content = CardContent::designState(o.format);
    const ArchiveColours::Pair colours = ArchiveColours::read(SettingsFile());
    content.titleColor = colours.title;
    content.subtitleColor = colours.subtitle;

    if (o.record > 0) {
        ArchiveStore store;
        ContactRecord record;
        if (const int status =
                CliRecord::read(store, o.record, record, CliRecord::Empty::EmptyArchive))
            return status;
        // As browsing: the logo goes blank, then the record's picture is loaded.
        if (CardFormats::hasLogo(o.format)) {
            content.logo = CardPicture::blank();
            const QString path = ContactRecord::trimBlanks(record.value(logoField(o.format)));
            if (const auto picture = CardPicture::load(path)) content.logo = *picture;
        }
        for (const auto &[f, text] : CardTexts::fromRecord(record, o.format))
            content.texts[f] = text;
    }
    for (const auto &[f, text] : o.fields) content.texts[f] = text;
    if (o.hasLogo) {
        const auto picture = CardPicture::load(o.logo);
        if (!picture)
            CliIo::err(
                QStringLiteral("Attenzione: %1 non è un'immagine leggibile; il logo resta bianco.")
                    .arg(o.logo));
        content.logo = picture ? *picture : CardPicture::blank();
    }

    if (o.pdf.isEmpty() && !PrinterList::contains(o.queue))
        return CliIo::fail(PrintToTarget::failureText());
    PrintToTarget print;
    const bool ok =
        print.run(o.pdf.isEmpty() ? PrintTarget::toQueue(o.queue) : PrintTarget::toPdf(o.pdf),
                  [&](PrinterPage &page) {
                      CardPrintJob job;
                      return job.run(page, o.format, content, o.pages, o.range);
                  });
    if (!ok) return CliIo::fail(PrintToTarget::failureText());
    return 0;
}

const CliRegistry::Entry kCards(
    "cards",
    "cards card01|card02|card03|card04 [--record N] [--pages P] [--first K] [--count C] "
    "[--logo FILE] [CAMPO=VALORE...] (--pdf FILE | --printer NOME)",
    cards);

}  // namespace
