#include "sync/frmConflitto.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

#include "archive/ExportTitles.h"
#include "platform/Platform.h"

frmConflitto::frmConflitto(const ContactRecord &local, const ContactRecord &server, QWidget *parent)
    : SmallDialog(QStringLiteral("frmConflitto"),
                  QStringLiteral(" Contatto cambiato da entrambe le parti"), QSize(),
                  Background::None, parent) {
    auto *caption = new QLabel(
        QStringLiteral("«%1» è stato cambiato sia nell'archivio sia sul server dall'ultima "
                       "sincronizzazione. Scegliere la versione da tenere.")
            .arg(local.titolo().isEmpty() ? server.titolo() : local.titolo()),
        this);
    caption->setWordWrap(true);
    grdCampi = new QTableWidget(ContactRecord::Logo01, 2, this);
    grdCampi->setObjectName(QStringLiteral("grdCampi"));
    grdCampi->setHorizontalHeaderLabels({QStringLiteral("Archivio"), QStringLiteral("Server")});
    grdCampi->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCampi->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    for (int f = 0; f < ContactRecord::Logo01; ++f) {
        const auto field = ContactRecord::Field(f);
        grdCampi->setVerticalHeaderItem(f, new QTableWidgetItem(ExportTitles::texts().value(f)));
        auto *mine = new QTableWidgetItem(local.value(field));
        auto *theirs = new QTableWidgetItem(server.value(field));
        if (local.value(field) != server.value(field)) {
            QFont bold = mine->font();
            bold.setBold(true);
            mine->setFont(bold);
            theirs->setFont(bold);
        }
        grdCampi->setItem(f, 0, mine);
        grdCampi->setItem(f, 1, theirs);
    }
    cmdArchivio = new QPushButton(QStringLiteral("Tieni l'&archivio"), this);
    cmdServer = new QPushButton(QStringLiteral("Tieni il &server"), this);
    cmdEntrambi = new QPushButton(QStringLiteral("&Mantieni entrambi"), this);
    cmdDopo = new QPushButton(QStringLiteral("&Decidi dopo"), this);
    cmdArchivio->setObjectName(QStringLiteral("cmdArchivio"));
    cmdServer->setObjectName(QStringLiteral("cmdServer"));
    cmdEntrambi->setObjectName(QStringLiteral("cmdEntrambi"));
    cmdDopo->setObjectName(QStringLiteral("cmdDopo"));
    connect(cmdArchivio, &QPushButton::clicked, this, [this] { choose(SyncPlan::Choice::Local); });
    connect(cmdServer, &QPushButton::clicked, this, [this] { choose(SyncPlan::Choice::Server); });
    connect(cmdEntrambi, &QPushButton::clicked, this, [this] { choose(SyncPlan::Choice::Both); });
    connect(cmdDopo, &QPushButton::clicked, this, [this] { choose(SyncPlan::Choice::Leave); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdArchivio);
    buttons->addWidget(cmdServer);
    buttons->addWidget(cmdEntrambi);
    buttons->addStretch();
    buttons->addWidget(cmdDopo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(grdCampi);
    layout->addLayout(buttons);
    resize(720, 420);
}

void frmConflitto::choose(SyncPlan::Choice choice) {
    m_choice = choice;
    accept();
}

SyncPlan::Choice frmConflitto::ask(const ContactRecord &local, const ContactRecord &server,
                                   QWidget *parent) {
    frmConflitto window(local, server, parent);
    Platform::instance().execDialog(&window);
    return window.choice();
}
