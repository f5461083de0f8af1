// The CSV contacts reader on arbitrary bytes (UTF-16 ones turned into UTF-8 first, as the
// import does): never a crash; every contact it gives makes an archive record of the right
// length without a control character; reading stops when told to.
#include <QBuffer>

#include "contactfiles/CsvContactReader.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes = fuzzBytes(data, size);
    if (const auto utf16 = TextEncoding::utf16Of(bytes); utf16 != TextEncoding::Utf8)
        bytes = TextEncoding::toUtf8(bytes, utf16);
    TextEncoding encoding;
    encoding.scan(bytes.constData(), bytes.size());
    encoding.finish();
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    CsvContactReader reader;
    int contacts = 0;
    const bool ok = reader.read(in, encoding.kind(), [&](const ContactDraft &draft) {
        const ContactRecord record = draft.toRecord();
        FUZZ_CHECK(record.encode().size() == ContactRecord::kRecordLength);
        FUZZ_CHECK(noControlCharacter(record));
        return ++contacts < 50;
    });
    FUZZ_CHECK(ok || !reader.error().isEmpty());
    FUZZ_CHECK(contacts <= 50);
    return 0;
}
