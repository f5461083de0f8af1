#pragma once

class QCoreApplication;

// Loads the Italian translations of Qt's own dialogs (qtbase_it.qm), so that a Yes/No
// box shows "Sì" and "No". Returns false when the file is not installed.
class Translations {
public:
    static bool installItalian(QCoreApplication &app);
};
