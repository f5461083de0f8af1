#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "platform/ProgramFolder.h"

bool Translations::installItalian(QCoreApplication &app) {
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    auto *translator = new QTranslator(&app);
    const QString name = QStringLiteral("qtbase_it");
    if (!translator->load(name, ProgramFolder::join(ProgramFolder::installPath(),
                                                    QStringLiteral("translations"))) &&
        !translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}
