#pragma once

#include "archive/ContactRecord.h"

// One field of a raw record, its blanks trimmed, still in the archive's bytes.
struct FieldBytes {
    const char *data = nullptr;
    int size = 0;

    static FieldBytes of(const char *raw, ContactRecord::Field field) {
        const char *begin = raw + ContactRecord::offset(field);
        const char *end = begin + ContactRecord::width(field);
        while (begin < end && *begin == ' ') ++begin;
        while (end > begin && end[-1] == ' ') --end;
        return {begin, int(end - begin)};
    }
};
