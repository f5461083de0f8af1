// The search key functions on arbitrary keys and texts: the normal form is stable, the
// words of a key are never blank, the case-blind test accepts whatever the exact one does,
// and the byte matcher used over the archive agrees with WordsExist.
#include "archive/Cp1252Codec.h"
#include "archive/KeyMatcher.h"
#include "archive/SearchKey.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    // Key, a zero byte, then the searched field (Windows-1252, as in the archive, where no
    // field is wider than 255 bytes: the matcher looks at no more).
    const qsizetype cut = bytes.indexOf('\0');
    const QByteArray keyBytes = cut < 0 ? bytes : bytes.left(cut);
    const QByteArray fieldBytes = cut < 0 ? QByteArray() : bytes.mid(cut + 1).left(255);
    const QString key = Cp1252Codec::decode(keyBytes.constData(), keyBytes.size());
    const QString field = Cp1252Codec::decode(fieldBytes.constData(), fieldBytes.size());

    const QString normal = SearchKey::normalizeKey(key);
    FUZZ_CHECK(SearchKey::normalizeKey(normal) == normal);
    FUZZ_CHECK(!normal.startsWith(u' ') && !normal.endsWith(u' ') &&
               !normal.contains(QStringLiteral("  ")));
    const int words = SearchKey::countWords(key);
    FUZZ_CHECK(words >= 1);
    if (!normal.isEmpty())
        for (int n = 1; n <= words; ++n) {
            const QString w = SearchKey::getWord(key, n);
            FUZZ_CHECK(!w.isEmpty() && !w.contains(u' '));
        }
    FUZZ_CHECK(SearchKey::getWord(key, words + 1).isEmpty());

    const bool exact = SearchKey::wordsExist(field, key, true);
    const bool blind = SearchKey::wordsExist(field, key, false);
    if (exact) FUZZ_CHECK(blind);
    FUZZ_CHECK(SearchKey::wordsExist(field, normal, false) == blind);

    const KeyMatcher matcher(key);
    FUZZ_CHECK(!matcher.impossible());
    FUZZ_CHECK(matcher.matches(fieldBytes.constData(), int(fieldBytes.size())) == blind);

    // A key typed with characters the archive cannot hold.
    const QString typed = QString::fromUtf8(keyBytes);
    const KeyMatcher typedMatcher(typed);
    if (!typedMatcher.impossible())
        FUZZ_CHECK(typedMatcher.matches(fieldBytes.constData(), int(fieldBytes.size())) ==
                   SearchKey::wordsExist(field, typed, false));
    return 0;
}
