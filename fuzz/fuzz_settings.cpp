// The settings-file reader on arbitrary text: parsing never fails, a file written back
// reads as the same lines, and a key set reads back with every other line kept.
#include "archive/Cp1252Codec.h"
#include "archive/ProfileText.h"
#include "fuzz/FuzzCheck.h"

namespace {

// A section, key or value that a window could write: no line break, no "=" or brackets
// in names, no blanks or quotes around it.
bool plain(const QString &s, bool name) {
    if (s.isEmpty() || s.size() > 40) return false;
    for (QChar c : s) {
        if (c == u'\r' || c == u'\n' || c == u'\t' || c.unicode() > 0xFF) return false;
        if (name && (c == u'=' || c == u'[' || c == u']' || c == u';')) return false;
    }
    return s.front() != u' ' && s.back() != u' ' && s.front() != u'"';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    const ProfileText text = ProfileText::parse(bytes);
    const ProfileText reread = ProfileText::parse(text.serialize());
    // A lone carriage return ending the last line of a file without CRLF endings becomes
    // the line end when written back; it is a blank for every reader, so lines are
    // compared without it.
    auto unterminated = [](QStringList lines) {
        for (QString &l : lines)
            while (l.endsWith(u'\r')) l.chop(1);
        return lines;
    };
    FUZZ_CHECK(unterminated(reread.lines()) == unterminated(text.lines()));

    // The first line of the input names a section, a key and a value ("s|k|v").
    const QByteArray first = bytes.left(bytes.indexOf('\n'));
    const QStringList parts = Cp1252Codec::decode(first.constData(), first.size()).split(u'|');
    if (parts.size() >= 3 && plain(parts[0], true) && plain(parts[1], true) &&
        plain(parts[2], false)) {
        ProfileText changed = text;
        changed.setValue(parts[0], parts[1], parts[2]);
        const ProfileText written = ProfileText::parse(changed.serialize());
        FUZZ_CHECK(written.value(parts[0], parts[1]) == parts[2]);
        // One line replaced, or one or two added; every other line is kept.
        const qsizetype added = written.lines().size() - text.lines().size();
        FUZZ_CHECK(added >= 0 && added <= 2);
        int kept = 0;
        const QStringList writtenLines = unterminated(written.lines());
        for (const QString &line : unterminated(text.lines()))
            kept += writtenLines.contains(line) ? 1 : 0;
        FUZZ_CHECK(kept >= text.lines().size() - 1);
        // Values of other keys in the same section do not change.
        const int section = text.sectionLine(parts[0]);
        if (section >= 0) {
            for (int i = section + 1; i < text.lines().size(); ++i) {
                const QString &line = text.lines().at(i);
                const qsizetype eq = line.indexOf(u'=');
                if (line.trimmed().startsWith(u'[')) break;
                if (eq <= 0) continue;
                const QString key = line.left(eq);
                if (key.trimmed().compare(parts[1], Qt::CaseInsensitive) == 0) continue;
                if (text.keyLine(section, key) != i) continue;  // a repeated key
                FUZZ_CHECK(written.value(parts[0], key) == text.value(parts[0], key));
            }
        }
    }
    return 0;
}
