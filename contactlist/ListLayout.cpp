#include "contactlist/ListLayout.h"

#include <QStringList>

#include "archive/SettingsFile.h"
#include "contactlist/ListColumns.h"

namespace {

constexpr int kMinWidth = 20;
constexpr int kMaxWidth = 2000;

QString s(const char *text) {
    return QString::fromUtf8(text);
}

}  // namespace

ListLayout ListLayout::defaults() {
    ListLayout layout;
    layout.widths = {48, 180, 130, 140, 100, 100, 170, 100};
    return layout;
}

ListLayout ListLayout::read(const SettingsFile &settings) {
    ListLayout layout = defaults();
    const QStringList widths = settings.read(s(kSection), s(kWidthsKey)).split(u',');
    if (widths.size() == ListColumns::Count) {
        QList<int> read;
        for (const QString &w : widths) {
            bool ok = false;
            const int value = w.trimmed().toInt(&ok);
            if (!ok || value < kMinWidth || value > kMaxWidth) break;
            read << value;
        }
        if (read.size() == ListColumns::Count) layout.widths = read;
    }
    const QStringList sort = settings.read(s(kSection), s(kSortKey)).split(u',');
    if (sort.size() == 2) {
        bool ok = false;
        const int column = sort[0].trimmed().toInt(&ok);
        const QString order = sort[1].trimmed();
        if (ok && column >= 0 && column < ListColumns::Count &&
            (order == QLatin1String("crescente") || order == QLatin1String("decrescente"))) {
            layout.sortColumn = column;
            layout.descending = order == QLatin1String("decrescente");
        }
    }
    return layout;
}

bool ListLayout::write(SettingsFile &settings) const {
    QStringList widthTexts;
    for (int w : widths) widthTexts << QString::number(w);
    const QString sort = QString::number(sortColumn) + u',' +
                         (descending ? QStringLiteral("decrescente") : QStringLiteral("crescente"));
    return settings.write(s(kSection), s(kWidthsKey), widthTexts.join(u',')) &&
           settings.write(s(kSection), s(kSortKey), sort);
}
