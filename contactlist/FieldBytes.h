#pragma once

#include <array>

#include "archive/ContactRecord.h"
#include "contactlist/ListColumns.h"

// One field of a raw record, its blanks trimmed, still in the archive's bytes.
struct FieldBytes {
    const char *data = nullptr;
    int size = 0;

    static FieldBytes of(const char *raw, ContactRecord::Field field) {
        return trimmed(raw + ContactRecord::offset(field), ContactRecord::width(field));
    }

    // The seven fields of the list's columns (column c at index c − 1).
    using Shown = std::array<FieldBytes, ListColumns::kFieldColumns>;
    static Shown shown(const char *raw) {
        struct Place {
            int offset, width;
        };
        static const std::array<Place, ListColumns::kFieldColumns> places = [] {
            std::array<Place, ListColumns::kFieldColumns> p{};
            for (int c = 1; c <= ListColumns::kFieldColumns; ++c) {
                const auto field = ListColumns::field(ListColumns::Column(c));
                p[size_t(c - 1)] = {ContactRecord::offset(field), ContactRecord::width(field)};
            }
            return p;
        }();
        Shown out;
        for (size_t i = 0; i < places.size(); ++i)
            out[i] = trimmed(raw + places[i].offset, places[i].width);
        return out;
    }

private:
    static FieldBytes trimmed(const char *begin, int width) {
        const char *end = begin + width;
        while (begin < end && *begin == ' ') ++begin;
        while (end > begin && end[-1] == ' ') --end;
        return {begin, int(end - begin)};
    }
};
