// The CSV contacts reader on arbitrary bytes: never a crash; every contact it gives makes
// an archive record of the right length; reading stops when told to.
#include <QBuffer>

#include "contactfiles/CsvContactReader.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    QByteArray bytes = fuzzBytes(data, size);
    TextEncoding encoding;
    encoding.scan(bytes.constData(), bytes.size());
    encoding.finish();
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    CsvContactReader reader;
    int contacts = 0;
    const bool ok = reader.read(in, encoding.kind(), [&](const ContactDraft &draft) {
        FUZZ_CHECK(draft.toRecord().encode().size() == ContactRecord::kRecordLength);
        return ++contacts < 50;
    });
    FUZZ_CHECK(ok || !reader.error().isEmpty());
    FUZZ_CHECK(contacts <= 50);
    return 0;
}
