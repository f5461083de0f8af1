#pragma once

// Folder printing/: the page engine and where a printout goes: the printer page, its
// page devices (QPrinter, recording, calibrated, joined), page operations and their
// painter, fonts, text and logo fitting, paper sizes, calibration, the printer list, the
// print targets (queue or PDF file) and the preview; the one print dialog with its
// preview, calibration and progress windows.

#include <QColor>
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "printing/Centimetres.h"
#include "printing/PageDevice.h"
#include "printing/PageFont.h"

// The program's page-drawing object: every printout (card sheets, envelopes, search
// lists, help topics) goes through it. Its state persists until changed, across jobs.
// Coordinates are measured from the top-left corner of the printable area in the
// current unit, x to the right and y downwards, offset by ScaleLeft.
class PrinterPage {
public:
    enum ScaleMode { Twips = 1, Centimeters = 7 };
    enum Orientation { Portrait = 1, Landscape = 2 };

    static constexpr double kTwipsPerCm = Centimetres(1).twips().value();

    // The one printer page of the program.
    static PrinterPage &printer();

    // The program's current printer: a print queue by name. Selecting one makes a new
    // device for it; false when no queue of that name is installed.
    QString currentPrinter() const { return m_currentPrinter; }
    bool selectPrinter(const QString &queueName);
    // Draw on another device (a PDF file, a recorder); the current printer name stays.
    void setDevice(std::shared_ptr<PageDevice> device);
    PageDevice *device();
    // The same device, shared (a series wraps it to join its documents into one job).
    std::shared_ptr<PageDevice> sharedDevice() {
        device();
        return m_device;
    }
    // Ends the job on the device (closes a PDF collecting several documents).
    bool finishJob();
    // Ends the job and goes back to the current printer's queue for what follows (after
    // a job sent to a PDF file with setDevice).
    void useCurrentPrinter();
    // True while a document has been started and not yet ended.
    bool documentOpen() const { return m_docOpen; }

    // How a device for a print queue is made (tests put a recorder behind queue names).
    using QueueDeviceFactory = std::function<std::shared_ptr<PageDevice>(const QString &queue)>;
    void setQueueDeviceFactory(QueueDeviceFactory factory) { m_queueFactory = std::move(factory); }
    // A new device for a print queue, with the current paper.
    std::shared_ptr<PageDevice> makeQueueDevice(const QString &queue) const;

    // The paper of the documents that follow (A4 until set).
    const Paper &paper() const { return m_paper; }
    void setPaper(const Paper &paper);

    int orientation() const { return m_orientation; }
    void setOrientation(int o) { m_orientation = (o == Landscape) ? Landscape : Portrait; }
    int scaleMode() const { return m_scaleMode; }
    void setScaleMode(int mode) { m_scaleMode = (mode == Centimeters) ? Centimeters : Twips; }
    double scaleLeft() const { return m_scaleLeft; }
    void setScaleLeft(double v) { m_scaleLeft = v; }
    double scaleWidth();
    double scaleHeight();

    double currentX() const { return m_currentX; }
    double currentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }

    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor &c) { m_foreColor = c; }
    bool fontTransparent() const { return m_fontTransparent; }
    void setFontTransparent(bool t) { m_fontTransparent = t; }
    PageFont &font() { return m_font; }
    void setFont(const PageFont &f) { m_font = f; }
    // Pen width for lines, in printer pixels at 600 dots per inch.
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int w) { m_drawWidth = w < 1 ? 1 : w; }

    // Draws the text with its top-left corner at the current point; afterwards CurrentX
    // is 0 and CurrentY one line lower (`newLine` false keeps the point after the text).
    // A line that would pass the bottom of the page goes to the top of a new page.
    void print(const QString &text, bool newLine = true);
    double textWidth(const QString &text);
    // The width of a text in another font, on this device, in the current unit.
    double textWidth(const QString &text, const PageFont &font);
    double textHeight(const QString &text = QStringLiteral("Ag"));
    // Draws a picture with its top-left corner at (x, y), at its own size, or stretched
    // to w × h when both are positive.
    void paintPicture(const QImage &image, double x, double y, double w = -1, double h = -1);
    void line(double x1, double y1, double x2, double y2, const QColor &color);
    void newPage();
    // Ends the document and hands it to the printing system; nothing drawn since the
    // last EndDoc gives no sheet. False when the device failed.
    bool endDoc();

    // False once a device operation failed since the last clearError().
    bool ok() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    void clearError() {
        m_error.clear();
        m_docFailed = false;
    }

    // Back to the state of a program just started (for tests).
    void reset();

    // Conversions between the current unit and twips of the printable area.
    double toTwipsX(double x) const { return (x - m_scaleLeft) * unitTwips(); }
    double toTwipsY(double y) const { return y * unitTwips(); }
    double unitTwips() const { return m_scaleMode == Centimeters ? kTwipsPerCm : 1.0; }
    // A picture's own size in twips (from its resolution, 96 dpi when it has none).
    static QSizeF imageTwips(const QImage &image);

private:
    PrinterPage();
    bool ensureDocument();
    PageOp baseOp(PageOp::Kind kind) const;

    std::shared_ptr<PageDevice> m_device;
    QueueDeviceFactory m_queueFactory;
    QString m_currentPrinter;
    Paper m_paper;
    int m_orientation = Portrait;
    int m_scaleMode = Twips;
    double m_scaleLeft = 0;
    double m_currentX = 0;
    double m_currentY = 0;
    QColor m_foreColor = Qt::black;
    bool m_fontTransparent = true;
    PageFont m_font;
    int m_drawWidth = 1;
    bool m_docOpen = false;
    bool m_docFailed = false;
    int m_page = 1;
    QString m_error;
};
