#pragma once

#include <QString>

// Cartaflex.ini, a private-profile file: "[Section]" lines, then "Key=Value" lines.
// Sections and keys are compared without regard to case; a value is read back at most
// 255 characters long; a missing file, section or key reads as the empty text. The first
// write creates the file and the section; a key is replaced in place and every other line
// is kept. Files written on Windows (CRLF, Windows-1252, any letter case) read the same.
// A write replaces the whole file in one step, so the file is always the old or the new.
class SettingsFile {
public:
    static constexpr const char *kFileName = "Cartaflex.ini";
    static constexpr int kMaxValueLength = 255;

    // The settings file of the program folder, or the given file path.
    SettingsFile();
    explicit SettingsFile(const QString &filePath);

    QString filePath() const { return m_path; }

    QString read(const QString &section, const QString &key) const;
    // False when the file cannot be written; it is then left as it was.
    bool write(const QString &section, const QString &key, const QString &value);

    // Section and key names used by the program.
    static constexpr const char *kColours = "Impostazioni Colore";
    static constexpr const char *kTitleColour = "Colore Titolo";
    static constexpr const char *kSubtitleColour = "Colore Sottotitolo";
    static constexpr const char *kSender = "Mittente";
    static constexpr const char *kRecipient = "Destinatario";
    static constexpr const char *kEnvelopePrint = "Stampa Busta";
    static constexpr const char *kOrientation = "Orientamento";

private:
    QString m_path;
};
