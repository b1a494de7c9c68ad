#pragma once

#include <QByteArray>
#include <QString>

// The format of a statement file, by its content and else by its name's extension.
class TImportFormat
{
public:
    enum class Kind
    {
        Csv,
        Ofx,
        Qif
    };

    // OFX and QFX files start with an "OFXHEADER" or hold an <OFX> element near the top; QIF files
    // start with a "!Type:", "!Account" or "!Option" line. Otherwise ".ofx", ".qfx" and ".qif" decide,
    // and anything else is taken as delimited text.
    static Kind detect(const QString& fileName, const QByteArray& head);
};
