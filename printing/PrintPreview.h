#pragma once

#include <QList>
#include <QSizeF>

#include "printing/PageOp.h"
#include "printing/PrintTarget.h"

// The pages a printout would give on a target, recorded by running the same job on a
// recording device that measures and sizes its pages as the target does. Nothing is
// printed and no file is written.
class PrintPreview {
public:
    struct Page {
        QSizeF twips;  // the printable area
        QList<PageOp> operations;
    };

    // False (and no pages) when the queue is not there.
    bool record(const PrintTarget &target, const PrintToTarget::Job &job);
    const QList<Page> &pages() const { return m_pages; }

private:
    QList<Page> m_pages;
};
