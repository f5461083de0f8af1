#include "contactlist/FilterText.h"

#include "archive/KeyMatcher.h"

namespace {

// Writes the folded field at `out` followed by its zero byte; returns the end.
char *putFolded(const FieldBytes &bytes, char *out, bool phoneDigits) {
    static const unsigned char *const fold = KeyMatcher::foldTable();
    for (int i = 0; i < bytes.size; ++i) {
        const char c = bytes.data[i];
        if (phoneDigits && FilterText::isPhoneSeparator(c)) continue;
        *out++ = char(fold[static_cast<unsigned char>(c)]);
    }
    *out++ = '\0';
    return out;
}

}  // namespace

int FilterText::append(const char *raw, QByteArray &out) {
    return append(FieldBytes::shown(raw), out);
}

int FilterText::append(const FieldBytes::Shown &fields, QByteArray &out) {
    const qsizetype start = out.size();
    qsizetype most = 0;
    for (const FieldBytes &f : fields) most += f.size + 1;
    const FieldBytes &tel = fields[ListColumns::Tel - 1];
    const FieldBytes &cel = fields[ListColumns::Cel - 1];
    most += tel.size + cel.size + 2;
    out.resize(start + most);
    char *at = out.data() + start;
    for (const FieldBytes &f : fields) at = putFolded(f, at, false);
    const int firstPart = int(at - (out.constData() + start));
    at = putFolded(tel, at, true);
    at = putFolded(cel, at, true);
    out.resize(at - out.constData());
    return firstPart;
}
