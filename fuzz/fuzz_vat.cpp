// The VAT check on arbitrary text: an outcome for every text, and "right" only for a
// number whose eleventh digit is the check digit of the first ten.
#include "fuzz/FuzzCheck.h"
#include "vat/VatCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    const int expected = VatCheck::expectedCheckDigit(text);
    FUZZ_CHECK(expected >= 0 && expected <= 9);
    const VatCheck::Outcome outcome = VatCheck::run(text);
    FUZZ_CHECK(!outcome.text.isEmpty());
    if (outcome.kind == VatCheck::Kind::Right) {
        // The check digit is taken from the text as typed (a non-digit counts as 0).
        FUZZ_CHECK(VatCheck::trimBlanks(text).size() >= 11);
        FUZZ_CHECK(VatCheck::digit(text, 11) == VatCheck::expectedCheckDigit(text));
    }
    const VatCheck::Outcome direct = VatCheck::controllaIva(text);
    FUZZ_CHECK(!direct.text.isEmpty());
    return 0;
}
