#pragma once

// Folder office/: the spreadsheet (.xlsx) and document (.odt) exports, their zip writer,
// and the office-program check.

#include <QString>
#include <QStringList>
#include <functional>

class ArchiveStore;

// Writes the whole contact archive as a spreadsheet workbook (.xlsx): a bold header row
// with the eleven column titles, then one row per contact in archive order from row 2.
// Every value is a text cell with the text number format, so leading zeros, telephone
// numbers and values that look like formulas or dates stay exactly as typed; an empty
// value is no cell. The logo paths are not exported. Columns are fitted to their texts.
// Rows are compressed and written as they come, so memory does not grow with the archive.
class XlsxExport {
public:
    static QStringList headerTexts();
    static constexpr int kColumns = 11;

    // `progress(n)` is called after record n has been written.
    using Progress = std::function<void(int)>;

    // Writes the archive of `store` to `path`. False when the archive cannot be read or
    // the workbook cannot be written (then errorString() says why).
    bool write(ArchiveStore &store, const QString &path, const Progress &progress = {});

    int rowsWritten() const { return m_rows; }
    QString errorString() const { return m_error; }

    // The text a cell receives: the value without the characters a workbook cannot hold
    // (control characters other than tab and line breaks).
    static QString cellText(const QString &value);

private:
    // One sheet row of text cells in style `style`, empty values left out.
    static void appendRow(QByteArray &xml, int row, const QStringList &values, char style);
    static void appendEscaped(QByteArray &xml, const QString &value);

    int m_rows = 0;
    QString m_error;
};
