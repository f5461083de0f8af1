#pragma once

#include <QString>

// The key of a contact search: one or more words separated by blanks, each of which
// must occur somewhere in the searched field, in any order.
class SearchKey {
public:
    // Leading and trailing blanks removed and every run of blanks inside reduced to one
    // (only the blank character counts: tabs stay as they are).
    static QString normalizeKey(const QString &text);
    // Number of blank-separated words of the normalised text; never below 1 (an empty
    // key is one empty word).
    static int countWords(const QString &text);
    // The n-th word (from 1) of the normalised text; empty when n is out of range.
    static QString getWord(const QString &text, int n);
    // True when every word of `key` occurs in `text`: exactly when `matchCase`, else
    // with upper- and lower-case forms of a letter taken as equal, and a letter with an
    // accent as equal to the same letter without it ("citta" finds "Città").
    // An empty word occurs everywhere, so an empty key is true for every text.
    static bool wordsExist(const QString &text, const QString &key, bool matchCase);

    // The case- and accent-blind form of a text as wordsExist compares it: each
    // character on its own becomes one character, so a word found in a text is still
    // found once both are folded.
    static QString fold(const QString &text);
    static QChar foldChar(QChar c);
};
