// The vCard reader on arbitrary bytes: never a crash, an unsound file always says why; the
// first contact it gives, written as a vCard 3.0 and read again, is the same record.
#include <QBuffer>

#include "contactfiles/VcardReader.h"
#include "contactfiles/VcardWriter.h"
#include "fuzz/FuzzCheck.h"

namespace {

QList<ContactRecord> readAll(QByteArray bytes, TextEncoding::Kind kind, bool *ok) {
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    VcardReader reader;
    QList<ContactRecord> out;
    *ok = reader.read(in, kind, [&](const ContactDraft &draft) {
        out << draft.toRecord().normalized();
        return out.size() < 20;
    });
    FUZZ_CHECK(*ok || !reader.error().isEmpty());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    TextEncoding encoding;
    encoding.scan(bytes.constData(), bytes.size());
    encoding.finish();
    bool ok = false;
    const QList<ContactRecord> cards = readAll(bytes, encoding.kind(), &ok);
    if (!ok || cards.isEmpty() || cards.first().titolo().isEmpty()) return 0;
    bool again = false;
    const QList<ContactRecord> back =
        readAll(VcardWriter::card(cards.first()), TextEncoding::Utf8, &again);
    FUZZ_CHECK(again && back.size() == 1);
    FUZZ_CHECK(back.first() == cards.first());
    return 0;
}
