// The record codec on arbitrary bytes: decoding never fails, and what it gives encodes to
// a record that decodes to the same fields (the archive round trip is exact).
#include "archive/ContactRecord.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    // As stored: the input is one record (cut, or blank-filled when short).
    const ContactRecord stored = ContactRecord::decode(bytes);
    const QByteArray encoded = stored.encode();
    FUZZ_CHECK(encoded.size() == ContactRecord::kRecordLength);
    const ContactRecord again = ContactRecord::decode(encoded);
    for (int f = 0; f < ContactRecord::FieldCount; ++f) {
        const auto field = ContactRecord::Field(f);
        FUZZ_CHECK(again.value(field) == stored.value(field));
        FUZZ_CHECK(again.value(field).size() <= ContactRecord::width(field));
        FUZZ_CHECK(!again.value(field).startsWith(u' ') && !again.value(field).endsWith(u' '));
    }
    FUZZ_CHECK(again.encode() == encoded);
    // As typed: the input as UTF-8 text in every field is cut to the widths.
    const QString text = QString::fromUtf8(bytes);
    ContactRecord typed;
    for (int f = 0; f < ContactRecord::FieldCount; ++f)
        typed.setValue(ContactRecord::Field(f), text);
    const QByteArray typedBytes = typed.encode();
    FUZZ_CHECK(typedBytes.size() == ContactRecord::kRecordLength);
    FUZZ_CHECK(ContactRecord::decode(typedBytes).encode() == typedBytes);
    return 0;
}
