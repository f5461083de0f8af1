#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "archive/ContactRecord.h"

// The eleven criteria of the contact search: the text of the criterion list and the
// record field each one searches. The logo fields cannot be searched.
class SearchCriterion {
public:
    static constexpr int kCount = 11;

    // The entry texts in list order ("Persona o azienda", "Specialità", ...).
    static QStringList entryTexts();
    // The field searched by the entry whose text, trimmed of blanks, equals `entry`
    // exactly (case and accents included); nullopt for any other text.
    static std::optional<ContactRecord::Field> fieldFor(const QString &entry);
};
