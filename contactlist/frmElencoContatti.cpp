#include "contactlist/frmElencoContatti.h"

#include <QAccessible>
#include <QDir>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QSet>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "archive/ArchiveStore.h"
#include "archive/OriginTag.h"
#include "archive/SettingsFile.h"
#include "contactfiles/ContactExportRequest.h"
#include "contactlist/ListLayout.h"
#include "labels/ContactSelection.h"
#include "labels/frmEtichette.h"
#include "office/ExportMessages.h"
#include "office/OfficeAvailability.h"
#include "office/XlsxExport.h"
#include "platform/HourglassCursor.h"
#include "platform/ProgramFolder.h"
#include "ui/ContactReceiver.h"
#include "ui/EnterClicks.h"
#include "ui/Hub.h"
#include "ui/ShowMessage.h"
#include "ui/WindowKeys.h"

namespace {

enum ExportFormat { Csv, Vcard, Spreadsheet };

QPushButton *button(QWidget *parent, const char *name, const QString &text, const QString &tip) {
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setToolTip(tip);
    EnterClicks::install(b);
    return b;
}

}  // namespace

frmElencoContatti::frmElencoContatti(QWidget *caller, const QString &originTag)
    : SmallDialog(QStringLiteral("frmElencoContatti"), QStringLiteral(" Elenco contatti"), QSize(),
                  Background::None, caller),
      m_caller(caller),
      m_tag(originTag),
      m_model(new ContactListModel({}, this)) {
    resize(980, 560);

    lblFiltro = new QLabel(QStringLiteral("&Filtro:"), this);
    lblFiltro->setObjectName(QStringLiteral("lblFiltro"));
    txtFiltro = new QLineEdit(this);
    txtFiltro->setObjectName(QStringLiteral("txtFiltro"));
    txtFiltro->setPlaceholderText(
        QStringLiteral("Scrivere parole del nome, della città, del telefono…"));
    txtFiltro->setClearButtonEnabled(true);
    txtFiltro->setAccessibleName(QStringLiteral("Filtro"));
    txtFiltro->setAccessibleDescription(QStringLiteral(
        "Restano i contatti che contengono ogni parola scritta in una delle colonne; Esc "
        "vuota il filtro"));
    lblFiltro->setBuddy(txtFiltro);
    lblConteggio = new QLabel(this);
    lblConteggio->setObjectName(QStringLiteral("lblConteggio"));
    lblConteggio->setStyleSheet(QStringLiteral("color: #800000; font-weight: bold;"));
    lblConteggio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblConteggio->setMinimumWidth(180);

    tblContatti = new QTableView(this);
    tblContatti->setObjectName(QStringLiteral("tblContatti"));
    tblContatti->setModel(m_model);
    tblContatti->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblContatti->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblContatti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblContatti->setTabKeyNavigation(false);
    tblContatti->setAlternatingRowColors(true);
    tblContatti->setWordWrap(false);
    tblContatti->setContextMenuPolicy(Qt::CustomContextMenu);
    tblContatti->verticalHeader()->hide();
    tblContatti->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblContatti->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    tblContatti->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    tblContatti->horizontalHeader()->setHighlightSections(false);
    tblContatti->horizontalHeader()->setStretchLastSection(true);
    tblContatti->setAccessibleName(QStringLiteral("Elenco contatti"));
    tblContatti->setAccessibleDescription(QStringLiteral(
        "Invio o doppio clic: apre il contatto; Canc: elimina; clic su un titolo: ordina"));

    auto *top = new QHBoxLayout;
    top->addWidget(lblFiltro);
    top->addWidget(txtFiltro, 1);
    top->addSpacing(12);
    top->addWidget(lblConteggio);
    auto *column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addWidget(tblContatti, 1);
    buildButtons();

    tmrArchivio = new QTimer(this);
    tmrArchivio->setObjectName(QStringLiteral("tmrArchivio"));
    tmrArchivio->setInterval(1000);

    connect(txtFiltro, &QLineEdit::textChanged, this, &frmElencoContatti::txtFiltro_Change);
    connect(tblContatti, &QTableView::doubleClicked, this, &frmElencoContatti::cmdApri_Click);
    connect(tblContatti, &QWidget::customContextMenuRequested, this,
            &frmElencoContatti::tblContatti_ContextMenu);
    connect(tblContatti->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmElencoContatti::tblContatti_SelectionChange);
    connect(m_model, &QAbstractItemModel::modelReset, this,
            &frmElencoContatti::tblContatti_SelectionChange);
    connect(tmrArchivio, &QTimer::timeout, this, &frmElencoContatti::tmrArchivio_Timer);

    {
        HourglassCursor hourglass;
        m_model->reload();
    }
    restoreLayout();
    setUpKeyboard();
    showCount();
    tblContatti_SelectionChange();
    tmrArchivio->start();
}

void frmElencoContatti::buildButtons() {
    cmdApri = button(this, "cmdApri", QStringLiteral("&Apri"),
                     QStringLiteral("Mostra il contatto nella finestra che ha aperto l'elenco "
                                    "(Invio o doppio clic)"));
    cmdEtichette = button(this, "cmdEtichette", QStringLiteral("E&tichette…"),
                          QStringLiteral("Stampa le etichette degli indirizzi"));
    cmdBuste = button(this, "cmdBuste", QStringLiteral("&Buste in serie…"),
                      QStringLiteral("Stampa una busta per ogni contatto"));
    cmdEsporta = button(this, "cmdEsporta", QStringLiteral("Es&porta…"),
                        QStringLiteral("Esporta i contatti selezionati"));
    cmdEsporta->setMenu(exportMenu(cmdEsporta));
    cmdEmail = button(this, "cmdEmail", QStringLiteral("E-&mail"),
                      QStringLiteral("Un messaggio ai contatti selezionati, in copia nascosta"));
    cmdElimina = button(this, "cmdElimina", QStringLiteral("E&limina"),
                        QStringLiteral("Elimina dall'archivio i contatti selezionati (Canc)"));
    cmdChiudi =
        button(this, "cmdChiudi", QStringLiteral("&Chiudi"), QStringLiteral("Chiudi (Esc)"));
    auto *row = new QHBoxLayout;
    for (QPushButton *b : {cmdApri, cmdEtichette, cmdBuste, cmdEsporta, cmdEmail, cmdElimina})
        row->addWidget(b);
    row->addStretch(1);
    row->addWidget(cmdChiudi);
    static_cast<QVBoxLayout *>(layout())->addLayout(row);

    connect(cmdApri, &QPushButton::clicked, this, &frmElencoContatti::cmdApri_Click);
    connect(cmdEtichette, &QPushButton::clicked, this, &frmElencoContatti::cmdEtichette_Click);
    connect(cmdBuste, &QPushButton::clicked, this, &frmElencoContatti::cmdBuste_Click);
    connect(cmdEmail, &QPushButton::clicked, this, &frmElencoContatti::cmdEmail_Click);
    connect(cmdElimina, &QPushButton::clicked, this, &frmElencoContatti::cmdElimina_Click);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::reject);
}

QMenu *frmElencoContatti::exportMenu(QWidget *parent) {
    auto *menu = new QMenu(QStringLiteral("Es&porta"), parent);
    menu->setObjectName(QStringLiteral("mnuEsporta"));
    connect(menu->addAction(QStringLiteral("In un file &CSV…")), &QAction::triggered, this,
            [this] { cmdEsporta_Click(Csv); });
    connect(menu->addAction(QStringLiteral("In un file &vCard…")), &QAction::triggered, this,
            [this] { cmdEsporta_Click(Vcard); });
    connect(menu->addAction(QStringLiteral("In un &foglio di calcolo")), &QAction::triggered, this,
            [this] { cmdEsporta_Click(Spreadsheet); });
    return menu;
}

void frmElencoContatti::setUpKeyboard() {
    txtFiltro->installEventFilter(this);
    tblContatti->installEventFilter(this);
    WindowKeys::add(this, QKeySequence(Qt::Key_F1), [this] {
        Hub::instance().runAction(Hub::Action::Help, this, QStringLiteral("elenco"));
    });
    const QList<QWidget *> order = {txtFiltro,  tblContatti, cmdApri,    cmdEtichette, cmdBuste,
                                    cmdEsporta, cmdEmail,    cmdElimina, cmdChiudi};
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    txtFiltro->setFocus();
}

void frmElencoContatti::openFor(QWidget *caller, const QString &originTag) {
    auto *w = new frmElencoContatti(caller, originTag);
    w->exec();
    delete w;
}

bool frmElencoContatti::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress) return SmallDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    if (watched == txtFiltro) {
        // Esc empties the filter first; with an empty filter it closes the window.
        if (key->key() == Qt::Key_Escape && !txtFiltro->text().isEmpty()) {
            txtFiltro->clear();
            return true;
        }
        // Down or Enter go on to the list.
        if ((key->key() == Qt::Key_Down || key->key() == Qt::Key_Return ||
             key->key() == Qt::Key_Enter) &&
            m_model->rowCount() > 0) {
            tblContatti->setFocus();
            if (!tblContatti->selectionModel()->hasSelection()) tblContatti->selectRow(0);
            return true;
        }
    } else if (watched == tblContatti) {
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            cmdApri_Click();
            return true;
        }
        if (key->key() == Qt::Key_Delete) {
            cmdElimina_Click();
            return true;
        }
    }
    return SmallDialog::eventFilter(watched, event);
}

void frmElencoContatti::restoreLayout() {
    const ListLayout layout = ListLayout::read(SettingsFile());
    QHeaderView *header = tblContatti->horizontalHeader();
    for (int c = 0; c < layout.widths.size() && c < ListColumns::Count; ++c)
        header->resizeSection(c, layout.widths[c]);
    tblContatti->setSortingEnabled(true);
    header->setSortIndicator(layout.sortColumn,
                             layout.descending ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void frmElencoContatti::saveLayout() {
    ListLayout layout;
    QHeaderView *header = tblContatti->horizontalHeader();
    for (int c = 0; c < ListColumns::Count; ++c) layout.widths << header->sectionSize(c);
    layout.sortColumn = header->sortIndicatorSection();
    layout.descending = header->sortIndicatorOrder() == Qt::DescendingOrder;
    SettingsFile settings;
    layout.write(settings);
}

void frmElencoContatti::done(int result) {
    tmrArchivio->stop();
    saveLayout();
    SmallDialog::done(result);
}

void frmElencoContatti::showCount() {
    const QString caption = m_model->countCaption();
    if (lblConteggio->text() == caption) return;
    lblConteggio->setText(caption);
    lblConteggio->setAccessibleName(caption);
    // A screen reader says the new count after each filtering.
    QAccessibleEvent changed(lblConteggio, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void frmElencoContatti::txtFiltro_Change() {
    m_model->setFilterText(txtFiltro->text());
    showCount();
}

void frmElencoContatti::tblContatti_SelectionChange() {
    const bool any = tblContatti->selectionModel()->hasSelection();
    for (QPushButton *b : {cmdApri, cmdEsporta, cmdEmail, cmdElimina}) b->setEnabled(any);
}

void frmElencoContatti::tblContatti_ContextMenu(const QPoint &at) {
    if (!tblContatti->indexAt(at).isValid()) return;
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("mnuContatti"));
    auto item = [&](const QString &text, void (frmElencoContatti::*slot)()) {
        connect(menu.addAction(text), &QAction::triggered, this, slot);
    };
    item(QStringLiteral("&Apri"), &frmElencoContatti::cmdApri_Click);
    item(QStringLiteral("E&tichette…"), &frmElencoContatti::cmdEtichette_Click);
    item(QStringLiteral("&Buste in serie…"), &frmElencoContatti::cmdBuste_Click);
    menu.addMenu(exportMenu(&menu));
    item(QStringLiteral("E-&mail"), &frmElencoContatti::cmdEmail_Click);
    menu.addSeparator();
    item(QStringLiteral("E&limina"), &frmElencoContatti::cmdElimina_Click);
    menu.exec(tblContatti->viewport()->mapToGlobal(at));
}

void frmElencoContatti::tmrArchivio_Timer() {
    if (m_model->archiveChanged()) reloadKeepingSelection();
}

ListSelection frmElencoContatti::selection() const {
    QList<int> rows;
    for (const QModelIndex &index : tblContatti->selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    QList<ListSelection::Contact> contacts;
    contacts.reserve(rows.size());
    for (int row : rows)
        contacts << ListSelection::Contact{m_model->identity(row),
                                           m_model->text(row, ListColumns::Titolo),
                                           m_model->text(row, ListColumns::Email)};
    return ListSelection(contacts);
}

void frmElencoContatti::reloadKeepingSelection() {
    // The contacts still where they were, unchanged, stay selected.
    QHash<int, size_t> fingerprints;
    for (const QModelIndex &index : tblContatti->selectionModel()->selectedRows()) {
        const RecordIdentity id = m_model->identity(index.row());
        fingerprints.insert(id.number, id.fingerprint);
    }
    const int currentNumber = tblContatti->currentIndex().isValid()
                                  ? m_model->identity(tblContatti->currentIndex().row()).number
                                  : 0;
    m_model->reload();
    QItemSelection again;
    for (int r = 0; r < m_model->shownCount() && !fingerprints.isEmpty(); ++r) {
        const RecordIdentity id = m_model->identity(r);
        const auto it = fingerprints.constFind(id.number);
        if (it == fingerprints.cend() || it.value() != id.fingerprint) continue;
        again.select(m_model->index(r, 0), m_model->index(r, ListColumns::Count - 1));
        if (id.number == currentNumber)
            tblContatti->selectionModel()->setCurrentIndex(m_model->index(r, 0),
                                                           QItemSelectionModel::NoUpdate);
    }
    tblContatti->selectionModel()->select(again, QItemSelectionModel::ClearAndSelect);
    showCount();
}

bool frmElencoContatti::checkedSelection(ListSelection &out) {
    out = selection();
    if (out.isEmpty()) {
        showMessage(ListSelection::nothingSelected());
        return false;
    }
    ArchiveStore store;
    const Message refused = out.check(store);
    if (refused.isEmpty()) return true;
    showMessage(refused);
    m_model->reload();
    showCount();
    return false;
}

ContactReceiver *frmElencoContatti::receiverFor(OriginTag tag) const {
    for (QWidget *w : {m_caller.data(), Hub::instance().current()}) {
        auto *receiver = dynamic_cast<ContactReceiver *>(w);
        if (receiver && receiver->receivesContact(tag)) return receiver;
    }
    return nullptr;
}

void frmElencoContatti::cmdApri_Click() {
    // The row under the cursor when it is selected, else the first selected one.
    const QModelIndex current = tblContatti->currentIndex();
    int row = -1;
    if (current.isValid() && tblContatti->selectionModel()->isRowSelected(current.row()))
        row = current.row();
    else if (const auto rows = tblContatti->selectionModel()->selectedRows(); !rows.isEmpty())
        row = rows.first().row();
    if (row < 0) return;
    const ListSelection one({ListSelection::Contact{m_model->identity(row), {}, {}}});
    ArchiveStore store;
    ContactRecord record;
    const Message refused = one.check(store);
    if (!refused.isEmpty() || !store.readRecord(one.numbers().first(), record)) {
        showMessage(refused.isEmpty() ? ListSelection::nothingSelected() : refused);
        m_model->reload();
        showCount();
        return;
    }
    const OriginTag tag = originTagFromText(m_tag);
    if (ContactReceiver *receiver = receiverFor(tag))
        receiver->receiveContact(record, one.numbers().first(), tag);
    accept();
}

void frmElencoContatti::printSeries(bool labels) {
    const ListSelection chosen = selection();
    if (!chosen.isEmpty()) {
        ArchiveStore store;
        const Message refused = chosen.check(store);
        if (!refused.isEmpty()) {
            showMessage(refused);
            m_model->reload();
            showCount();
            return;
        }
    }
    QList<frmEtichette::Choice> choices;
    if (!chosen.isEmpty())
        choices << frmEtichette::Choice{
            QStringLiteral("Contatti selezionati nell'elenco (%1)").arg(chosen.size()),
            ContactSelection::records(chosen.numbers())};
    if (!m_model->filterText().isEmpty() && m_model->shownCount() > 0) {
        QList<int> shown;
        shown.reserve(m_model->shownCount());
        for (int r = 0; r < m_model->shownCount(); ++r) shown << m_model->identity(r).number;
        choices << frmEtichette::Choice{
            QStringLiteral("Contatti dell'elenco filtrato (%1)").arg(shown.size()),
            ContactSelection::records(shown)};
    }
    choices << frmEtichette::Choice{QStringLiteral("Tutto l'archivio"),
                                    ContactSelection::wholeArchive()};
    frmEtichette dialog(labels ? SeriesPrint::Kind::Labels : SeriesPrint::Kind::Envelopes, choices,
                        this);
    dialog.exec();
}

void frmElencoContatti::cmdEtichette_Click() {
    printSeries(true);
}

void frmElencoContatti::cmdBuste_Click() {
    printSeries(false);
}

void frmElencoContatti::cmdEsporta_Click(int format) {
    ListSelection chosen;
    if (!checkedSelection(chosen)) return;
    if (format == Spreadsheet) {
        exportSpreadsheet(chosen);
        return;
    }
    const QList<int> numbers = chosen.numbers();
    ArchiveStore store;
    showMessage(ContactExportRequest::run(
        store, format == Vcard ? ContactExport::Format::Vcard : ContactExport::Format::Csv,
        QSet<int>(numbers.begin(), numbers.end())));
}

void frmElencoContatti::exportSpreadsheet(const ListSelection &chosen) {
    if (!OfficeAvailability::isAvailable(OfficeAvailability::Kind::Spreadsheet)) {
        showMessage(Message{QString::fromUtf8(ExportMessages::kSpreadsheetMissingText),
                            QString::fromUtf8(ExportMessages::kSpreadsheetMissingTitle),
                            MsgIcon::Critical});
        return;
    }
    // The workbook goes into a folder of its own, which stays: the spreadsheet program
    // reads it after this window has gone.
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/cartaflex-elenco-XXXXXX"));
    folder.setAutoRemove(false);
    if (!folder.isValid()) return;
    const QString path = ProgramFolder::join(folder.path(), QStringLiteral("Contatti.xlsx"));
    const QList<int> numbers = chosen.numbers();
    XlsxExport exporter;
    exporter.restrictTo(QSet<int>(numbers.begin(), numbers.end()));
    bool written = false;
    {
        HourglassCursor hourglass;
        ArchiveStore store;
        written = exporter.write(store, path);
    }
    if (!written) {
        folder.remove();
        showMessage(Message{exporter.errorString(),
                            QString::fromUtf8(ExportMessages::kSpreadsheetMissingTitle),
                            MsgIcon::Critical});
        return;
    }
    showMessages(OfficeAvailability::openOrOfferSave(path, OfficeAvailability::Kind::Spreadsheet));
}

void frmElencoContatti::cmdEmail_Click() {
    ListSelection chosen;
    if (!checkedSelection(chosen)) return;
    const QString request = chosen.mailRequest();
    if (request.isEmpty()) {
        showMessage(ListSelection::noAddress());
        return;
    }
    if (!Platform::instance().openUrl(request)) showMessage(ListSelection::noMailProgram());
}

void frmElencoContatti::cmdElimina_Click() {
    const ListSelection chosen = selection();
    if (chosen.isEmpty()) {
        showMessage(ListSelection::nothingSelected());
        return;
    }
    if (showMessage(chosen.deleteQuestion()) != MsgAnswer::Yes) return;
    ListSelection::DeleteOutcome outcome;
    {
        HourglassCursor hourglass;
        ArchiveStore store;
        outcome = chosen.remove(store);
    }
    m_model->reload();
    showCount();
    showMessage(outcome.message);
}
