#pragma once

// Folder archive/: the contact record and its file Contatti.edb, the archive store and
// its writers' lock, the contact search rule, the settings file Cartaflex.ini, the
// mailto rule with the e-mail window, and the archive window.

#include <QList>
#include <QString>
#include <functional>

#include "archive/ContactRecord.h"
#include "platform/BrowseDirection.h"
#include "platform/Message.h"

// The operations every window performs on Contatti.edb. Each call opens the file, does
// its work and closes it again; nothing is cached between calls.
//
// A trailing partial record (a file whose length is not a multiple of 1136, left by an
// interrupted copy) is never read as a contact: counts and readers see the whole
// records only. Rewriting a record in place leaves the tail alone; appending writes the
// new record right after the last whole record, over the partial tail; deleting writes
// the whole records only, so the tail is dropped.
//
// Every change is all or nothing, whatever happens to the program meanwhile (a crash, a
// kill, a full disk): a rewritten or deleted record goes through a complete copy of the
// archive, Archivio.tmp, flushed to disk and renamed over the archive in one step; an
// appended record is one write at the end, flushed to disk, and undone on failure. A reader
// therefore always sees the archive of before or the archive of after a change.
//
// Writers take the archive's lock (ArchiveLock, "Contatti.edb.lock") for the length of the
// change; readers never do. A writer that cannot get the lock within a few seconds fails
// with `busy()` true and changes nothing. A caller that reads a record and writes it back
// holds an ArchiveLock on `archivePath()` around both steps.
class ArchiveStore {
public:
    using Direction = BrowseDirection;

    // What a browsing step gives the window.
    struct Navigation {
        bool empty = false;  // the archive holds no record: the caller shows `message`
        Message message;
        int number = 0;       // the record to show (1-based), when not empty
        bool readOk = false;  // false when reading the record failed
        ContactRecord record;
    };

    static constexpr const char *kArchiveName = "Contatti.edb";
    static constexpr const char *kTempName = "Archivio.tmp";

    // A store on the archive of the program folder, or of the given folder.
    ArchiveStore();
    explicit ArchiveStore(const QString &folder);
    virtual ~ArchiveStore() = default;

    // The full path of a file of the store's folder.
    QString archivePath(const QString &fileName = QString::fromLatin1(kArchiveName)) const;
    QString folder() const { return m_folder; }

    // Number of whole records; a missing file is created empty (0). -1 when the archive
    // cannot be opened at all (it is a folder, or unreadable).
    int recordCount();
    // Bytes of a trailing partial record (0 for a sound file).
    qint64 partialTailBytes();

    // Record n (1 ≤ n ≤ count); false when n is out of range or the read fails.
    bool readRecord(int n, ContactRecord &out);
    // Every whole record in order, read in large blocks.
    QList<ContactRecord> readAll();
    // Calls `visit(number, record)` for every whole record in order, reading in large
    // blocks and keeping only one block in memory; the visitor returns false to stop.
    bool forEachRecord(const std::function<bool(int, const ContactRecord &)> &visit);
    // Every whole record as raw bytes, in blocks (for searches that decode lazily).
    bool forEachRawRecord(const std::function<bool(int, const char *)> &visit);

    // Replaces record n in place; false (nothing written) when n is out of range, or when
    // `shown` is given and record n, read under the lock, no longer holds it
    // (`changedElsewhere()` is then true).
    bool writeRecord(int n, const ContactRecord &record, const ContactRecord *shown = nullptr);
    // Writes the record as number count + 1 and returns that number; 0 on failure.
    int appendRecord(const ContactRecord &record);
    // Gets each new record of appendRecords; false when it could not be written.
    using RecordWriter = std::function<bool(const ContactRecord &)>;
    // Appends every record that `produce` hands to its writer, all or nothing: the whole
    // records and the new ones go into Archivio.tmp, which is flushed and renamed over the
    // archive in one step (a partial tail is dropped). When `produce` fails (false, with
    // its reason in `why`) or hands over no record, the archive is left as it was. Returns
    // the number of records appended, or -1 on failure.
    int appendRecords(const std::function<bool(const RecordWriter &write, QString &why)> &produce);
    // Removes record n: the surviving records are written into Archivio.tmp, flushed to
    // disk and renamed over the archive in one step. On any failure the archive is as it
    // was and no temporary file stays behind. n above the count removes nothing (false);
    // so does a record n that no longer holds `shown`, when given (see writeRecord).
    bool deleteRecord(int n, const ContactRecord *shown = nullptr);
    // Puts a copy of `sourceFile` (a backup) in place of the archive, in the same single
    // step; on any failure (unreadable source, full disk) the archive is as it was.
    bool replaceWith(const QString &sourceFile);

    // True when the last failing change failed because another program was writing the
    // archive (the caller shows ArchiveLock::kBusyText); nothing was changed.
    bool busy() const { return m_busy; }
    // True when the last failing change found record n changed by another copy of the
    // program since the caller read it; nothing was changed.
    bool changedElsewhere() const { return m_changedElsewhere; }

    // The browsing rule shared by the three browsing windows: First gives 1, Previous
    // current − 1, Next current + 1, Last the count, clamped to 1 … count. An empty
    // archive gives `empty` and the message "L'archivio non contiene nessuna scheda.".
    Navigation navigateTo(Direction direction, int current);
    // The same, with the current number read from a position label text.
    Navigation navigateTo(Direction direction, const QString &positionLabelText);

    // Why the last failing operation failed (for the terminal front end and tests).
    QString errorString() const { return m_error; }

    static constexpr const char *kEmptyText = "L'archivio non contiene nessuna scheda.";
    static constexpr const char *kEmptyTitle = "Attenzione: database vuoto";

protected:
    // Puts the finished temporary file in place of the archive (an atomic rename).
    virtual bool replaceArchive(const QString &tempPath, const QString &archivePath);
    // Forces written data to disk before the rename.
    virtual bool flushToDisk(int fd);

private:
    bool ensureExists();
    qint64 fileSize(bool *ok);
    bool fail(const QString &why);
    bool beginChange(class ArchiveLock &lock);
    // Under the lock: record n still encodes as `shown` does.
    bool stillHolds(int n, const ContactRecord &shown);
    // Writes the archive of after a change into Archivio.tmp through `produce` and puts
    // it in place of the archive; `expectedSize` guards against a short copy.
    bool rewrite(const std::function<bool(class QFile &tmp, QString &why)> &produce,
                 qint64 expectedSize);
    bool rewrite(const std::function<bool(class QFile &tmp, QString &why)> &produce,
                 const std::function<qint64()> &expectedSize);

    QString m_folder;
    QString m_error;
    bool m_busy = false;
    bool m_changedElsewhere = false;
};
