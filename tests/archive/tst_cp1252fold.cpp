#include <QTest>

#include "archive/Cp1252Codec.h"
#include "archive/Cp1252Fold.h"

class TestCp1252Fold : public QObject {
    Q_OBJECT
private slots:
    void foldsToWhatTheArchiveHolds_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("folded");
        QTest::addColumn<QString>("changed");
        auto row = [](const char *name, const char *text, const char *folded, const char *changed) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(folded)
                                << QString::fromUtf8(changed);
        };
        row("plain", "Studio Neri & C.", "Studio Neri & C.", "");
        row("code page letters stay", "Forlì Nicolò Müller Œuvre € ß „x“ – —",
            "Forlì Nicolò Müller Œuvre € ß „x“ – —", "");
        row("Polish", "Łukasz Wołoszyński, Łódź", "Lukasz Woloszynski, Lódz", "Łłńź");
        row("Czech", "Dvořák Řehoř", "Dvorák Rehor", "řŘ");
        row("Croatian and Turkish", "Đurđević Şükrü İğdır", "Durdevic Sükrü Igdir", "ĐđćŞİğı");
        row("Romanian comma below", "Ștefănescu Timișoara", "Stefanescu Timisoara", "Șăș");
        row("Vietnamese keeps one accent", "Nguyễn Thị Ếch", "Nguyên Thi Êch", "ễịẾ");
        row("separate accents join", "Nicolo\xCC\x80 Citta\xCC\x80", "Nicolò Città", "");
        row("separate accent the page lacks", "Dvor\xCC\x8C\x61k", "Dvorak", "r\xCC\x8C");
        row("Greek", "Αθήνα Γιώργος ΨΑΡΡΟΣ", "Athina Giorgos PSARROS", "ΑθήναΓιώργοςΨΡΟΣ");
        row("Cyrillic", "Щукин Жанна ЖУКОВ Москва", "Shchukin Zhanna ZHUKOV Moskva",
            "ЩукинЖаУКОВМосв");
        row("ligatures and compatibility forms", "ﬁﬂ Ｎｏ① ½ ㎏", "fifl No1 ½ kg", "ﬁﬂＮｏ①㎏");
        row("typographic signs", "a−b ‐ c′ ⁄ → ‟x‛ ‒", "a-b - c' / -> \"x' -", "−‐′⁄→‟‛‒");
        row("spaces and invisible marks", "a\u2009b\u202Fc\u200Bd\uFEFFe", "a b cde",
            "\u2009\u202F\u200B\uFEFF");
        row("controls dropped, line breaks a space", "Via\tRoma\r\n1\x01\x7F\xC2\x85x",
            "Via Roma  1 x", "\t\r\n\x01\x7F\xC2\x85");
        row("no Latin form", "山田 太郎 محمد", "?? ?? ????", "山田太郎محد");
        row("outside the basic plane is one sign", "a😀b𝐀", "a?bA", "😀𝐀");
        row("orphan accent dropped", "\xCC\x81x", "x", "\xCC\x81");
    }
    void foldsToWhatTheArchiveHolds() {
        QFETCH(QString, text);
        QFETCH(QString, folded);
        QFETCH(QString, changed);
        const QString result = Cp1252Fold::fold(text);
        QCOMPARE(result, folded);
        QCOMPARE(Cp1252Codec::decode(Cp1252Codec::encode(result)), result);
        QCOMPARE(Cp1252Fold::changed(text), changed);
    }
};

QTEST_GUILESS_MAIN(TestCp1252Fold)
#include "tst_cp1252fold.moc"
