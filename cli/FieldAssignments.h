#pragma once

#include <QList>
#include <QStringList>
#include <utility>

#include "archive/ContactRecord.h"

// FIELD=VALUE arguments of the terminal front end.
class FieldAssignments {
public:
    // Parses every argument; false (with the offending argument in `bad`) when one is
    // not FIELD=VALUE with a known field name.
    static bool parse(const QStringList &args, QList<std::pair<ContactRecord::Field, QString>> &out,
                      QString &bad);
    // A record number argument: a whole number ≥ 1, else 0.
    static int recordNumber(const QString &arg);
};
