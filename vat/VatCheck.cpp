#include "vat/VatCheck.h"

#include "vat/VatMessages.h"
#include "vat/VatOffices.h"

namespace {

QString u8(const char *s) {
    return QString::fromUtf8(s);
}

VatCheck::Outcome make(VatCheck::Kind kind, const char *text, const char *title, MsgIcon icon) {
    VatCheck::Outcome out;
    out.kind = kind;
    out.text = u8(text);
    out.title = u8(title);
    out.icon = icon;
    return out;
}

}  // namespace

QString VatCheck::trimBlanks(const QString &text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == u' ') ++from;
    while (to > from && text.at(to - 1) == u' ') --to;
    return text.mid(from, to - from);
}

int VatCheck::digit(const QString &text, int position) {
    if (position < 1 || position > text.size()) return 0;
    const QChar c = text.at(position - 1);
    if (c < u'0' || c > u'9') return 0;
    return c.unicode() - u'0';
}

int VatCheck::checkSum(const QString &text) {
    int s = 0;
    for (int i = 1; i <= 9; i += 2) {
        s += digit(text, i);
        const int t = 2 * digit(text, i + 1);
        s += t / 10 + t % 10;
    }
    return s;
}

int VatCheck::expectedCheckDigit(const QString &text) {
    const int rest = checkSum(text) % 10;
    return rest == 0 ? 0 : 10 - rest;
}

VatCheck::Outcome VatCheck::controllaIva(const QString &text) {
    const Outcome wrong =
        make(Kind::Wrong, VatMessages::kWrongText, VatMessages::kResultTitle, MsgIcon::Exclamation);
    if (expectedCheckDigit(text) != digit(text, 11)) return wrong;
    const QString code = trimBlanks(text).mid(7, 3);
    const QString office = VatOffices::name(code);
    if (trimBlanks(office).isEmpty()) return wrong;
    Outcome right;
    right.kind = Kind::Right;
    right.office = office;
    right.text = u8(VatMessages::kRightPrefix) + office + u'.';
    right.title = u8(VatMessages::kResultTitle);
    right.icon = MsgIcon::Information;
    return right;
}

VatCheck::Outcome VatCheck::run(const QString &text) {
    const QString trimmed = trimBlanks(text);
    if (trimmed.isEmpty())
        return make(Kind::Empty, VatMessages::kEmptyText, VatMessages::kMissingTitle,
                    MsgIcon::Exclamation);
    if (trimmed.size() < 11)
        return make(Kind::TooShort, VatMessages::kShortText, VatMessages::kMissingTitle,
                    MsgIcon::Exclamation);
    return controllaIva(text);
}
