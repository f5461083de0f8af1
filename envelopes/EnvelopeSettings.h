#pragma once

#include <QColor>
#include <QString>
#include <optional>

#include "envelopes/EnvelopeContent.h"

class SettingsFile;

// What the envelope composer keeps in Cartaflex.ini and Logo.bmp, and the steps that
// read it back when the composer opens. Every step stands on its own: one that fails
// (a colour that is not a number, a missing or broken Logo.bmp) leaves its own part of
// the content at its design state and the later steps still run.
class EnvelopeSettings {
public:
    // Which loading steps could not use what they found.
    struct LoadReport {
        bool coloursOk = true;
        bool logoOk = true;
    };

    // Runs the composer's loading steps into `content`, in order: colours, the eight
    // sender lines, the logo file, the four margin texts, the orientation.
    static LoadReport load(EnvelopeContent &content, const SettingsFile &settings,
                           const QString &logoPath);

    // The sender lines step: a trimmed-empty value empties the line.
    static void loadSenderLines(EnvelopeContent &content, const SettingsFile &settings);
    // The logo step: false (logo unchanged) when the file is missing or not a picture.
    static bool loadLogo(EnvelopeContent &content, const QString &logoPath);
    // The margins step: a value empty after trimming leaves its text.
    static void loadMargins(EnvelopeContent &content, const SettingsFile &settings);
    // The orientation step (see OrientationWord::fromSetting).
    static void loadOrientation(EnvelopeContent &content, const SettingsFile &settings);
    // True when Cartaflex.ini keeps an orientation the program reads.
    static bool orientationKept(const SettingsFile &settings);

    // The composer's closing: the eight sender lines, each trimmed, into "Mittente".
    // False when the file could not be written.
    static bool saveSenderLines(const EnvelopeContent &content, SettingsFile &settings);

    static constexpr const char *kLeftMargin = "Margine Sinistro";
    static constexpr const char *kTopMargin = "Margine Superiore";
};
