#include "search/frmTrovaContatto.h"

#include <QApplication>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include "archive/ArchiveStore.h"
#include "archive/OriginTag.h"
#include "archive/SearchCriterion.h"
#include "archive/SearchKey.h"
#include "contactfiles/ContactExportRequest.h"
#include "labels/frmEtichette.h"
#include "platform/HourglassCursor.h"
#include "platform/VbColor.h"
#include "printing/widgets/PrintDialog.h"
#include "search/SearchListPrint.h"
#include "ui/ContactReceiver.h"
#include "ui/EnterClicks.h"
#include "ui/Hub.h"
#include "ui/ShowMessage.h"
#include "ui/WindowKeys.h"

namespace {

constexpr qint32 kFocusColor = 0x00C0FFFF;  // pale yellow
constexpr qint32 kPlainColor = 0x00FFFFFF;  // white

// A magnifying glass drawn in code: a ringed lens with a glint and a handle.
QPixmap lensPicture(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 48.0;
    p.scale(s, s);
    QPen handle(QColor(0x5a, 0x3a, 0x1e), 7, Qt::SolidLine, Qt::RoundCap);
    p.setPen(handle);
    p.drawLine(QPointF(30, 30), QPointF(43, 43));
    QRadialGradient glass(QPointF(16, 15), 16);
    glass.setColorAt(0, QColor(0xe8, 0xf4, 0xff));
    glass.setColorAt(1, QColor(0x9c, 0xc8, 0xee));
    p.setBrush(glass);
    p.setPen(QPen(QColor(0x3a, 0x4a, 0x5c), 3.5));
    p.drawEllipse(QPointF(19, 19), 14, 14);
    p.setPen(QPen(QColor(255, 255, 255, 210), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(10, 10, 14, 14), 100 * 16, 70 * 16);
    return pm;
}

QLabel *label(QWidget *parent, const char *name, const QString &text, QRect r) {
    auto *l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(r);
    return l;
}

}  // namespace

frmTrovaContatto::frmTrovaContatto(QWidget *caller) : QDialog(caller), m_caller(caller) {
    setObjectName(QStringLiteral("frmTrovaContatto"));
    setWindowTitle(QStringLiteral(" Trova persona o azienda in archivio"));
    setModal(true);
    setFixedSize(640, 430);

    imgLente = new QLabel(this);
    imgLente->setObjectName(QStringLiteral("imgLente"));
    imgLente->setGeometry(14, 12, 48, 48);
    imgLente->setPixmap(lensPicture(48));

    lblInfo = label(this, "lblInfo",
                    QStringLiteral("Selezionare un criterio di ricerca, specificare una chiave "
                                   "immettendo una parola o una frase e premere Cerca."),
                    QRect(74, 12, 550, 40));
    lblInfo->setWordWrap(true);

    lblCriterio = label(this, "lblCriterio", QStringLiteral("Crite&rio:"), QRect(14, 72, 70, 24));
    cboCriterio = new QComboBox(this);
    cboCriterio->setObjectName(QStringLiteral("cboCriterio"));
    cboCriterio->setEditable(false);
    cboCriterio->addItems(SearchCriterion::entryTexts());
    cboCriterio->setCurrentIndex(-1);
    cboCriterio->setGeometry(84, 72, 220, 24);

    lblChiave = label(this, "lblChiave", QStringLiteral("C&hiave:"), QRect(318, 72, 56, 24));
    txtChiave = new QLineEdit(this);
    txtChiave->setObjectName(QStringLiteral("txtChiave"));
    txtChiave->setGeometry(374, 72, 160, 24);

    cmdCerca = new QPushButton(QStringLiteral("&Cerca"), this);
    cmdCerca->setObjectName(QStringLiteral("cmdCerca"));
    cmdCerca->setGeometry(544, 70, 82, 28);
    cmdCerca->setEnabled(false);
    cmdCerca->setAutoDefault(false);

    lblRisultati =
        label(this, "lblRisultati", QStringLiteral("R&isultati ricerca:"), QRect(14, 108, 200, 20));

    lstRiepilogo = new QListWidget(this);
    lstRiepilogo->setObjectName(QStringLiteral("lstRiepilogo"));
    lstRiepilogo->setGeometry(14, 130, 612, 210);
    QFont courier(QStringLiteral("Courier New"), 9);
    courier.setStyleHint(QFont::TypeWriter);
    lstRiepilogo->setFont(courier);
    lstRiepilogo->setUniformItemSizes(true);
    // Several lines can be chosen (Ctrl and Shift with the click) for labels and envelopes.
    lstRiepilogo->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstRiepilogo->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstRiepilogo->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    lblImporto = label(this, "lblImporto", ContactSearch::countCaption(0), QRect(14, 344, 300, 20));
    lblImporto->setStyleSheet(QStringLiteral("color: #800000;"));
    lblImporto->hide();
    lblDoppioclic =
        label(this, "lblDoppioclic",
              QStringLiteral("Per importare i dati, fare doppio clic sulla voce desiderata"),
              QRect(14, 366, 440, 20));
    lblDoppioclic->setStyleSheet(QStringLiteral("color: #000080;"));
    lblDoppioclic->setCursor(Qt::PointingHandCursor);
    lblDoppioclic->hide();
    lblMemory = label(this, "lblMemory", QString(), QRect(330, 344, 100, 20));
    lblMemory->hide();

    cmdSelezionaTutto = new QPushButton(QStringLiteral("S&eleziona tutto"), this);
    cmdSelezionaTutto->setObjectName(QStringLiteral("cmdSelezionaTutto"));
    cmdSelezionaTutto->setGeometry(386, 342, 118, 24);
    cmdSelezionaTutto->setAutoDefault(false);
    cmdDeselezionaTutto = new QPushButton(QStringLiteral("&Deseleziona tutto"), this);
    cmdDeselezionaTutto->setObjectName(QStringLiteral("cmdDeselezionaTutto"));
    cmdDeselezionaTutto->setGeometry(508, 342, 118, 24);
    cmdDeselezionaTutto->setAutoDefault(false);

    cmdEtichette = new QPushButton(QStringLiteral("Stampa e&tichette"), this);
    cmdEtichette->setObjectName(QStringLiteral("cmdEtichette"));
    cmdEtichette->setGeometry(206, 390, 118, 28);
    cmdEtichette->setAutoDefault(false);
    cmdBuste = new QPushButton(QStringLiteral("Stampa &buste"), this);
    cmdBuste->setObjectName(QStringLiteral("cmdBuste"));
    cmdBuste->setGeometry(330, 390, 116, 28);
    cmdBuste->setAutoDefault(false);

    cmdStampa = new QPushButton(QStringLiteral("&Stampa"), this);
    cmdStampa->setObjectName(QStringLiteral("cmdStampa"));
    cmdStampa->setGeometry(452, 390, 82, 28);
    cmdStampa->setAutoDefault(false);
    cmdAnnulla = new QPushButton(QStringLiteral("&Annulla"), this);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    cmdAnnulla->setGeometry(544, 390, 82, 28);
    cmdAnnulla->setAutoDefault(false);

    for (QWidget *w : {static_cast<QWidget *>(cboCriterio), static_cast<QWidget *>(txtChiave),
                       static_cast<QWidget *>(lstRiepilogo)}) {
        paintBackground(w, false);
        w->installEventFilter(this);
    }
    lstRiepilogo->viewport()->installEventFilter(this);
    // A non-editable combo paints its field from the style, not from the palette's base
    // colour: the focus colour comes from a style sheet.
    cboCriterio->setStyleSheet(
        QStringLiteral("QComboBox { background-color: %1; border: 1px solid #8a97a6; "
                       "border-radius: 2px; padding: 1px 4px; }"
                       "QComboBox:focus { background-color: %2; border-color: #1d3c5e; }")
            .arg(VbColor::toColor(kPlainColor).name(), VbColor::toColor(kFocusColor).name()));
    lblCriterio->setBuddy(cboCriterio);
    lblChiave->setBuddy(txtChiave);
    lblRisultati->setBuddy(lstRiepilogo);
    lstRiepilogo->setAccessibleName(QStringLiteral("Risultati ricerca"));
    lstRiepilogo->setAccessibleDescription(
        QStringLiteral("Invio o doppio clic su una voce: importa i dati"));
    for (QPushButton *b : {cmdCerca, cmdSelezionaTutto, cmdDeselezionaTutto, cmdEtichette, cmdBuste,
                           cmdStampa, cmdAnnulla})
        EnterClicks::install(b);
    cmdCerca->setToolTip(WindowKeys::tipWithKey(QStringLiteral("Cerca"), QStringLiteral("Invio")));
    cmdAnnulla->setToolTip(
        WindowKeys::tipWithKey(QStringLiteral("Annulla"), QStringLiteral("Esc")));
    // Enter in the key box searches, once a criterion is chosen.
    connect(txtChiave, &QLineEdit::returnPressed, this, [this] {
        if (cmdCerca->isEnabled()) cmdCerca_Click();
    });
    lblDoppioclic->installEventFilter(this);

    connect(cboCriterio, qOverload<int>(&QComboBox::activated), this,
            &frmTrovaContatto::cboCriterio_Click);
    connect(cmdCerca, &QPushButton::clicked, this, &frmTrovaContatto::cmdCerca_Click);
    connect(cmdStampa, &QPushButton::clicked, this, &frmTrovaContatto::cmdStampa_Click);
    connect(cmdAnnulla, &QPushButton::clicked, this, &frmTrovaContatto::cmdAnnulla_Click);
    connect(cmdEtichette, &QPushButton::clicked, this, &frmTrovaContatto::cmdEtichette_Click);
    connect(cmdBuste, &QPushButton::clicked, this, &frmTrovaContatto::cmdBuste_Click);
    connect(cmdSelezionaTutto, &QPushButton::clicked, this,
            &frmTrovaContatto::cmdSelezionaTutto_Click);
    connect(cmdDeselezionaTutto, &QPushButton::clicked, this,
            &frmTrovaContatto::cmdDeselezionaTutto_Click);
    connect(lstRiepilogo, &QListWidget::itemSelectionChanged, this,
            &frmTrovaContatto::lstRiepilogo_Click);
    setTabOrder(cboCriterio, txtChiave);
    setTabOrder(txtChiave, cmdCerca);
    setTabOrder(cmdCerca, lstRiepilogo);
    setTabOrder(lstRiepilogo, cmdSelezionaTutto);
    setTabOrder(cmdSelezionaTutto, cmdDeselezionaTutto);
    setTabOrder(cmdDeselezionaTutto, cmdEtichette);
    setTabOrder(cmdEtichette, cmdBuste);
    setTabOrder(cmdBuste, cmdStampa);
    setTabOrder(cmdStampa, cmdAnnulla);
    AddExportButton();
}

void frmTrovaContatto::openFor(QWidget *caller, const QString &originTag) {
    auto *w = new frmTrovaContatto(caller);
    w->lblMemory->setText(originTag);
    w->exec();
    delete w;
}

bool frmTrovaContatto::WordsExist(const QString &text, const QString &key, bool matchCase) const {
    return SearchKey::wordsExist(text, key, matchCase);
}

bool frmTrovaContatto::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type t = event->type();
    if (t == QEvent::FocusIn || t == QEvent::FocusOut) {
        const bool in = t == QEvent::FocusIn;
        if (watched == cboCriterio)
            in ? cboCriterio_GotFocus() : cboCriterio_LostFocus();
        else if (watched == txtChiave)
            in ? txtChiave_GotFocus() : txtChiave_LostFocus();
        else if (watched == lstRiepilogo)
            in ? lstRiepilogo_GotFocus() : lstRiepilogo_LostFocus();
    } else if (t == QEvent::MouseButtonDblClick && watched == lstRiepilogo->viewport()) {
        // The list selects the line under the pointer first; the hand-off follows.
        QMetaObject::invokeMethod(this, &frmTrovaContatto::lstRiepilogo_DblClick,
                                  Qt::QueuedConnection);
        return false;
    } else if (t == QEvent::KeyPress && watched == lstRiepilogo) {
        // Enter on a line hands it over, as the double click does.
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            lstRiepilogo_DblClick();
            return true;
        }
    } else if (t == QEvent::MouseButtonRelease && watched == lblDoppioclic) {
        if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) lblDoppioclic_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTrovaContatto::paintBackground(QWidget *control, bool focused) {
    QPalette pal = control->palette();
    pal.setColor(QPalette::Base, VbColor::toColor(focused ? kFocusColor : kPlainColor));
    control->setPalette(pal);
}

void frmTrovaContatto::cboCriterio_GotFocus() {
    paintBackground(cboCriterio, true);
}
void frmTrovaContatto::cboCriterio_LostFocus() {
    paintBackground(cboCriterio, false);
}
void frmTrovaContatto::txtChiave_GotFocus() {
    paintBackground(txtChiave, true);
}
void frmTrovaContatto::txtChiave_LostFocus() {
    paintBackground(txtChiave, false);
}
void frmTrovaContatto::lstRiepilogo_GotFocus() {
    paintBackground(lstRiepilogo, true);
}
void frmTrovaContatto::lstRiepilogo_LostFocus() {
    paintBackground(lstRiepilogo, false);
}

void frmTrovaContatto::cboCriterio_Click() {
    if (!ContactRecord::trimBlanks(cboCriterio->currentText()).isEmpty())
        cmdCerca->setEnabled(true);
}

void frmTrovaContatto::cmdCerca_Click() {
    HourglassCursor hourglass;
    lstRiepilogo->clear();
    m_hits.clear();
    ArchiveStore store;
    const auto field = SearchCriterion::fieldFor(cboCriterio->currentText());
    if (field) m_hits = ContactSearch::run(store, *field, txtChiave->text()).hits;
    QStringList lines;
    lines.reserve(m_hits.size());
    for (const SearchHit &h : m_hits) lines << h.line;
    lstRiepilogo->addItems(lines);
    lblImporto->show();
    lblImporto->setText(ContactSearch::countCaption(int(lstRiepilogo->count())));
    FitListExtent();
    cmdEsporta->setEnabled(!m_hits.isEmpty());
}

void frmTrovaContatto::FitListExtent() {
    // Measure as the list draws: its own font, plus room for a vertical scroll bar.
    const QFont font = lstRiepilogo->font();
    const QFontMetrics fm(font);
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, lstRiepilogo);
    // In a fixed-pitch font, lines whose characters all come from the font itself are as
    // wide as they are long: of those only the longest needs measuring. Any other line
    // (a character drawn from a fallback font) is measured on its own.
    const bool fixedPitch = QFontInfo(font).fixedPitch();
    QHash<char16_t, bool> inFont;
    auto allInFont = [&](const QString &line) {
        for (QChar c : line) {
            auto it = inFont.constFind(c.unicode());
            if (it == inFont.constEnd()) it = inFont.insert(c.unicode(), fm.inFont(c));
            if (!it.value()) return false;
        }
        return true;
    };
    int widest = 0;
    int longestPlain = -1;
    for (int i = 0; i < lstRiepilogo->count(); ++i) {
        const QString line = lstRiepilogo->item(i)->text();
        if (fixedPitch && allInFont(line)) {
            if (longestPlain < 0 || line.size() > lstRiepilogo->item(longestPlain)->text().size())
                longestPlain = i;
        } else {
            widest = std::max(widest, fm.horizontalAdvance(line) + scrollBar);
        }
    }
    if (longestPlain >= 0)
        widest = std::max(
            widest, fm.horizontalAdvance(lstRiepilogo->item(longestPlain)->text()) + scrollBar);
    m_listExtent = widest;
    // Items share one size, which the view takes from the last item: its width sets the
    // scrolling range. The view forgets the size it had taken before.
    if (QListWidgetItem *last = lstRiepilogo->item(lstRiepilogo->count() - 1)) {
        last->setSizeHint(QSize(widest, fm.height() + 2));
        lstRiepilogo->reset();
    }
}

void frmTrovaContatto::lstRiepilogo_Click() {
    if (!lstRiepilogo->selectedItems().isEmpty()) lblDoppioclic->show();
}

void frmTrovaContatto::lblDoppioclic_Click() {
    lstRiepilogo_DblClick();
}

void frmTrovaContatto::lstRiepilogo_DblClick() {
    const QList<QListWidgetItem *> selected = lstRiepilogo->selectedItems();
    if (selected.isEmpty()) return;
    // With several lines chosen, the one under the pointer (the current one) is handed off.
    QListWidgetItem *chosen = lstRiepilogo->currentItem();
    if (!chosen || !chosen->isSelected()) chosen = selected.first();
    const int row = lstRiepilogo->row(chosen);
    if (row < 0 || row >= m_hits.size() || chosen->text().isEmpty()) return;
    {
        HourglassCursor hourglass;
        ArchiveStore store;
        ContactRecord record;
        const int number = ContactSearch::recordForHit(store, m_hits.at(row), record);
        if (number > 0) {
            const OriginTag tag = originTagFromText(lblMemory->text());
            if (ContactReceiver *receiver = receiverFor(tag))
                receiver->receiveContact(record, number, tag);
        }
    }
    accept();
}

ContactReceiver *frmTrovaContatto::receiverFor(OriginTag tag) const {
    // The window that opened the search, or else the hub's open main window, when it
    // takes contacts of that tag; none for an unknown tag.
    for (QWidget *w : {m_caller.data(), Hub::instance().current()}) {
        auto *receiver = dynamic_cast<ContactReceiver *>(w);
        if (receiver && receiver->receivesContact(tag)) return receiver;
    }
    return nullptr;
}

void frmTrovaContatto::cmdAnnulla_Click() {
    reject();
}

void frmTrovaContatto::cmdStampa_Click() {
    QStringList lines;
    lines.reserve(lstRiepilogo->count());
    for (int i = 0; i < lstRiepilogo->count(); ++i) lines << lstRiepilogo->item(i)->text();
    const Message refused = SearchListPrint::refusal(lines);
    if (!refused.isEmpty()) {
        showMessage(refused);
        return;
    }
    if (showMessage(SearchListPrint::question()) != MsgAnswer::Ok) return;
    const QString count = lblImporto->text();
    Printout printout;
    printout.caption = QStringLiteral("Stampa risultati ricerca");
    printout.pdfFileName = QStringLiteral("Risultati ricerca.pdf");
    printout.draw = [lines, count](PrinterPage &, const PrintChoices &) {
        HourglassCursor hourglass;
        return SearchListPrint::print(lines, count, QDateTime::currentDateTime());
    };
    PrintDialog::run(printout, this);
}

void frmTrovaContatto::cmdSelezionaTutto_Click() {
    lstRiepilogo->selectAll();
}

void frmTrovaContatto::cmdDeselezionaTutto_Click() {
    lstRiepilogo->clearSelection();
}

void frmTrovaContatto::cmdEtichette_Click() {
    PrintSeries(SeriesPrint::Kind::Labels);
}

void frmTrovaContatto::cmdBuste_Click() {
    PrintSeries(SeriesPrint::Kind::Envelopes);
}

void frmTrovaContatto::PrintSeries(SeriesPrint::Kind kind) {
    QList<frmEtichette::Choice> choices;
    QList<SearchHit> ticked;
    for (QListWidgetItem *item : lstRiepilogo->selectedItems()) {
        const int row = lstRiepilogo->row(item);
        if (row >= 0 && row < m_hits.size()) ticked << m_hits.at(row);
    }
    if (!ticked.isEmpty())
        choices << frmEtichette::Choice{
            QStringLiteral("Contatti selezionati nella lista (%1)").arg(ticked.size()),
            ContactSelection::searchResult(ticked)};
    if (!m_hits.isEmpty())
        choices << frmEtichette::Choice{
            QStringLiteral("Tutti i contatti trovati (%1)").arg(m_hits.size()),
            ContactSelection::searchResult(m_hits)};
    choices << frmEtichette::Choice{QStringLiteral("Tutto l'archivio"),
                                    ContactSelection::wholeArchive()};
    frmEtichette dialog(kind, choices, this);
    dialog.exec();
}

void frmTrovaContatto::AddExportButton() {
    cmdEsporta = new QPushButton(QStringLiteral("Esporta contatti…"), this);
    cmdEsporta->setObjectName(QStringLiteral("cmdEsporta"));
    cmdEsporta->setGeometry(14, 390, 150, 28);
    cmdEsporta->setAutoDefault(false);
    cmdEsporta->setEnabled(false);
    auto *menu = new QMenu(cmdEsporta);
    menu->setObjectName(QStringLiteral("mnuEsporta"));
    connect(menu->addAction(QStringLiteral("In un file CSV…")), &QAction::triggered, this,
            [this] { cmdEsporta_Click(ContactExport::Format::Csv); });
    connect(menu->addAction(QStringLiteral("In un file vCard…")), &QAction::triggered, this,
            [this] { cmdEsporta_Click(ContactExport::Format::Vcard); });
    cmdEsporta->setMenu(menu);
    setTabOrder(cmdDeselezionaTutto, cmdEsporta);
    setTabOrder(cmdEsporta, cmdEtichette);
}

void frmTrovaContatto::cmdEsporta_Click(ContactExport::Format format) {
    QSet<int> found;
    for (const SearchHit &h : m_hits) found.insert(h.listedNumber);
    ArchiveStore store;
    showMessage(ContactExportRequest::run(store, format, found));
}
