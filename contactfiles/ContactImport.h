#pragma once

// Folder contactfiles/: contacts in and out of files: CSV and vCard import with its
// preview and duplicate rule, CSV and vCard export.

#include <QString>
#include <functional>
#include <memory>

#include "contactfiles/ContactFileReader.h"
#include "contactfiles/DuplicateIndex.h"
#include "contactfiles/ImportRow.h"

class ArchiveStore;
class QFile;

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
    // The encoding of the file as it is on disk (UTF-16 is read as UTF-8).
    TextEncoding::Kind encoding() const { return m_sourceEncoding; }
    // After preview() or run(): which export the file was recognised as
    // ("Riconosciuto: esportazione di Thunderbird (in italiano)").
    QString recognised() const { return m_recognised; }

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
    // Rows that cannot become a contact (listed as "scartato", never written).
    int discarded() const { return m_discarded; }

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
    // The row of a contact; "scartato" with its reason for one that has nothing to be
    // called by (no name, organisation, e-mail or telephone).
    ImportRow classify(const ContactDraft &draft);
    // Whether the file is valid UTF-8 once its folded lines are joined (servers that fold
    // vCards at 75 bytes split a letter between two lines).
    bool utf8WhenUnfolded(QFile &f);

    ArchiveStore &m_store;
    QString m_path;
    qint64 m_size = 0;
    Format m_format = Format::Csv;
    TextEncoding::Kind m_encoding = TextEncoding::Utf8;  // as the readers see it
    TextEncoding::Kind m_sourceEncoding = TextEncoding::Utf8;
    QByteArray m_utf8;  // a UTF-16 file, as UTF-8
    QString m_recognised;
    DuplicateIndex m_index;
    QString m_message;
    bool m_busy = false;
    int m_imported = 0;
    int m_present = 0;
    int m_toCheck = 0;
    int m_rows = 0;
    int m_discarded = 0;
};
