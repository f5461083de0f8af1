#include "office/frmToExcel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "archive/ArchiveStore.h"
#include "office/ExportMessages.h"
#include "office/OfficeAvailability.h"
#include "office/XlsxExport.h"
#include "platform/Artwork.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "platform/ProgramFolder.h"
#include "ui/EnterClicks.h"
#include "ui/PanelLabel.h"
#include "ui/ShowMessage.h"

namespace {

// The counter is repainted at most this often: every record would spend more time on
// drawing than on the export itself.
constexpr qint64 kRepaintMs = 40;

}  // namespace

frmToExcel::frmToExcel(QWidget *parent)
    : SmallDialog(QStringLiteral("frmToExcel"),
                  QStringLiteral(" Esporta archivio in un foglio di calcolo"), QSize(),
                  Background::None, parent) {
    imgExcel = PanelLabel::picture(this, "imgExcel", ":/art/excel.svg", QSize(64, 64));
    imgFoglio = PanelLabel::picture(this, "imgFoglio", ":/art/excel_foglio.svg", QSize(64, 48));
    imgHourglass = PanelLabel::picture(this, "imgHourglass", ":/art/clessidra.svg", QSize(32, 48));
    lblInfo01 =
        PanelLabel::text(this, "lblInfo01",
                         "Fare clic sul pulsante in calce per esportare l'archivio in un foglio di "
                         "calcolo.");
    lblInfo02 = PanelLabel::text(
        this, "lblInfo02",
        "Attenzione: questa operazione potrebbe richiedere diversi minuti, a seconda "
        "delle dimensioni dell'archivio.");
    lblInfo02->setStyleSheet(QStringLiteral("color: #7d2118;"));
    cmdEsporta = new QPushButton(QStringLiteral("&Esporta"), this);
    cmdEsporta->setObjectName(QStringLiteral("cmdEsporta"));
    cmdEsporta->setMinimumWidth(110);
    EnterClicks::install(cmdEsporta);
    lblAttendere =
        PanelLabel::text(this, "lblAttendere", "Esportazione dati in corso. Attendere...");
    lblAttendere->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblExport01 = PanelLabel::text(this, "lblExport01", "Esportati n.");
    lblExport01->setWordWrap(false);
    txtEsportati = new QLineEdit(QStringLiteral("0"), this);
    txtEsportati->setObjectName(QStringLiteral("txtEsportati"));
    txtEsportati->setReadOnly(true);
    txtEsportati->setFixedWidth(70);
    txtEsportati->setAlignment(Qt::AlignRight);
    lblTotale = PanelLabel::text(this, "lblTotale", "di 0 record.");
    lblTotale->setWordWrap(false);
    prgEsportati = new QProgressBar(this);
    prgEsportati->setObjectName(QStringLiteral("prgEsportati"));
    prgEsportati->setRange(0, 1);
    prgEsportati->setValue(0);
    prgEsportati->setTextVisible(false);

    auto *top = new QHBoxLayout;
    top->addWidget(imgExcel, 0, Qt::AlignTop);
    auto *info = new QVBoxLayout;
    info->addWidget(lblInfo01);
    info->addWidget(lblInfo02);
    top->addLayout(info, 1);
    top->addWidget(imgFoglio, 0, Qt::AlignTop);

    auto *counter = new QHBoxLayout;
    counter->addWidget(imgHourglass);
    counter->addWidget(lblExport01);
    counter->addWidget(txtEsportati);
    counter->addWidget(lblTotale);
    counter->addWidget(prgEsportati, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdEsporta);

    auto *all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addSpacing(8);
    all->addWidget(lblAttendere);
    all->addLayout(counter);
    all->addStretch(1);
    all->addLayout(buttons);
    setFixedSize(500, 230);

    // The waiting state: only the information and the button.
    for (QWidget *w : {static_cast<QWidget *>(lblAttendere), static_cast<QWidget *>(lblExport01),
                       static_cast<QWidget *>(txtEsportati), static_cast<QWidget *>(lblTotale),
                       static_cast<QWidget *>(prgEsportati), static_cast<QWidget *>(imgHourglass)})
        w->hide();

    connect(cmdEsporta, &QPushButton::clicked, this, &frmToExcel::cmdEsporta_Click);
}

void frmToExcel::showProgress(int n, bool force) {
    txtEsportati->setText(QString::number(n));
    prgEsportati->setValue(n);
    if (force || !m_sinceRepaint.isValid() || m_sinceRepaint.elapsed() >= kRepaintMs) {
        repaint();
        m_sinceRepaint.start();
    }
}

void frmToExcel::cmdEsporta_Click() {
    if (!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Spreadsheet)) {
        Platform::instance().messageBox(QString::fromUtf8(ExportMessages::kSpreadsheetMissingText),
                                        QString::fromUtf8(ExportMessages::kSpreadsheetMissingTitle),
                                        MsgIcon::Critical, MsgButtons::Ok);
        return;
    }
    // An export runs once per opening of the window.
    cmdEsporta->setEnabled(false);

    ArchiveStore store;
    int count = std::max(0, store.recordCount());
    lblTotale->setText(QStringLiteral("di %1 record.").arg(count));
    for (QWidget *w : {static_cast<QWidget *>(lblAttendere), static_cast<QWidget *>(lblExport01),
                       static_cast<QWidget *>(txtEsportati), static_cast<QWidget *>(lblTotale),
                       static_cast<QWidget *>(prgEsportati), static_cast<QWidget *>(imgHourglass)})
        w->show();

    // The workbook goes into a folder of its own, which stays: the spreadsheet program
    // reads the file after this window has gone.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/cartaflex-archivio-XXXXXX"));
    folder.setAutoRemove(false);
    {
        HourglassCursor hourglass;
        count = std::max(0, store.recordCount());
        prgEsportati->setRange(0, std::max(1, count));
        showProgress(0, true);
        if (folder.isValid()) {
            const QString path = ProgramFolder::join(folder.path(), QString::fromLatin1(kFileName));
            XlsxExport exporter;
            const bool written =
                exporter.write(store, path, [this](int n) { showProgress(n, false); });
            showProgress(exporter.rowsWritten(), true);
            if (written) {
                m_file = path;
                showMessages(OfficeAvailability::openOrOfferSave(
                    path, OfficeAvailability::Kind::Spreadsheet));
            } else {
                folder.remove();
            }
        }
    }
    accept();
}
