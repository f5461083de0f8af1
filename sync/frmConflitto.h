#pragma once

#include <QPushButton>
#include <QTableWidget>

#include "archive/ContactRecord.h"
#include "sync/SyncPlan.h"
#include "ui/SmallDialog.h"

// A contact changed both in the archive and on the server: both versions field by field
// (the fields that differ in bold), and the choice of one of them, of both ("Mantieni
// entrambi": two contacts on each side), or of neither for now ("Decidi dopo").
class frmConflitto : public SmallDialog {
    Q_OBJECT
public:
    frmConflitto(const ContactRecord &local, const ContactRecord &server,
                 QWidget *parent = nullptr);

    // Shows the window and returns the choice (Leave when closed).
    static SyncPlan::Choice ask(const ContactRecord &local, const ContactRecord &server,
                                QWidget *parent);

    QTableWidget *grdCampi;
    QPushButton *cmdArchivio;
    QPushButton *cmdServer;
    QPushButton *cmdEntrambi;
    QPushButton *cmdDopo;

    SyncPlan::Choice choice() const { return m_choice; }

private:
    void choose(SyncPlan::Choice choice);
    SyncPlan::Choice m_choice = SyncPlan::Choice::Leave;
};
