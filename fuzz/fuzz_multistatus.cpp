// The WebDAV multistatus reader on arbitrary bytes: never a crash, a refusal always says
// why, and what it reads stays within its bounds.
#include "fuzz/FuzzCheck.h"
#include "sync/Multistatus.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Multistatus ms;
    const bool ok = ms.parse(fuzzBytes(data, size));
    FUZZ_CHECK(ok || !ms.error.isEmpty());
    FUZZ_CHECK(ms.responses.size() <= Multistatus::kMaxResponses);
    for (const DavResponse &r : ms.responses) {
        FUZZ_CHECK(r.addressData.size() <= 4 * Multistatus::kMaxValueBytes);
        FUZZ_CHECK(r.status >= 0 && r.status <= 999);
    }
    return 0;
}
