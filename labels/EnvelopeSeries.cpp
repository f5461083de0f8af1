#include "labels/EnvelopeSeries.h"

#include "envelopes/EnvelopePrinter.h"
#include "labels/RecipientLines.h"
#include "printing/JoinedPageDevice.h"
#include "printing/PrinterPage.h"

void EnvelopeSeries::setRecipient(EnvelopeContent &content, const ContactRecord &record) {
    using C = EnvelopeContent;
    const auto value = [&record](ContactRecord::Field f) {
        return ContactRecord::trimBlanks(record.value(f));
    };
    content.recipient[C::RTitolo] = value(ContactRecord::Titolo);
    content.recipient[C::RSottotitolo] = value(ContactRecord::Sottotitolo);
    content.recipient[C::RIndirizzo] = value(ContactRecord::Indirizzo);
    content.recipient[C::RCitta] = value(ContactRecord::Citta);
}

SeriesResult EnvelopeSeries::run(PrinterPage &page, ArchiveStore &store,
                                 const ContactSelection &selection, const EnvelopeContent &base,
                                 int printable, const ProgressCallback &progress) {
    SeriesResult result;
    const std::shared_ptr<PageDevice> target = page.sharedDevice();
    if (!target) {
        result.ok = false;
        result.error = QStringLiteral("Nessuna stampante installata");
        return result;
    }
    page.setDevice(std::make_shared<JoinedPageDevice>(target));
    EnvelopeContent content = base;
    const bool read = selection.forEach(store, [&](int, const ContactRecord &record) {
        if (!RecipientLines::hasAddress(record)) return true;
        if (progress && !progress({result.pages + 1, printable})) {
            result.cancelled = true;
            return false;
        }
        ++result.pages;
        setRecipient(content, record);
        if (!EnvelopePrinter::print(content, page)) {
            result.ok = false;
            return false;
        }
        ++result.printed;
        return true;
    });
    if (!page.finishJob()) result.ok = false;
    if (!result.ok) result.error = page.errorString();
    page.clearError();
    page.setDevice(target);
    if (!read && result.ok) {
        result.ok = false;
        result.error = store.errorString();
    }
    return result;
}
