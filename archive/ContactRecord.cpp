#include "archive/ContactRecord.h"

#include <cstdint>
#include <cstring>

#include "archive/Cp1252Codec.h"

namespace {

constexpr std::array<int, ContactRecord::FieldCount> kWidths = {30, 30, 40, 40, 11,  20,  20,
                                                                20, 40, 60, 60, 255, 255, 255};

const char *const kNames[ContactRecord::FieldCount] = {
    "Titolo", "Sottotitolo", "Indirizzo",    "Citta", "Iva",    "Tel",    "Fax",
    "Cel",    "Email",       "Informazioni", "Web",   "Logo01", "Logo02", "Logo03"};

// First index in [b, e) that is not a blank, or e; eight bytes at a time.
int skipBlanksForward(const char *p, int b, int e) {
    constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;
    while (b + 8 <= e) {
        std::uint64_t word;
        std::memcpy(&word, p + b, 8);
        if (word != kBlanks) break;
        b += 8;
    }
    while (b < e && p[b] == ' ') ++b;
    return b;
}

// One past the last index in [b, e) that is not a blank, or b.
int skipBlanksBackward(const char *p, int b, int e) {
    constexpr std::uint64_t kBlanks = 0x2020202020202020ULL;
    while (e - 8 >= b) {
        std::uint64_t word;
        std::memcpy(&word, p + e - 8, 8);
        if (word != kBlanks) break;
        e -= 8;
    }
    while (e > b && p[e - 1] == ' ') --e;
    return e;
}

}  // namespace

int ContactRecord::width(Field f) {
    return kWidths[f];
}

int ContactRecord::offset(Field f) {
    int off = 0;
    for (int i = 0; i < f; ++i) off += kWidths[i];
    return off;
}

QString ContactRecord::fieldName(Field f) {
    return QString::fromLatin1(kNames[f]);
}

ContactRecord::Field ContactRecord::fieldFromName(const QString &name) {
    for (int i = 0; i < FieldCount; ++i)
        if (name == QLatin1String(kNames[i])) return Field(i);
    return FieldCount;
}

QString ContactRecord::trimBlanks(const QString &s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin) == u' ') ++begin;
    while (end > begin && s.at(end - 1) == u' ') --end;
    return s.mid(begin, end - begin);
}

QByteArray ContactRecord::encode() const {
    QByteArray out(kRecordLength, ' ');
    char *dst = out.data();
    for (int i = 0; i < FieldCount; ++i) {
        const QByteArray bytes = Cp1252Codec::encode(trimBlanks(m_values[i]));
        const int n = std::min<int>(bytes.size(), kWidths[i]);
        std::copy(bytes.constData(), bytes.constData() + n, dst);
        dst += kWidths[i];
    }
    return out;
}

ContactRecord ContactRecord::decode(const char *data) {
    ContactRecord r;
    const char *src = data;
    for (int i = 0; i < FieldCount; ++i) {
        const int w = kWidths[i];
        const int b = skipBlanksForward(src, 0, w);
        const int e = skipBlanksBackward(src, b, w);
        r.m_values[i] = Cp1252Codec::decode(src + b, e - b);
        src += w;
    }
    return r;
}

ContactRecord ContactRecord::decode(const QByteArray &bytes) {
    if (bytes.size() >= kRecordLength) return decode(bytes.constData());
    QByteArray padded = bytes;
    padded.append(QByteArray(kRecordLength - bytes.size(), ' '));
    return decode(padded.constData());
}
