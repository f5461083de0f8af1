#pragma once

#include <QImage>
#include <QList>
#include <functional>

#include "printing/PageDevice.h"

// A page device that keeps every operation, page and document: the preview records a
// printout with it before painting the pages, and tests read what it kept. Text is measured
// as a 1440-dpi device measures it, so positions match what a printer would give.
class RecordingPageDevice : public PageDevice {
public:
    struct Document {
        int orientation = 1;
        Paper paper;
        QList<QList<PageOp>> pages;  // at least one page
    };

    // The printable area, in twips, of a portrait page (A4 by default, no margins).
    explicit RecordingPageDevice(QSizeF portraitTwips = QSizeF(11906, 16838));

    bool beginDocument(int orientation) override;
    void draw(const PageOp &op) override;
    void newPage() override;
    bool endDocument() override;
    void setPaper(const Paper &paper) override { m_paper = paper; }
    QSizeF printableTwips(int orientation) const override;
    QSizeF textSizeTwips(const QString &text, const PageFont &font) const override;
    QString name() const override { return QStringLiteral("Registratore"); }
    QString errorString() const override { return m_error; }

    // The printable area follows the paper: the portrait area, in twips, of each paper
    // (as a print queue or a PDF file would give it).
    using PrintableOf = std::function<QSizeF(const Paper &paper)>;
    void setPrintableOf(PrintableOf printableOf) { m_printableOf = std::move(printableOf); }

    // Makes beginDocument fail (a printer that is not there).
    void setFailing(bool failing, const QString &why = QStringLiteral("stampante non disponibile"));

    QList<Document> documents;  // ended documents
    bool documentOpen() const { return m_open; }
    // Every recorded operation of ended and open documents, in order.
    QList<PageOp> operations() const;
    QList<PageOp> texts() const;
    QList<PageOp> lines() const;
    QList<PageOp> pictures() const;
    int pageCount() const;
    void clear();

private:
    QSizeF m_portrait;
    Paper m_paper;
    PrintableOf m_printableOf;
    QImage m_measure;
    Document m_current;
    bool m_open = false;
    bool m_failing = false;
    QString m_error;
};
