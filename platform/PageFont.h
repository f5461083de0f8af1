#pragma once

#include <QFont>
#include <QString>

// The printer's font attributes as the printing code sets them.
struct PageFont {
    QString name = QStringLiteral("Arial");
    double size = 10.0;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    QFont toQFont() const;
    bool operator==(const PageFont &o) const = default;
};
