#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The format of a statement file, by its content and else by its name's extension.
class TImportFormat
{
public:
    enum class Kind
    {
        Csv,
        Ofx,
        Qif,
        Unsupported // no statement at all: a spreadsheet, a PDF, other binary content
    };

    // A file chosen as a statement that is none, told by its first bytes whatever its name.
    struct Foreign
    {
        QString name;   // what it is, for the dialog: "Spreadsheet", "PDF", "Binary"
        QString reason; // why it cannot be read, and what to do instead, in the user's words
    };

    // Spreadsheets (.xlsx and .ods are ZIP archives, old .xls files OLE compound files), PDFs and
    // other binary content (NUL and other control bytes in the first 4 KB, and no UTF-16 text) are
    // Unsupported, whatever the name. OFX and QFX files start with an "OFXHEADER" or hold an <OFX>
    // element near the top; QIF files start with a "!Type:", "!Account" or "!Option" line. Otherwise
    // ".ofx", ".qfx" and ".qif" decide, and anything else is taken as delimited text.
    static Kind detect(const QString& fileName, const QByteArray& head);

    // What `head` is when it is no text file (detect gives Unsupported), else no value.
    static std::optional<Foreign> foreign(const QByteArray& head);
};
