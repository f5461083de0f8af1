#pragma once

#include <QSizeF>
#include <QString>

#include "printing/PageOp.h"
#include "printing/Paper.h"

// Where the printer page draws: a real print queue or PDF file, or a recorder (the preview, tests).
// The printer page calls beginDocument before the first operation of a document and
// endDocument at EndDoc; between them newPage ends one page and starts the next.
class PageDevice {
public:
    virtual ~PageDevice() = default;

    // Portrait (1) or landscape (2); false and an error text when the device fails.
    virtual bool beginDocument(int orientation) = 0;
    virtual void draw(const PageOp &op) = 0;
    virtual void newPage() = 0;
    virtual bool endDocument() = 0;
    // Ends the whole job (a PDF file collecting several documents is closed).
    virtual bool finish() { return true; }

    // The paper of the documents that follow (the printable area depends on it).
    virtual void setPaper(const Paper &paper) { (void)paper; }
    // The printable area, in twips, for an orientation.
    virtual QSizeF printableTwips(int orientation) const = 0;
    // Width and height of a text in twips.
    virtual QSizeF textSizeTwips(const QString &text, const PageFont &font) const = 0;
    virtual QString name() const = 0;
    virtual QString errorString() const { return QString(); }
};
