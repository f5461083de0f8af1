// The margin-text reader on arbitrary text: a number or nothing, never a crash; a margin
// built from digits reads back as its value.
#include <cmath>

#include "envelopes/MarginText.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = QString::fromUtf8(bytes);
    if (const auto v = MarginText::value(text)) FUZZ_CHECK(std::isfinite(*v));
    const QString latin = QString::fromLatin1(bytes);
    if (const auto v = MarginText::value(latin)) FUZZ_CHECK(std::isfinite(*v));

    // Sign, centimetres and millimetres as the margins window builds them.
    if (size >= 3) {
        const QString sign = data[0] % 2 ? QStringLiteral("-") : QStringLiteral("+");
        const int cm = data[1] % 30;
        const int mm = data[2] % 10;
        const QString built = MarginText::build(sign, QString::number(cm), QString::number(mm));
        const auto v = MarginText::value(built);
        FUZZ_CHECK(v.has_value());
        const double expected = (sign == u'-' ? -1 : 1) * (cm + mm / 10.0);
        FUZZ_CHECK(std::fabs(*v - expected) < 1e-9);
    }
    return 0;
}
