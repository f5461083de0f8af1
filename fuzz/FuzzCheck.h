#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property every input must keep: a broken one stops the fuzzer like a crash, and the
// input is kept as a regression.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "property broken: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

inline QByteArray fuzzBytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// No control character in any value of a record (it would reach the archive).
template <typename Record>
bool noControlCharacter(const Record &record) {
    for (int i = 0; i < Record::FieldCount; ++i)
        for (QChar c : record.value(typename Record::Field(i)))
            if (c.category() == QChar::Other_Control) return false;
    return true;
}
