#include "contactfiles/frmImporta.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "archive/ArchiveStore.h"
#include "contactfiles/TransferMessages.h"
#include "platform/HourglassCursor.h"
#include "platform/Platform.h"
#include "ui/EnterClicks.h"

namespace {

// Files above this size show the progress bar while they are read.
constexpr qint64 kLargeFile = qint64(1) << 20;

void showMessage(const QString &text, MsgIcon icon) {
    Platform::instance().messageBox(text, QString::fromUtf8(TransferMessages::kImportTitle), icon,
                                    MsgButtons::Ok);
}

}  // namespace

bool frmImporta::run(QWidget *parent, ArchiveStore &store) {
    const QString path = Platform::instance().openFileDialog(
        QString::fromUtf8(kTitle),
        {{QStringLiteral("Contatti (*.vcf; *.csv)"), QStringLiteral("*.vcf;*.csv")},
         {QStringLiteral("vCard (*.vcf)"), QStringLiteral("*.vcf")},
         {QStringLiteral("CSV (*.csv)"), QStringLiteral("*.csv")},
         {QStringLiteral("Tutti i file (*.*)"), QStringLiteral("*.*")}},
        0, QString());
    if (path.isEmpty()) return false;
    frmImporta window(store, path, parent);
    if (!window.loadPreview()) return false;
    window.exec();
    return window.imported() > 0;
}

frmImporta::frmImporta(ArchiveStore &store, const QString &path, QWidget *parent)
    : SmallDialog(QStringLiteral("frmImporta"), QStringLiteral(" ") + QString::fromUtf8(kTitle),
                  QSize(), Background::None, parent),
      m_store(store),
      m_path(path),
      m_import(store) {
    lblFile = new QLabel(this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblRiepilogo = new QLabel(this);
    lblRiepilogo->setObjectName(QStringLiteral("lblRiepilogo"));
    m_model = new ImportPreviewModel(this);
    grdContatti = new QTableView(this);
    grdContatti->setObjectName(QStringLiteral("grdContatti"));
    grdContatti->setModel(m_model);
    grdContatti->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdContatti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdContatti->horizontalHeader()->setStretchLastSection(true);
    grdContatti->verticalHeader()->setDefaultSectionSize(20);
    // Tab leaves the table for the choice and the buttons; the arrows move in it.
    grdContatti->setTabKeyNavigation(false);
    grdContatti->setAccessibleName(QStringLiteral("Contatti del file"));
    optNuovi = new QRadioButton(
        QStringLiteral("Importa solo i contatti &nuovi (e quelli da controllare)"), this);
    optNuovi->setObjectName(QStringLiteral("optNuovi"));
    optNuovi->setChecked(true);
    optTutti = new QRadioButton(
        QStringLiteral("Importa &tutti i contatti, anche quelli già presenti"), this);
    optTutti->setObjectName(QStringLiteral("optTutti"));
    prgLettura = new QProgressBar(this);
    prgLettura->setObjectName(QStringLiteral("prgLettura"));
    prgLettura->setRange(0, 1000);
    prgLettura->setTextVisible(false);
    prgLettura->hide();
    cmdImporta = new QPushButton(QStringLiteral("&Importa"), this);
    cmdImporta->setObjectName(QStringLiteral("cmdImporta"));
    cmdImporta->setDefault(true);
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    for (QPushButton *b : {cmdImporta, cmdAnnulla}) EnterClicks::install(b);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(prgLettura, 1);
    buttons->addStretch(0);
    buttons->addWidget(cmdImporta);
    buttons->addWidget(cmdAnnulla);
    auto *all = new QVBoxLayout(this);
    all->addWidget(lblFile);
    all->addWidget(grdContatti, 1);
    all->addWidget(lblRiepilogo);
    all->addWidget(optNuovi);
    all->addWidget(optTutti);
    all->addLayout(buttons);
    resize(760, 480);

    connect(cmdImporta, &QPushButton::clicked, this, &frmImporta::cmdImporta_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &QDialog::reject);
}

void frmImporta::showProgress(double fraction) {
    prgLettura->setValue(int(fraction * 1000));
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (now - m_lastRepaint >= 40) {
        prgLettura->repaint();
        m_lastRepaint = now;
    }
}

bool frmImporta::loadPreview() {
    if (!m_import.open(m_path)) {
        showMessage(m_import.message(), MsgIcon::Exclamation);
        return false;
    }
    const bool large = QFileInfo(m_path).size() > kLargeFile;
    if (large) {
        prgLettura->show();
        show();
    }
    QList<ImportRow> rows;
    bool ok = false;
    {
        HourglassCursor hourglass;
        ok = m_import.preview([&](const ImportRow &row) { rows.append(row); },
                              [&](double f) {
                                  if (large) showProgress(f);
                              });
    }
    prgLettura->hide();
    if (!ok) {
        hide();
        showMessage(m_import.message(), MsgIcon::Exclamation);
        return false;
    }
    m_model->setRows(std::move(rows));
    grdContatti->resizeColumnsToContents();
    const QString format = m_import.format() == ContactImport::Format::Vcard
                               ? QStringLiteral("vCard")
                               : QStringLiteral("CSV");
    const QString encoding = m_import.encoding() == TextEncoding::Utf8
                                 ? QStringLiteral("UTF-8")
                                 : QStringLiteral("Windows-1252");
    lblFile->setText(
        QStringLiteral("File: %1 (%2, %3)").arg(QFileInfo(m_path).fileName(), format, encoding));
    lblRiepilogo->setText(
        QStringLiteral("%1 contatti: %2 nuovi, %3 già presenti, %4 da controllare.")
            .arg(m_import.rows())
            .arg(m_import.rows() - m_import.alreadyPresent() - m_import.toCheck())
            .arg(m_import.alreadyPresent())
            .arg(m_import.toCheck()));
    return true;
}

void frmImporta::cmdImporta_Click() {
    cmdImporta->setEnabled(false);
    const bool large = QFileInfo(m_path).size() > kLargeFile;
    if (large) prgLettura->show();
    bool ok = false;
    {
        HourglassCursor hourglass;
        ok = m_import.run(
            optTutti->isChecked() ? ContactImport::Choice::All : ContactImport::Choice::NewOnly, {},
            [&](double f) {
                if (large) showProgress(f);
            });
    }
    prgLettura->hide();
    if (!ok) {
        showMessage(m_import.message(), MsgIcon::Critical);
        cmdImporta->setEnabled(true);
        return;
    }
    m_imported = m_import.imported();
    showMessage(m_import.message(), MsgIcon::Information);
    accept();
}
