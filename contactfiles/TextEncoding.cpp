#include "contactfiles/TextEncoding.h"

#include <cstring>

#include "archive/Cp1252Codec.h"

void TextEncoding::scan(const char *data, qsizetype size) {
    if (!m_nul && std::memchr(data, 0, size_t(size))) m_nul = true;
    if (!m_valid) return;
    for (qsizetype i = 0; i < size; ++i) {
        // Plain ASCII eight bytes at a time.
        if (m_pending == 0) {
            while (i + 8 <= size) {
                quint64 word;
                std::memcpy(&word, data + i, 8);
                if (word & 0x8080808080808080ULL) break;
                i += 8;
            }
            if (i >= size) break;
        }
        const auto b = static_cast<unsigned char>(data[i]);
        if (m_pending > 0) {
            if ((b & 0xC0) != 0x80) {
                m_valid = false;
                return;
            }
            m_codePoint = (m_codePoint << 6) | (b & 0x3F);
            if (--m_pending == 0) {
                // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
                static const unsigned kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
                if (m_codePoint < kLeast[m_sequenceLength] || m_codePoint > 0x10FFFF ||
                    (m_codePoint >= 0xD800 && m_codePoint <= 0xDFFF)) {
                    m_valid = false;
                    return;
                }
            }
            continue;
        }
        if (b < 0x80) continue;
        if ((b & 0xE0) == 0xC0) {
            m_pending = 1;
            m_codePoint = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            m_pending = 2;
            m_codePoint = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            m_pending = 3;
            m_codePoint = b & 0x07;
        } else {
            m_valid = false;
            return;
        }
        m_sequenceLength = m_pending + 1;
    }
}

void TextEncoding::finish() {
    if (m_pending > 0) m_valid = false;
}

QString TextEncoding::decode(const char *data, qsizetype size, Kind kind) {
    return kind == Utf8 ? QString::fromUtf8(data, size) : Cp1252Codec::decode(data, size);
}

bool TextEncoding::startsWithBom(const QByteArray &bytes) {
    return bytes.startsWith("\xEF\xBB\xBF");
}
