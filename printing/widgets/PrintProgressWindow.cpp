#include "printing/widgets/PrintProgressWindow.h"

#include <QApplication>
#include <QVBoxLayout>

#include "ui/EnterClicks.h"

PrintProgressWindow::PrintProgressWindow(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStampaInCorso"));
    setWindowTitle(QStringLiteral(" Stampa in corso"));
    setWindowModality(Qt::ApplicationModal);
    prgStampa = new QProgressBar(this);
    prgStampa->setObjectName(QStringLiteral("prgStampa"));
    prgStampa->setMinimumWidth(320);
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    EnterClicks::install(cmdAnnulla);
    prgStampa->setAccessibleName(QStringLiteral("Avanzamento stampa"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(prgStampa);
    layout->addWidget(cmdAnnulla, 0, Qt::AlignRight);
    connect(cmdAnnulla, &QPushButton::clicked, this, &PrintProgressWindow::reject);
}

bool PrintProgressWindow::advance(const PrintProgress &progress) {
    prgStampa->setRange(0, progress.pages);
    prgStampa->setValue(progress.page - 1);
    prgStampa->setFormat(QStringLiteral("Pagina %1 di %2").arg(progress.page).arg(progress.pages));
    if (!isVisible()) show();
    // The window stays alive while the pages are drawn, so that "Annulla" is heard.
    QApplication::processEvents();
    return !m_stop;
}

void PrintProgressWindow::reject() {
    m_stop = true;
    cmdAnnulla->setEnabled(false);
}
