#pragma once

#include <QIODevice>
#include <QString>
#include <functional>

#include "contactfiles/ContactDraft.h"
#include "contactfiles/TextEncoding.h"

// A reader of a contacts file in one format: it reads the device in large blocks and hands
// each contact over as soon as it is complete, so memory does not grow with the file.
class ContactFileReader {
public:
    // Gets each contact; returns false to stop reading.
    using Visitor = std::function<bool(const ContactDraft &)>;
    // Gets the number of bytes read so far.
    using Progress = std::function<void(qint64)>;

    static constexpr qint64 kBlockSize = 1 << 20;

    virtual ~ContactFileReader() = default;

    // False when the file is not sound (then error() says why, in the user's words).
    virtual bool read(QIODevice &in, TextEncoding::Kind encoding, const Visitor &visit,
                      const Progress &progress = {}) = 0;
    QString error() const { return m_error; }

protected:
    bool fail(const QString &why) {
        m_error = why;
        return false;
    }

private:
    QString m_error;
};
