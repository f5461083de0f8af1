#pragma once

#include <QDialog>
#include <QProgressBar>
#include <QPushButton>

#include "printing/PrintProgress.h"

// The progress of a long printout: "Pagina 3 di 417" and "Annulla", which stops the
// printout before its next page (the pages already drawn are still sent).
class PrintProgressWindow : public QDialog {
    Q_OBJECT
public:
    explicit PrintProgressWindow(QWidget *parent = nullptr);

    QProgressBar *prgStampa;
    QPushButton *cmdAnnulla;

    // Shows the page about to start and lets the window hear "Annulla"; false once the
    // user asked to stop.
    bool advance(const PrintProgress &progress);
    bool stopRequested() const { return m_stop; }

public slots:
    // "Annulla", or closing the window: the printout stops at the next page.
    void reject() override;

private:
    bool m_stop = false;
};
