#pragma once

// Folder contactfiles/: contacts in and out of files: CSV and vCard import with its
// preview and duplicate rule, CSV and vCard export.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "contactfiles/ContactFileReader.h"
#include "contactfiles/DuplicateIndex.h"
#include "contactfiles/ImportRow.h"

class ArchiveStore;

// The import of a contacts file into the archive. open() checks the file and tells its
// format from its content (a file starting with BEGIN:VCARD is vCard, any other CSV) and
// its encoding; preview() lists every contact with its status and writes nothing; run()
// appends the chosen contacts in one all-or-nothing change under the writers' lock.
// A file that cannot be imported leaves the archive byte for byte as it was, with the
// reason in message().
class ContactImport {
public:
    enum class Format { Csv, Vcard };
    enum class Choice { NewOnly, All };

    // Larger files are refused before reading them.
    static constexpr qint64 kMaxBytes = qint64(100) << 20;

    using RowVisitor = std::function<void(const ImportRow &)>;
    // Gets the fraction of the file read so far (0 to 1).
    using Progress = std::function<void(double)>;

    explicit ContactImport(ArchiveStore &store) : m_store(store) {}

    bool open(const QString &path);
    Format format() const { return m_format; }
    TextEncoding::Kind encoding() const { return m_encoding; }

    // Every contact of the file, in file order, classified against the archive and the
    // contacts before it in the file.
    bool preview(const RowVisitor &visit, const Progress &progress = {});
    // Appends the new contacts and those to be checked (Choice::All: the already present
    // ones too); `visit` sees every row as preview() does.
    bool run(Choice choice, const RowVisitor &visit = {}, const Progress &progress = {});

    int imported() const { return m_imported; }
    int alreadyPresent() const { return m_present; }
    int toCheck() const { return m_toCheck; }
    int rows() const { return m_rows; }

    // The reason of the last failure, or after run() the closing count
    // ("Importati 37 contatti, 3 già presenti.").
    QString message() const { return m_message; }
    // True when run() failed because another program was writing the archive.
    bool busy() const { return m_busy; }

private:
    bool fail(const QString &message);
    std::unique_ptr<ContactFileReader> reader() const;
    // Reads the file and classifies each contact; `take` gets the rows to write.
    bool readRows(const RowVisitor &visit, const Progress &progress,
                  const std::function<bool(const ImportRow &)> &take);
    // The row of a contact; none for a contact without a name, an address or a number.
    std::optional<ImportRow> classify(const ContactDraft &draft);

    ArchiveStore &m_store;
    QString m_path;
    qint64 m_size = 0;
    Format m_format = Format::Csv;
    TextEncoding::Kind m_encoding = TextEncoding::Utf8;
    DuplicateIndex m_index;
    QString m_message;
    bool m_busy = false;
    int m_imported = 0;
    int m_present = 0;
    int m_toCheck = 0;
    int m_rows = 0;
};
