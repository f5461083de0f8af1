#pragma once

#include <memory>

#include "printing/PageDevice.h"

// Joins the documents drawn on it into one document of the device behind it: the first
// document starts it, every later one goes on as a new page, and the whole is ended
// when the job finishes. A series of envelopes printed one document each thus reaches
// a print queue as one job.
class JoinedPageDevice : public PageDevice {
public:
    explicit JoinedPageDevice(std::shared_ptr<PageDevice> inner) : m_inner(std::move(inner)) {}

    bool beginDocument(int orientation) override;
    void draw(const PageOp &op) override { m_inner->draw(op); }
    void newPage() override { m_inner->newPage(); }
    void setPaper(const Paper &paper) override { m_inner->setPaper(paper); }
    bool endDocument() override;
    bool finish() override;
    QSizeF printableTwips(int orientation) const override {
        return m_inner->printableTwips(orientation);
    }
    QSizeF textSizeTwips(const QString &text, const PageFont &font) const override {
        return m_inner->textSizeTwips(text, font);
    }
    QString name() const override { return m_inner->name(); }
    QString errorString() const override { return m_inner->errorString(); }

    const std::shared_ptr<PageDevice> &inner() const { return m_inner; }

private:
    std::shared_ptr<PageDevice> m_inner;
    bool m_started = false;  // the inner document is open
    bool m_pending = false;  // a document ended: the next one starts a new page
};
