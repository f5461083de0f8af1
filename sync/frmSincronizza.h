#pragma once

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "sync/DavClient.h"
#include "ui/SmallDialog.h"

class ArchiveStore;

// "Sincronizza": the sync with the shared address book, its progress with "Annulla", the
// questions it needs (deletions, contacts changed on both sides) and its closing summary.
class frmSincronizza : public SmallDialog {
    Q_OBJECT
public:
    // Runs a sync from the window `parent`; true when the archive may have changed.
    static bool run(QWidget *parent, ArchiveStore &store);

    explicit frmSincronizza(QWidget *parent = nullptr);

    QLabel *lblStato;
    QProgressBar *prgAvanzamento;
    QPushButton *cmdAnnulla;

    DavClient &client() { return m_client; }

private:
    DavClient m_client;
};
