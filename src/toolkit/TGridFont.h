#pragma once

#include "toolkit/TGridColor.h"

#include <QFont>
#include <QString>

// A font of a grid as the grid and its exports describe it: family, size in points, styles and
// colour. The view makes a QFont of it; the HTML writer writes it out.
struct TGridFont
{
    QString family = QStringLiteral("MS Sans Serif");
    int pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    TGridColor color = TGridColor::system(TGridColor::Kind::WindowText);

    QFont toQFont() const;

    friend bool operator==(const TGridFont&, const TGridFont&) = default;
};
