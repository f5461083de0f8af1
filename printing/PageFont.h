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
    int charset = 0;  // 0 ANSI (Western)
    // Weight from 100 to 900 (400 regular, 700 bold); 0 takes it from `bold`. Setting the
    // weight after `bold`, as the form printer does, makes the weight decide.
    int weight = 0;

    bool isBold() const { return weight > 0 ? weight >= 600 : bold; }
    QFont toQFont() const;
    bool operator==(const PageFont &o) const = default;
};
