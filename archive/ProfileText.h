#pragma once

#include <QString>
#include <QStringList>

// The lines of a private-profile file and the rules that find and replace keys in them.
class ProfileText {
public:
    // Splits file bytes (Windows-1252, LF or CRLF) into lines.
    static ProfileText parse(const QByteArray &bytes);
    QByteArray serialize() const;

    // Index of the line "[section]" (case-insensitive), or -1.
    int sectionLine(const QString &section) const;
    // Index of the key's line inside the section starting at `sectionLine`, or -1.
    int keyLine(int sectionLine, const QString &key) const;
    // The value of that line: text after the first "=", trimmed, one pair of quotes removed.
    QString valueAt(int line) const;

    QString value(const QString &section, const QString &key) const;
    void setValue(const QString &section, const QString &key, const QString &value);

    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    bool m_crlf = true;
};
