#include "archive/ProfileText.h"

#include "archive/Cp1252Codec.h"

namespace {

QString trimmed(const QString &s) {
    qsizetype b = 0;
    qsizetype e = s.size();
    auto space = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\r'; };
    while (b < e && space(s.at(b))) ++b;
    while (e > b && space(s.at(e - 1))) --e;
    return s.mid(b, e - b);
}

// The name inside "[name]", or a null string when the line is no section header.
QString sectionName(const QString &line) {
    const QString t = trimmed(line);
    if (!t.startsWith(u'[')) return QString();
    const qsizetype close = t.indexOf(u']');
    if (close < 0) return QString();
    return trimmed(t.mid(1, close - 1));
}

}  // namespace

ProfileText ProfileText::parse(const QByteArray &bytes) {
    ProfileText p;
    if (bytes.isEmpty()) return p;
    p.m_crlf = bytes.contains("\r\n") || !bytes.contains('\n');
    QString text = Cp1252Codec::decode(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    p.m_lines = text.split(u'\n');
    if (!p.m_lines.isEmpty() && p.m_lines.last().isEmpty()) p.m_lines.removeLast();
    return p;
}

QByteArray ProfileText::serialize() const {
    const QString eol = m_crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QString text;
    for (const QString &line : m_lines) text += line + eol;
    return Cp1252Codec::encode(text);
}

int ProfileText::sectionLine(const QString &section) const {
    const QString wanted = trimmed(section);
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString name = sectionName(m_lines.at(i));
        if (!name.isNull() && name.compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

int ProfileText::keyLine(int sectionLine, const QString &key) const {
    if (sectionLine < 0) return -1;
    const QString wanted = trimmed(key);
    for (int i = sectionLine + 1; i < m_lines.size(); ++i) {
        const QString &line = m_lines.at(i);
        if (!sectionName(line).isNull()) break;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) continue;
        if (trimmed(line.left(eq)).compare(wanted, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

QString ProfileText::valueAt(int line) const {
    const QString &l = m_lines.at(line);
    QString v = trimmed(l.mid(l.indexOf(u'=') + 1));
    if (v.size() >= 2 && v.startsWith(u'"') && v.endsWith(u'"')) v = v.mid(1, v.size() - 2);
    return v;
}

QString ProfileText::value(const QString &section, const QString &key) const {
    const int line = keyLine(sectionLine(section), key);
    return line < 0 ? QString() : valueAt(line);
}

void ProfileText::setValue(const QString &section, const QString &key, const QString &value) {
    // A line break inside a value would start a new line of the file.
    QString clean = value;
    clean.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString entry = trimmed(key) + u'=' + clean;
    int s = sectionLine(section);
    if (s < 0) {
        m_lines.append(u'[' + trimmed(section) + u']');
        m_lines.append(entry);
        return;
    }
    const int k = keyLine(s, key);
    if (k >= 0) {
        m_lines[k] = entry;
        return;
    }
    // New key: after the section's last key line, before any blank lines that end it.
    int insertAt = s + 1;
    for (int i = s + 1; i < m_lines.size(); ++i) {
        if (!sectionName(m_lines.at(i)).isNull()) break;
        if (!trimmed(m_lines.at(i)).isEmpty()) insertAt = i + 1;
    }
    m_lines.insert(insertAt, entry);
}
