#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "labels/ContactSelection.h"

// The options shared by the commands that print for many contacts:
// (--all | --search CRITERION KEY | --records N[,N...]) and (--pdf FILE | --printer NAME).
struct SeriesOptions {
    enum class Kind { None, All, Search, Records };
    Kind kind = Kind::None;
    QString criterion;
    QString key;
    QList<int> records;
    QString pdf;
    QString printer;
    QStringList rest;  // arguments that are none of these

    // Whether the arguments ask for a series (the single envelope command has none).
    static bool wanted(const QStringList &args);
    // Reads the options; an empty text when they are sound, else the usage message.
    QString parse(const QStringList &args);

    // Resolves the selection against the archive (running the search): 0 and the
    // selection, or the message printed and the exit status.
    int select(ArchiveStore &store, ContactSelection &selection) const;
    // Points the printer page at the PDF file or the print queue: 0, or the message
    // printed and 1.
    int openOutput() const;
    // Checks the selection, scans it and prints one line per contact left out on standard
    // error: 0 and the number of contacts to print, or the message printed and 1.
    static int scan(ArchiveStore &store, const ContactSelection &selection, int &printable);
};
