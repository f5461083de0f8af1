#include "cards/CardSheetSettings.h"

#include "archive/SettingsFile.h"

namespace CardSheetSettings {

CardSheet read(const SettingsFile &settings, CardFormat format) {
    const QString kept =
        settings.read(QString::fromLatin1(kSection), CardFormats::tag(format)).trimmed();
    return CardSheet::fromKey(format, kept).value_or(CardSheet(format));
}

bool write(SettingsFile &settings, const CardSheet &sheet) {
    return settings.write(QString::fromLatin1(kSection), CardFormats::tag(sheet.format()),
                          sheet.key());
}

}  // namespace CardSheetSettings
