#pragma once

class QCoreApplication;

// Loads the Italian translations of Qt's own dialogs (qtbase_it.qm), so that a Yes/No
// box shows "Sì" and "No": the copy installed with the program (its translations folder)
// first, else Qt's own. Returns false when neither is there.
class Translations {
public:
    static bool installItalian(QCoreApplication &app);
};
