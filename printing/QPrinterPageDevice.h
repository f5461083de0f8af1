#pragma once

#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <memory>
#include <vector>

#include "printing/PageDevice.h"

// Draws on a QPrinter: a CUPS print queue by name (each document a job of its own) or a
// PDF file (every document of the job appended as further pages of the same file).
class QPrinterPageDevice : public PageDevice {
public:
    static QPrinterPageDevice forQueue(const QString &queueName);
    static QPrinterPageDevice forPdf(const QString &filePath);

    QPrinterPageDevice(QPrinterPageDevice &&) = default;
    ~QPrinterPageDevice() override;

    bool beginDocument(int orientation) override;
    void draw(const PageOp &op) override;
    void newPage() override;
    bool endDocument() override;
    bool finish() override;
    void setPaper(const Paper &paper) override;
    QSizeF printableTwips(int orientation) const override;
    QSizeF textSizeTwips(const QString &text, const PageFont &font) const override;
    QString name() const override { return m_name; }
    QString errorString() const override { return m_error; }

    bool isPdf() const { return m_pdf; }
    int documentsPrinted() const { return m_documents; }

private:
    QPrinterPageDevice() = default;
    void configure(int orientation) const;

    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPainter> m_painter;
    QPageSize m_paperSize;
    QString m_name;
    bool m_pdf = false;
    bool m_pageHasInk = false;
    int m_documents = 0;
    QString m_error;
    // The metrics of the fonts measured last: a sheet measures the same few fonts again
    // and again while its texts are fitted.
    struct Measured {
        PageFont font;
        int resolution = 0;
        QFontMetricsF metrics;
    };
    static constexpr std::size_t kFontsKept = 4;
    mutable std::vector<Measured> m_measured;
};
