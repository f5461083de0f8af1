#include "archive/Cp1252Fold.h"

#include <QHash>
#include <QList>
#include <QStringView>

#include "archive/Cp1252Codec.h"

namespace {

struct Spelling {
    char32_t code;
    const char *latin;
};

// Letters and signs that have no decomposition to a Latin form, by their lower-case
// form where they have one; an upper-case letter takes the same spelling capitalised.
constexpr Spelling kSpellings[] = {
    // Latin letters that do not decompose.
    {0x0111, "d"},
    {0x0127, "h"},
    {0x0131, "i"},
    {0x0138, "k"},
    {0x0140, "l"},
    {0x0142, "l"},
    {0x0149, "'n"},
    {0x014B, "n"},
    {0x0167, "t"},
    {0x0180, "b"},
    {0x0183, "b"},
    {0x0188, "c"},
    {0x018C, "d"},
    {0x0192, "f"},
    {0x0199, "k"},
    {0x019A, "l"},
    {0x019E, "n"},
    {0x01A5, "p"},
    {0x01AB, "t"},
    {0x01AD, "t"},
    {0x01B4, "y"},
    {0x01B6, "z"},
    {0x01DD, "e"},
    {0x01E5, "g"},
    {0x0253, "b"},
    {0x0254, "o"},
    {0x0256, "d"},
    {0x0257, "d"},
    {0x0259, "e"},
    {0x025B, "e"},
    {0x0260, "g"},
    {0x0263, "g"},
    {0x0268, "i"},
    {0x0269, "i"},
    {0x0272, "n"},
    {0x0275, "o"},
    {0x0283, "sh"},
    {0x0288, "t"},
    {0x0289, "u"},
    {0x028B, "v"},
    {0x0292, "z"},
    {0x1E9E, "SS"},
    {0x1D6B, "ue"},
    {0x0133, "ij"},
    {0x01C6, "dz"},
    // Modifier letters used as apostrophes.
    {0x02B9, "'"},
    {0x02BA, "\""},
    {0x02BB, "'"},
    {0x02BC, "'"},
    {0x02BD, "'"},
    {0x02C8, "'"},
    {0x02CA, "'"},
    {0x02CB, "`"},
    // Greek (modern transcription).
    {0x03B1, "a"},
    {0x03B2, "v"},
    {0x03B3, "g"},
    {0x03B4, "d"},
    {0x03B5, "e"},
    {0x03B6, "z"},
    {0x03B7, "i"},
    {0x03B8, "th"},
    {0x03B9, "i"},
    {0x03BA, "k"},
    {0x03BB, "l"},
    {0x03BC, "m"},
    {0x03BD, "n"},
    {0x03BE, "x"},
    {0x03BF, "o"},
    {0x03C0, "p"},
    {0x03C1, "r"},
    {0x03C2, "s"},
    {0x03C3, "s"},
    {0x03C4, "t"},
    {0x03C5, "y"},
    {0x03C6, "f"},
    {0x03C7, "ch"},
    {0x03C8, "ps"},
    {0x03C9, "o"},
    {0x03D0, "v"},
    {0x03D1, "th"},
    {0x03D5, "f"},
    {0x03D6, "p"},
    {0x03F2, "s"},
    // Cyrillic (Russian, Ukrainian, Belarusian, Bulgarian, Serbian, Macedonian).
    {0x0430, "a"},
    {0x0431, "b"},
    {0x0432, "v"},
    {0x0433, "g"},
    {0x0434, "d"},
    {0x0435, "e"},
    {0x0436, "zh"},
    {0x0437, "z"},
    {0x0438, "i"},
    {0x0439, "y"},
    {0x043A, "k"},
    {0x043B, "l"},
    {0x043C, "m"},
    {0x043D, "n"},
    {0x043E, "o"},
    {0x043F, "p"},
    {0x0440, "r"},
    {0x0441, "s"},
    {0x0442, "t"},
    {0x0443, "u"},
    {0x0444, "f"},
    {0x0445, "kh"},
    {0x0446, "ts"},
    {0x0447, "ch"},
    {0x0448, "sh"},
    {0x0449, "shch"},
    {0x044A, ""},
    {0x044B, "y"},
    {0x044C, ""},
    {0x044D, "e"},
    {0x044E, "yu"},
    {0x044F, "ya"},
    {0x0451, "e"},
    {0x0452, "dj"},
    {0x0453, "gj"},
    {0x0454, "ye"},
    {0x0455, "dz"},
    {0x0456, "i"},
    {0x0457, "yi"},
    {0x0458, "j"},
    {0x0459, "lj"},
    {0x045A, "nj"},
    {0x045B, "c"},
    {0x045C, "kj"},
    {0x045E, "u"},
    {0x045F, "dz"},
    {0x0491, "g"},
    // Typographic signs.
    {0x2010, "-"},
    {0x2011, "-"},
    {0x2012, "-"},
    {0x2015, "\xE2\x80\x94"},
    {0x2016, "||"},
    {0x2017, "_"},
    {0x201B, "'"},
    {0x201F, "\""},
    {0x2023, "\xE2\x80\xA2"},
    {0x2027, "\xC2\xB7"},
    {0x2032, "'"},
    {0x2033, "\""},
    {0x2034, "'''"},
    {0x2035, "`"},
    {0x203B, "*"},
    {0x2043, "-"},
    {0x2044, "/"},
    {0x2052, "%"},
    {0x20A4, "\xC2\xA3"},
    {0x20B9, "Rs"},
    {0x20BD, "RUB"},
    {0x2190, "<-"},
    {0x2192, "->"},
    {0x2194, "<->"},
    {0x21D0, "<="},
    {0x21D2, "=>"},
    {0x21D4, "<=>"},
    {0x2212, "-"},
    {0x2215, "/"},
    {0x2216, "\\"},
    {0x2217, "*"},
    {0x2219, "\xC2\xB7"},
    {0x2223, "|"},
    {0x2236, ":"},
    {0x223C, "~"},
    {0x2248, "~"},
    {0x2260, "!="},
    {0x2264, "<="},
    {0x2265, ">="},
    {0x25CF, "\xE2\x80\xA2"},
    {0x25E6, "\xE2\x80\xA2"},
    {0x2713, "v"},
    {0x2714, "v"},
    {0x2717, "x"},
    {0x2718, "x"},
    {0x3001, ","},
    {0x3002, "."},
};

const QHash<char32_t, QString> &spellings() {
    static const QHash<char32_t, QString> table = [] {
        QHash<char32_t, QString> t;
        for (const Spelling &s : kSpellings) t.insert(s.code, QString::fromUtf8(s.latin));
        return t;
    }();
    return table;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

bool isLineOrTab(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

bool isMark(char32_t c) {
    const auto cat = QChar::category(c);
    return cat == QChar::Mark_NonSpacing || cat == QChar::Mark_SpacingCombining ||
           cat == QChar::Mark_Enclosing;
}

bool archiveHolds(char32_t c) {
    if (isControl(c) || c > 0xFFFF) return false;
    return c == '?' || Cp1252Codec::encodeChar(QChar(char16_t(c))) != '?';
}

bool archiveHolds(QStringView text) {
    for (QChar ch : text)
        if (!archiveHolds(ch.unicode())) return false;
    return true;
}

// QString::fromUcs4() would take a leading U+FEFF for a byte-order mark and drop it.
QString fromCodes(const char32_t *codes, qsizetype count) {
    QString out;
    for (qsizetype i = 0; i < count; ++i) out += QChar::fromUcs4(codes[i]);
    return out;
}

QString fromCode(char32_t c) {
    return fromCodes(&c, 1);
}

// Spelling of a letter from the table; an upper-case letter takes its lower case's
// spelling, capitalised, or all in capitals inside a word written in capitals.
bool spell(char32_t c, bool nextIsUpper, QString *out) {
    const auto &table = spellings();
    auto it = table.constFind(c);
    if (it != table.constEnd()) {
        *out = *it;
        return true;
    }
    const char32_t lower = QChar::toLower(c);
    if (lower == c) return false;
    it = table.constFind(lower);
    if (it == table.constEnd()) return false;
    *out = nextIsUpper ? it->toUpper() : *it;
    if (!out->isEmpty()) (*out)[0] = out->at(0).toUpper();
    return true;
}

// The archive's form of one character outside the code page; false when it has no
// sensible Latin form.
bool foldCharacter(char32_t c, bool nextIsUpper, QString *out);

// A base followed by its accents, decomposed: the base with its first accent when the
// code page has that letter ("ế" → "ê"), else the base alone.
bool foldDecomposed(const QList<uint> &parts, bool nextIsUpper, QString *out) {
    if (parts.size() >= 2) {
        const QString withFirst =
            fromCodes(reinterpret_cast<const char32_t *>(parts.constData()), 2)
                .normalized(QString::NormalizationForm_C);
        if (archiveHolds(withFirst)) {
            *out = withFirst;
            return true;
        }
    }
    return foldCharacter(parts.front(), nextIsUpper, out);
}

// The archive's form of a letter written as base plus separate accents: the composed
// letter when the code page has it, else as that letter would be folded.
bool foldCluster(const QString &cluster, bool nextIsUpper, QString *out) {
    const QString composed = cluster.normalized(QString::NormalizationForm_C);
    if (archiveHolds(composed)) {
        *out = composed;
        return true;
    }
    const QList<uint> codes = composed.toUcs4();
    if (codes.size() == 1) return foldCharacter(codes.front(), nextIsUpper, out);
    return foldDecomposed(cluster.normalized(QString::NormalizationForm_D).toUcs4(), nextIsUpper,
                          out);
}

bool foldCharacter(char32_t c, bool nextIsUpper, QString *out) {
    out->clear();
    if (isLineOrTab(c)) {
        *out = QStringLiteral(" ");
        return true;
    }
    if (isControl(c)) return true;
    if (archiveHolds(c)) {
        *out = fromCode(c);
        return true;
    }
    if (spell(c, nextIsUpper, out)) return true;
    if (isMark(c) || QChar::category(c) == QChar::Other_Format) return true;
    const QString single = fromCode(c);
    const QString parts = single.normalized(QString::NormalizationForm_KD);
    if (parts == single) {
        if (QChar::category(c) == QChar::Separator_Space) {
            *out = QStringLiteral(" ");
            return true;
        }
        return false;
    }
    // Each base with its accents in turn ("ﬁ" → "fi", "ǅ" → "Dž", "①" → "1").
    const QList<uint> codes = parts.toUcs4();
    qsizetype i = 0;
    while (i < codes.size()) {
        qsizetype end = i + 1;
        while (end < codes.size() && isMark(codes[end])) ++end;
        QString piece;
        const bool pieceNextUpper = end < codes.size() ? QChar::isUpper(codes[end]) : nextIsUpper;
        const bool ok = end - i == 1
                            ? foldCharacter(codes[i], pieceNextUpper, &piece)
                            : foldDecomposed(codes.mid(i, end - i), pieceNextUpper, &piece);
        if (!ok) return false;
        out->append(piece);
        i = end;
    }
    return true;
}

// Calls visit(original, folded) for each character of text with what fold() makes of it;
// a base with its accents counts as one character.
template <typename Visit>
void eachCharacter(const QString &text, Visit visit) {
    const QList<uint> codes = text.toUcs4();
    const auto *data = reinterpret_cast<const char32_t *>(codes.constData());
    qsizetype i = 0;
    while (i < codes.size()) {
        qsizetype end = i + 1;
        if (!isControl(codes[i]))
            while (end < codes.size() && isMark(codes[end])) ++end;
        const bool nextIsUpper = end < codes.size() && QChar::isUpper(codes[end]);
        const QString original = fromCodes(data + i, end - i);
        QString folded;
        bool ok = end - i == 1 ? foldCharacter(codes[i], nextIsUpper, &folded)
                               : foldCluster(original, nextIsUpper, &folded);
        if (!ok) folded = QStringLiteral("?");
        visit(original, folded);
        i = end;
    }
}

// Text the archive holds as it is: no control character, every character in the code
// page (the common case, checked without decomposing anything).
bool heldAsIs(const QString &text) {
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0x20 && u < 0x7F) continue;
        if (u >= 0xA0 && u <= 0xFF) continue;
        if (u < 0x100 || !archiveHolds(u)) return false;
    }
    return true;
}

}  // namespace

QString Cp1252Fold::fold(const QString &text) {
    if (heldAsIs(text)) return text;
    QString out;
    out.reserve(text.size());
    eachCharacter(text, [&out](const QString &, const QString &folded) { out += folded; });
    return out;
}

QString Cp1252Fold::changed(const QString &text) {
    if (heldAsIs(text)) return QString();
    QString out;
    QStringList seen;
    eachCharacter(text, [&](const QString &original, const QString &folded) {
        if (folded == original.normalized(QString::NormalizationForm_C)) return;
        if (seen.contains(original)) return;
        seen.append(original);
        out += original;
    });
    return out;
}
