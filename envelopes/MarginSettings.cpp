#include "envelopes/MarginSettings.h"

#include "archive/ContactRecord.h"
#include "archive/SettingsFile.h"
#include "envelopes/MarginText.h"

namespace {

struct Keys {
    const char *text;
    const char *sign;
    const char *centimetres;
    const char *millimetres;
};
constexpr Keys kLeft{"Margine Sinistro", "Segno sin.", "Cm sin.", "Mm sin."};
constexpr Keys kTop{"Margine Superiore", "Segno sup.", "Cm sup.", "Mm sup."};

void readMargin(const SettingsFile &settings, const QString &section, const Keys &keys,
                BlockMargins::Margin &m) {
    const auto take = [&](const char *name, QString &target) {
        const QString v = settings.read(section, QString::fromLatin1(name));
        if (!ContactRecord::trimBlanks(v).isEmpty()) target = ContactRecord::trimBlanks(v);
    };
    take(keys.text, m.text);
    take(keys.sign, m.sign);
    take(keys.centimetres, m.centimetres);
    take(keys.millimetres, m.millimetres);
}

bool writeMargin(SettingsFile &settings, const QString &section, const Keys &keys,
                 const BlockMargins::Margin &m) {
    bool ok = settings.write(section, QString::fromLatin1(keys.text), m.text);
    ok = settings.write(section, QString::fromLatin1(keys.sign),
                        ContactRecord::trimBlanks(m.sign)) &&
         ok;
    ok = settings.write(section, QString::fromLatin1(keys.centimetres),
                        ContactRecord::trimBlanks(m.centimetres)) &&
         ok;
    ok = settings.write(section, QString::fromLatin1(keys.millimetres),
                        ContactRecord::trimBlanks(m.millimetres)) &&
         ok;
    return ok;
}

}  // namespace

void MarginSettings::read(const SettingsFile &settings, const QString &section,
                          BlockMargins &margins) {
    readMargin(settings, section, kLeft, margins.left);
    readMargin(settings, section, kTop, margins.top);
}

bool MarginSettings::write(SettingsFile &settings, const QString &section,
                           const BlockMargins &margins) {
    const bool left = writeMargin(settings, section, kLeft, margins.left);
    const bool top = writeMargin(settings, section, kTop, margins.top);
    return left && top;
}

BlockMargins::Margin MarginSettings::fromParts(const QString &sign, const QString &centimetres,
                                               const QString &millimetres) {
    BlockMargins::Margin m;
    m.sign = ContactRecord::trimBlanks(sign);
    m.centimetres = ContactRecord::trimBlanks(centimetres);
    m.millimetres = ContactRecord::trimBlanks(millimetres);
    m.text = MarginText::build(sign, centimetres, millimetres);
    return m;
}
