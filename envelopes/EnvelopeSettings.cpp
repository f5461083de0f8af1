#include "envelopes/EnvelopeSettings.h"

#include "archive/ArchiveColours.h"
#include "archive/ContactRecord.h"
#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/OrientationWord.h"
#include "envelopes/SenderLogo.h"
#include "platform/VbColor.h"

namespace {

QString key(const char *name) {
    return QString::fromLatin1(name);
}

}  // namespace

void EnvelopeSettings::loadSenderLines(EnvelopeContent &content, const SettingsFile &settings) {
    for (int i = 0; i < EnvelopeContent::SenderLineCount; ++i) {
        const QString v = ContactRecord::trimBlanks(
            settings.read(key(SettingsFile::kSender),
                          EnvelopeContent::senderKey(EnvelopeContent::SenderLine(i))));
        content.sender[i] = v;
    }
}

bool EnvelopeSettings::loadLogo(EnvelopeContent &content, const QString &logoPath) {
    const QImage image = SenderLogo::load(logoPath);
    if (image.isNull()) return false;
    content.logo = image;
    return true;
}

void EnvelopeSettings::loadMargins(EnvelopeContent &content, const SettingsFile &settings) {
    const auto take = [&](const char *section, const char *name, QString &target) {
        const QString v = ContactRecord::trimBlanks(settings.read(key(section), key(name)));
        if (!v.isEmpty()) target = v;
    };
    take(SettingsFile::kSender, kLeftMargin, content.marginSin);
    take(SettingsFile::kSender, kTopMargin, content.marginSup);
    take(SettingsFile::kRecipient, kLeftMargin, content.marginSinD);
    take(SettingsFile::kRecipient, kTopMargin, content.marginSupD);
}

bool EnvelopeSettings::orientationKept(const SettingsFile &settings) {
    // An empty value reads as upright, but it is no choice of the user's.
    const QString value =
        settings.read(key(SettingsFile::kEnvelopePrint), key(SettingsFile::kOrientation));
    return !ContactRecord::trimBlanks(value).isEmpty() &&
           OrientationWord::fromSetting(value).has_value();
}

void EnvelopeSettings::loadOrientation(EnvelopeContent &content, const SettingsFile &settings) {
    const auto word = OrientationWord::fromSetting(
        settings.read(key(SettingsFile::kEnvelopePrint), key(SettingsFile::kOrientation)));
    if (word) content.orientation = *word;
}

EnvelopeSettings::LoadReport EnvelopeSettings::load(EnvelopeContent &content,
                                                    const SettingsFile &settings,
                                                    const QString &logoPath) {
    LoadReport report;
    const ArchiveColours::Pair colours = ArchiveColours::read(settings);
    content.titleColour = VbColor::toColor(colours.title);
    content.subtitleColour = VbColor::toColor(colours.subtitle);
    report.coloursOk = ArchiveColours::readable(settings);

    loadSenderLines(content, settings);
    report.logoOk = loadLogo(content, logoPath);
    loadMargins(content, settings);
    loadOrientation(content, settings);
    content.paper = EnvelopeSize::paper(EnvelopeSize::read(settings));
    return report;
}

bool EnvelopeSettings::saveSenderLines(const EnvelopeContent &content, SettingsFile &settings) {
    bool ok = true;
    for (int i = 0; i < EnvelopeContent::SenderLineCount; ++i) {
        if (!settings.write(key(SettingsFile::kSender),
                            EnvelopeContent::senderKey(EnvelopeContent::SenderLine(i)),
                            ContactRecord::trimBlanks(content.sender[i])))
            ok = false;
    }
    return ok;
}
