#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// One topic of the help window: a title and its paragraphs.
struct HelpTopic {
    QString title;
    QStringList paragraphs;
};

// The help topics of the program's windows, by key: "menu", "archivio", "biglietti",
// "buste", "backup", "iva", "elenco", "rubrica" (the shared address book).
class HelpTopics {
public:
    static QStringList keys();
    static std::optional<HelpTopic> find(const QString &key);

    // The text box's text: the first paragraph, then each further one behind two
    // carriage-return and line-feed pairs, so that an empty line separates them.
    static QString text(const QStringList &paragraphs);

    // The heading of the VAT topic's second section and the row of hyphens under it.
    static QString vatSectionHeading();
};
