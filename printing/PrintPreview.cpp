#include "printing/PrintPreview.h"

#include <QMap>
#include <memory>

#include "platform/PrintSystem.h"
#include "printing/PrinterPage.h"
#include "printing/RecordingPageDevice.h"
#include "printing/Twips.h"

namespace {

QSizeF paperTwips(const Paper &paper) {
    const QSizeF mm =
        paper.printersOwn || paper.millimetres.isEmpty() ? QSizeF(210, 297) : paper.millimetres;
    return QSizeF(Twips::fromMm(mm.width()).value(), Twips::fromMm(mm.height()).value());
}

}  // namespace

bool PrintPreview::record(const PrintTarget &target, const PrintToTarget::Job &job) {
    m_pages.clear();
    PrinterPage &page = PrinterPage::printer();
    auto recorder = std::make_shared<RecordingPageDevice>();
    if (target.isPdf()) {
        recorder->setPrintableOf(paperTwips);
    } else {
        if (!PrintSystem::instance().hasQueue(target.queue)) return false;
        // The queue's printable area for each paper, asked once.
        auto cache = std::make_shared<QMap<QString, QSizeF>>();
        const QString queue = target.queue;
        recorder->setPrintableOf([cache, queue](const Paper &paper) {
            const QString key = paper.printersOwn ? QStringLiteral("own")
                                                  : QStringLiteral("%1x%2")
                                                        .arg(paper.millimetres.width())
                                                        .arg(paper.millimetres.height());
            auto it = cache->find(key);
            if (it == cache->end()) {
                const std::shared_ptr<PageDevice> d = PrintSystem::instance().queueDevice(queue);
                d->setPaper(paper);
                it = cache->insert(key, d->printableTwips(1));
            }
            return *it;
        });
    }
    page.clearError();
    page.setDevice(recorder);
    job(page);
    page.finishJob();
    page.clearError();
    page.useCurrentPrinter();
    for (const RecordingPageDevice::Document &d : recorder->documents) {
        recorder->setPaper(d.paper);
        const QSizeF size = recorder->printableTwips(d.orientation);
        for (const QList<PageOp> &ops : d.pages) m_pages.append(Page{size, ops});
    }
    return true;
}
