#include "contactlist/FilterText.h"

#include "archive/KeyMatcher.h"
#include "contactlist/FieldBytes.h"
#include "contactlist/ListColumns.h"

namespace {

void appendFolded(const FieldBytes &bytes, QByteArray &out, bool phoneDigits) {
    for (int i = 0; i < bytes.size; ++i) {
        const char c = bytes.data[i];
        if (phoneDigits && FilterText::isPhoneSeparator(c)) continue;
        out.append(char(KeyMatcher::foldByte(static_cast<unsigned char>(c))));
    }
    out.append('\0');
}

}  // namespace

int FilterText::append(const char *raw, QByteArray &out) {
    const qsizetype start = out.size();
    for (int c = 1; c <= ListColumns::kFieldColumns; ++c)
        appendFolded(FieldBytes::of(raw, ListColumns::field(ListColumns::Column(c))), out, false);
    const int firstPart = int(out.size() - start);
    for (ListColumns::Column c : {ListColumns::Tel, ListColumns::Cel})
        appendFolded(FieldBytes::of(raw, ListColumns::field(c)), out, true);
    return firstPart;
}
