#pragma once

#include <QSet>
#include <QString>
#include <optional>

class ArchiveStore;

// The archive, or the records of a search result, written as a CSV file (UTF-8 with its
// byte-order mark, ";" separators, the spreadsheet export's titles as header) or as a file
// of vCards 3.0. Records are streamed in archive order; the file is written under a
// temporary name and renamed over the target when complete, so a failed export leaves
// whatever was there before.
class ContactExport {
public:
    enum class Format { Csv, Vcard };

    // Only the records with these numbers (a search result); all when not set.
    void restrictTo(const QSet<int> &numbers) { m_only = numbers; }

    bool write(ArchiveStore &store, const QString &path, Format format);

    int written() const { return m_written; }
    // The closing message after a success, the reason after a failure.
    QString message() const { return m_message; }

private:
    std::optional<QSet<int>> m_only;
    int m_written = 0;
    QString m_message;
};
