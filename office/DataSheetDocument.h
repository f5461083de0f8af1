#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

#include "office/DataSheetContent.h"

class QTextDocument;

// The one-page data sheet ("scheda") of a contact as a text document, top to bottom:
// the trimmed name centred in bold, an empty paragraph, the logo picture embedded in the
// document, an empty paragraph, "SCHEDA DATI PERSONALI", an empty justified paragraph, a
// paragraph break and a table of ten rows (label, trimmed value), then after a line break
// the closing line with the date and time. Everything is Arial 10 pt.
class DataSheetDocument {
public:
    static constexpr const char *kHeading = "SCHEDA DATI PERSONALI";

    // `logoFile` is the picture to embed; it is only read. When it is empty or not a
    // picture, the sheet has no picture.
    static std::unique_ptr<QTextDocument> build(
        const DataSheetContent &content, const QString &logoFile,
        const QDateTime &when = QDateTime::currentDateTime());

    // "Scheda creata in data 05/03/2024 alle ore 09:07:03" (no full stop).
    static QString closingLine(const QDateTime &when);

    // Writes the document as OpenDocument text (.odt). False (with the reason) on failure.
    static bool writeOdt(QTextDocument &document, const QString &path, QString *error = nullptr);

    // The package `odt` with styles.xml (Arial 10 for every paragraph, empty ones included)
    // added and listed in its manifest. False when `odt` is not a package it can read.
    static bool withDefaultFont(const QByteArray &odt, QByteArray &out);
    static QByteArray defaultStyles();
};
