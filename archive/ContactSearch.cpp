#include "archive/ContactSearch.h"

#include <unordered_map>
#include <vector>

#include "archive/Cp1252Codec.h"
#include "archive/KeyMatcher.h"
#include "archive/ResultLine.h"

namespace {

quint64 lineHash(const char *data, int size) {
    // FNV-1a, 64 bits: a fingerprint of a result line, checked byte by byte afterwards.
    quint64 h = 1469598103934665603ULL;
    for (int i = 0; i < size; ++i) {
        h ^= static_cast<unsigned char>(data[i]);
        h *= 1099511628211ULL;
    }
    return h;
}

}  // namespace

QString ContactSearch::countCaption(int count) {
    return QStringLiteral("Trovati ") + QString::number(count) + QStringLiteral(" contatti");
}

ContactSearch::Result ContactSearch::run(ArchiveStore &store, ContactRecord::Field field,
                                         const QString &key) {
    Result result;
    const KeyMatcher matcher(key);
    const int offset = ContactRecord::offset(field);
    const int width = ContactRecord::width(field);

    // The fingerprint of every record's line, so that each listed line can be given the
    // lowest-numbered record that reads the same, listed or not, without a second pass.
    std::vector<quint64> fingerprints;
    const int count = store.recordCount();
    if (count < 0) {
        result.readOk = false;
        return result;
    }
    fingerprints.reserve(size_t(count));
    QList<quint64> hitPrints;
    char line[ResultLine::kMaxRawLength];

    result.readOk = store.forEachRawRecord([&](int n, const char *raw) {
        const int len = ResultLine::buildRaw(raw, line);
        const quint64 h = lineHash(line, len);
        fingerprints.push_back(h);
        if (matcher.matches(raw + offset, width)) {
            SearchHit hit;
            hit.line = Cp1252Codec::decode(line, len);
            hit.number = n;
            hit.listedNumber = n;
            result.hits.append(hit);
            hitPrints.append(h);
        }
        return true;
    });

    // Lowest record number for each fingerprint of a listed line.
    std::unordered_map<quint64, int> first;
    first.reserve(size_t(hitPrints.size()));
    for (quint64 h : hitPrints) first.emplace(h, 0);
    int pending = int(first.size());
    for (size_t i = 0; i < fingerprints.size() && pending > 0; ++i) {
        auto it = first.find(fingerprints[i]);
        if (it != first.end() && it->second == 0) {
            it->second = int(i) + 1;
            --pending;
        }
    }
    for (qsizetype i = 0; i < result.hits.size(); ++i) {
        const int lowest = first[hitPrints[i]];
        if (lowest > 0 && lowest < result.hits[i].number) result.hits[i].number = lowest;
    }
    return result;
}

int ContactSearch::recordForHit(ArchiveStore &store, const SearchHit &hit, ContactRecord &record) {
    for (int n : {hit.number, hit.listedNumber}) {
        if (n <= 0) continue;
        ContactRecord r;
        if (store.readRecord(n, r) && ResultLine::build(r) == hit.line) {
            record = r;
            return n;
        }
    }
    // The file no longer holds the listed records where they were: one pass, first equal.
    int found = 0;
    store.forEachRecord([&](int n, const ContactRecord &r) {
        if (ResultLine::build(r) != hit.line) return true;
        record = r;
        found = n;
        return false;
    });
    return found;
}
