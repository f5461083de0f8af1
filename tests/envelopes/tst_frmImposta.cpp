#include <QApplication>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>
#include <memory>

#include "archive/SettingsFile.h"
#include "envelopes/EnvelopeSize.h"
#include "envelopes/frmImposta.h"
#include "envelopes/frmLettera.h"
#include "support/TestEnvironment.h"
#include "ui/Hub.h"

namespace {

QString ini(const QString &section, const QString &key) {
    return SettingsFile().read(section, key);
}

// Clicks an arrow of a vertical scroll bar.
void clickArrow(QScrollBar *bar, QStyle::SubControl arrow) {
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.orientation = Qt::Vertical;
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.upsideDown = bar->invertedAppearance();
    opt.subControls = QStyle::SC_All;
    const QRect up = bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, arrow, bar);
    QVERIFY(up.isValid());
    // The up arrow is the one at the top.
    QCOMPARE(up.center().y() < bar->height() / 2, arrow == QStyle::SC_ScrollBarSubLine);
    QTest::mouseClick(bar, Qt::LeftButton, {}, up.center());
}

void clickUpArrow(QScrollBar *bar) {
    clickArrow(bar, QStyle::SC_ScrollBarSubLine);
}
void clickDownArrow(QScrollBar *bar) {
    clickArrow(bar, QStyle::SC_ScrollBarAddLine);
}

}  // namespace

class TestFrmImposta : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void noSettingsFile();
    void applyingAtOnceStoresZeroMargins();
    void loadsEveryKey();
    void upArrowAddsOne();
    void typedNumbers_data();
    void typedNumbers();
    void landscapeReachesTheOpenComposer();
    void cancelChangesNothing();
    void topSignFallsBackToPlus();
    void nothingIsValidated();
    void unwritableSettingsStillUpdateTheComposer();
    void reachesTheComposerOpenInTheHub();
    void pickingASizeKeepsTheOrientation_data();
    void pickingASizeKeepsTheOrientation();
    void screenshot();

private:
    std::unique_ptr<TestEnvironment> m_env;
};

void TestFrmImposta::init() {
    m_env = std::make_unique<TestEnvironment>();
    Hub::instance().reset();
}

void TestFrmImposta::cleanup() {
    Hub::instance().reset();
    m_env.reset();
}

void TestFrmImposta::noSettingsFile() {
    frmImposta w;
    QCOMPARE(w.windowTitle(), QStringLiteral(" Imposta margini di stampa"));
    QCOMPARE(w.cboSegnoSin->currentText(), QStringLiteral("+"));
    QCOMPARE(w.cboSegnoSup->currentText(), QStringLiteral("+"));
    QCOMPARE(w.cboSegnoSinD->currentText(), QString());
    QCOMPARE(w.cboSegnoSupD->currentText(), QString());
    QCOMPARE(w.cboSegnoSin->count(), 2);
    QCOMPARE(w.cboSegnoSin->itemText(1), QStringLiteral("-"));
    for (QLineEdit *box : {w.txtCmSin, w.txtMmSin, w.txtCmSup, w.txtMmSup, w.txtCmSinD, w.txtMmSinD,
                           w.txtCmSupD, w.txtMmSupD})
        QCOMPARE(box->text(), QStringLiteral("0"));
    for (QLabel *l : {w.lblValSin, w.lblValSup, w.lblValSinD, w.lblValSupD})
        QCOMPARE(l->text(), QStringLiteral("+0"));
    QVERIFY(w.optVerticale->isChecked());
    QVERIFY(!w.optOrizzontale->isChecked());
}

void TestFrmImposta::applyingAtOnceStoresZeroMargins() {
    frmLettera composer;
    frmImposta w(&composer);
    w.cmdApplica->click();
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QCOMPARE(ini("Mittente", "Margine Sinistro"), QStringLiteral("+0,0"));
    QCOMPARE(ini("Mittente", "Margine Superiore"), QStringLiteral("+0,0"));
    QCOMPARE(ini("Mittente", "Segno sin."), QStringLiteral("+"));
    QCOMPARE(ini("Mittente", "Cm sup."), QStringLiteral("0"));
    QCOMPARE(ini("Destinatario", "Margine Sinistro"), QStringLiteral("0,0"));
    QCOMPARE(ini("Destinatario", "Segno sup."), QString());
    QCOMPARE(ini("Stampa Busta", "Orientamento"), QStringLiteral("Verticale"));
    QCOMPARE(composer.lblValSin->text(), QStringLiteral("+0,0"));
    QCOMPARE(composer.lblValSupD->text(), QStringLiteral("0,0"));
    QCOMPARE(w.lblValSup->text(), QStringLiteral("+0,0"));
    QCOMPARE(w.lblValSinD->text(), QStringLiteral("0,0"));
}

void TestFrmImposta::loadsEveryKey() {
    TestEnvironment::writeBytes(
        m_env->file(QStringLiteral("Cartaflex.ini")),
        "[Mittente]\r\nMargine Sinistro=-0,5\r\nSegno sin.=-\r\nCm sin.=0\r\nMm sin.=5\r\n"
        "Margine Superiore=+1,2\r\nCm sup.=1\r\nMm sup.=2\r\n"
        "[Destinatario]\r\nMargine Superiore=+2,15\r\nSegno sup.=+\r\nCm sup.=2\r\n"
        "Mm sup.=15\r\nSegno sin.=  \r\n"
        "[Stampa Busta]\r\nOrientamento=Orizzontale\r\n");
    frmImposta w;
    QCOMPARE(w.lblValSin->text(), QStringLiteral("-0,5"));
    QCOMPARE(w.cboSegnoSin->currentText(), QStringLiteral("-"));
    QCOMPARE(w.txtMmSin->text(), QStringLiteral("5"));
    QCOMPARE(w.vsMmSin->value(), 5);
    QCOMPARE(w.cboSegnoSup->currentText(), QStringLiteral("+"));  // not stored: the preset stays
    QCOMPARE(w.vsCmSup->value(), 1);
    QCOMPARE(w.lblValSupD->text(), QStringLiteral("+2,15"));
    QCOMPARE(w.cboSegnoSupD->currentText(), QStringLiteral("+"));
    QCOMPARE(w.cboSegnoSinD->currentText(), QString());
    QCOMPARE(w.txtMmSupD->text(), QStringLiteral("15"));
    QCOMPARE(w.vsMmSupD->value(), 15);
    QCOMPARE(w.lblValSinD->text(), QStringLiteral("+0"));
    QVERIFY(w.optOrizzontale->isChecked());
}

// Picking a size leaves the orientation as chosen; applying hands the size to the
// composer with the margins, so that a Cartaflex.ini that cannot be written does not
// print the size it held before.
void TestFrmImposta::pickingASizeKeepsTheOrientation_data() {
    QTest::addColumn<QByteArray>("stored");  // "unwritable": Cartaflex.ini is a folder
    QTest::addColumn<int>("key");            // 0: nothing picked, only loaded
    QTest::addColumn<QString>("size");
    QTest::addColumn<bool>("across");
    QTest::newRow("A4 to C4, upright kept")
        << QByteArray() << int(Qt::Key_Up) << "C4 (229 × 324 mm)" << false;
    QTest::newRow("A4 to the printer's")
        << QByteArray() << int(Qt::Key_Down) << "Formato della stampante" << false;
    QTest::newRow("DL upright, loaded") << QByteArray("Formato=dl\r\nOrientamento=Verticale\r\n")
                                        << 0 << "DL (110 × 220 mm)" << false;
    QTest::newRow("Americana across to DL")
        << QByteArray("Formato=americana\r\nOrientamento=Orizzontale\r\n") << int(Qt::Key_Up)
        << "DL (110 × 220 mm)" << true;
    QTest::newRow("read-only settings, A4 to C4")
        << QByteArray("unwritable") << int(Qt::Key_Up) << "C4 (229 × 324 mm)" << false;
}

void TestFrmImposta::pickingASizeKeepsTheOrientation() {
    QFETCH(QByteArray, stored);
    QFETCH(int, key);
    QFETCH(QString, size);
    QFETCH(bool, across);
    const bool unwritable = stored == "unwritable";
    if (unwritable)
        QVERIFY(QDir(m_env->folder()).mkdir(QStringLiteral("Cartaflex.ini")));
    else if (!stored.isEmpty())
        TestEnvironment::writeBytes(m_env->file(QStringLiteral("Cartaflex.ini")),
                                    "[Stampa Busta]\r\n" + stored);
    frmLettera composer;
    frmImposta w(&composer);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    if (key) QTest::keyClick(w.cboFormato, Qt::Key(key));
    QCOMPARE(w.cboFormato->currentText(), size);
    QCOMPARE(w.optOrizzontale->isChecked(), across);
    w.cmdApplica->click();
    QCOMPARE(composer.content().paper,
             EnvelopeSize::paper(EnvelopeSize::Size(EnvelopeSize::captions().indexOf(size))));
    QCOMPARE(composer.lblOrientamento->text(),
             across ? QStringLiteral("Orizzontale") : QStringLiteral("Verticale"));
    if (!unwritable)
        QCOMPARE(ini("Stampa Busta", "Orientamento"),
                 across ? QStringLiteral("Orizzontale") : QStringLiteral("Verticale"));
}

void TestFrmImposta::upArrowAddsOne() {
    frmImposta w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 3; ++i) clickUpArrow(w.vsCmSin);
    QCOMPARE(w.vsCmSin->value(), 3);
    QCOMPARE(w.txtCmSin->text(), QStringLiteral("3"));
    for (int i = 0; i < 120; ++i) clickUpArrow(w.vsMmSin);
    QCOMPARE(w.txtMmSin->text(), QStringLiteral("99"));
    clickDownArrow(w.vsMmSin);
    QCOMPARE(w.txtMmSin->text(), QStringLiteral("98"));
    for (int i = 0; i < 5; ++i) clickDownArrow(w.vsCmSin);
    QCOMPARE(w.txtCmSin->text(), QStringLiteral("0"));
    QCOMPARE(w.vsCmSin->value(), 0);
}

void TestFrmImposta::typedNumbers_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("bar");
    QTest::newRow("seven") << "7"
                           << "7" << 7;
    QTest::newRow("two digits") << "42"
                                << "42" << 42;
    QTest::newRow("zero leaves the bar") << "0"
                                         << "0" << 4;
    QTest::newRow("letters leave the bar") << "ab"
                                           << "ab" << 4;
    QTest::newRow("above the range keeps the text") << "150"
                                                    << "150" << 15;
    QTest::newRow("negative keeps the text") << "-3"
                                             << "-3" << 4;
}

void TestFrmImposta::typedNumbers() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, bar);
    frmImposta w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.vsMmSup->setValue(4);
    w.txtMmSup->setFocus();
    w.txtMmSup->selectAll();
    QTest::keyClick(w.txtMmSup, Qt::Key_Delete);
    QTest::keyClicks(w.txtMmSup, typed);
    QCOMPARE(w.txtMmSup->text(), shown);
    QCOMPARE(w.vsMmSup->value(), bar);
}

void TestFrmImposta::landscapeReachesTheOpenComposer() {
    frmLettera composer;
    QCOMPARE(composer.lblOrientamento->text(), QStringLiteral("Verticale"));
    frmImposta w(&composer);
    w.optOrizzontale->setChecked(true);
    w.cboSegnoSin->setCurrentIndex(1);
    w.txtMmSin->setText(QStringLiteral("5"));
    w.cboSegnoSupD->setCurrentIndex(0);
    w.txtCmSupD->setText(QStringLiteral("1"));
    w.txtMmSupD->setText(QStringLiteral("2"));
    w.cmdApplica->click();
    QCOMPARE(composer.lblOrientamento->text(), QStringLiteral("Orizzontale"));
    QCOMPARE(composer.lblValSin->text(), QStringLiteral("-0,5"));
    QCOMPARE(composer.lblValSupD->text(), QStringLiteral("+1,2"));
    QCOMPARE(ini("Stampa Busta", "Orientamento"), QStringLiteral("Orizzontale"));
    QCOMPARE(ini("Destinatario", "Mm sup."), QStringLiteral("2"));
    // The next opening shows what was stored.
    frmImposta again(&composer);
    QVERIFY(again.optOrizzontale->isChecked());
    QCOMPARE(again.cboSegnoSin->currentText(), QStringLiteral("-"));
    QCOMPARE(again.vsCmSupD->value(), 1);
}

void TestFrmImposta::cancelChangesNothing() {
    frmLettera composer;
    frmImposta w(&composer);
    w.optOrizzontale->setChecked(true);
    w.txtCmSin->setText(QStringLiteral("4"));
    w.cmdAnnulla->click();
    QCOMPARE(w.result(), int(QDialog::Rejected));
    QVERIFY(!QFile::exists(m_env->file(QStringLiteral("Cartaflex.ini"))));
    QCOMPARE(composer.lblValSin->text(), QStringLiteral("+0"));
    QCOMPARE(composer.lblOrientamento->text(), QStringLiteral("Verticale"));
}

void TestFrmImposta::topSignFallsBackToPlus() {
    frmImposta w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QApplication::setActiveWindow(&w);
    w.cboSegnoSup->setFocus();
    w.cboSegnoSup->setEditText(QStringLiteral("x"));
    w.cboSegnoSinD->setEditText(QStringLiteral("y"));
    w.txtCmSin->setFocus();
    QCOMPARE(w.cboSegnoSup->currentText(), QStringLiteral("+"));
    w.cboSegnoSinD->setFocus();
    w.txtCmSin->setFocus();
    QCOMPARE(w.cboSegnoSinD->currentText(), QStringLiteral("y"));  // only the top sign is mended
}

void TestFrmImposta::nothingIsValidated() {
    frmLettera composer;
    frmImposta w(&composer);
    w.txtCmSin->setText(QStringLiteral("ab"));
    w.cboSegnoSin->setEditText(QString());
    w.cmdApplica->click();
    QCOMPARE(ini("Mittente", "Margine Sinistro"), QStringLiteral("ab,0"));
    QCOMPARE(ini("Mittente", "Cm sin."), QStringLiteral("ab"));
    QCOMPARE(composer.lblValSin->text(), QStringLiteral("ab,0"));
}

void TestFrmImposta::unwritableSettingsStillUpdateTheComposer() {
    frmLettera composer;
    // Cartaflex.ini is a folder: no write can succeed, whoever runs the test.
    QVERIFY(QDir(m_env->folder()).mkdir(QStringLiteral("Cartaflex.ini")));
    frmImposta w(&composer);
    w.optOrizzontale->setChecked(true);
    w.txtCmSup->setText(QStringLiteral("2"));
    w.cmdApplica->click();
    QVERIFY(!SettingsFile().write(QStringLiteral("Mittente"), QStringLiteral("x"),
                                  QStringLiteral("y")));
    QCOMPARE(composer.lblValSup->text(), QStringLiteral("+2,0"));
    QCOMPARE(composer.lblOrientamento->text(), QStringLiteral("Orizzontale"));
    QVERIFY(m_env->platform().messages.isEmpty());
}

void TestFrmImposta::reachesTheComposerOpenInTheHub() {
    Hub::instance().registerMain(Hub::Main::Envelopes, [] { return new frmLettera; });
    Hub::instance().open(Hub::Main::Envelopes);
    auto *composer = Hub::instance().currentAs<frmLettera>();
    QVERIFY(composer);
    frmImposta w;
    w.txtCmSinD->setText(QStringLiteral("3"));
    w.optOrizzontale->setChecked(true);
    w.cmdApplica->click();
    QCOMPARE(composer->lblValSinD->text(), QStringLiteral("3,0"));
    QCOMPARE(composer->lblOrientamento->text(), QStringLiteral("Orizzontale"));
    composer->close();
}

void TestFrmImposta::screenshot() {
    frmImposta w;
    w.txtCmSin->setText(QStringLiteral("2"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(
        w.grab().save(QStringLiteral(CARTAFLEX_BINARY_DIR) + QStringLiteral("/frmImposta.png")));
}

QTEST_MAIN(TestFrmImposta)
#include "tst_frmImposta.moc"
