#pragma once

#include <memory>

#include "printing/PageDevice.h"
#include "printing/PrinterCalibration.h"

// A print queue's device seen through its calibration: every position and size of the
// page is moved and scaled before it reaches the queue. Texts keep their font size.
class CalibratedPageDevice : public PageDevice {
public:
    CalibratedPageDevice(std::shared_ptr<PageDevice> queue, const PrinterCalibration &c)
        : m_queue(std::move(queue)), m_calibration(c) {}

    bool beginDocument(int orientation) override { return m_queue->beginDocument(orientation); }
    void draw(const PageOp &op) override;
    void newPage() override { m_queue->newPage(); }
    bool endDocument() override { return m_queue->endDocument(); }
    bool finish() override { return m_queue->finish(); }
    void setPaper(const Paper &paper) override { m_queue->setPaper(paper); }
    QSizeF printableTwips(int orientation) const override {
        return m_queue->printableTwips(orientation);
    }
    QSizeF textSizeTwips(const QString &text, const PageFont &font) const override {
        return m_queue->textSizeTwips(text, font);
    }
    QString name() const override { return m_queue->name(); }
    QString errorString() const override { return m_queue->errorString(); }

    const PrinterCalibration &calibration() const { return m_calibration; }

private:
    std::shared_ptr<PageDevice> m_queue;
    PrinterCalibration m_calibration;
};
