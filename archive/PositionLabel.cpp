#include "archive/PositionLabel.h"

QString PositionLabel::text(int number) {
    if (number < 0) return QString::number(number);
    return u' ' + QString::number(number);
}

int PositionLabel::value(const QString &labelText) {
    qsizetype i = 0;
    while (i < labelText.size() && (labelText.at(i) == u' ' || labelText.at(i) == u'\t')) ++i;
    bool negative = false;
    if (i < labelText.size() && (labelText.at(i) == u'-' || labelText.at(i) == u'+')) {
        negative = labelText.at(i) == u'-';
        ++i;
    }
    long long v = 0;
    while (i < labelText.size() && labelText.at(i).isDigit() && labelText.at(i).unicode() < 128) {
        v = v * 10 + (labelText.at(i).unicode() - '0');
        if (v > 1000000000LL) break;
        ++i;
    }
    return int(negative ? -v : v);
}
