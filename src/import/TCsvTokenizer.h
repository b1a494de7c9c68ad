#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <QStringView>

// One record of a delimited text file.
struct TCsvRecord
{
    QStringList fields;
    int line = 0;       // the line where the record starts (1 = the first line of the file)
    int lastLine = 0;   // the line where it ends; later than `line` when a quoted text holds line breaks
    QStringView source; // the record's text as it stands in the file, without the line end
    QString error;      // why the record is broken (bad quoting), else empty

    bool isBlank() const { return fields.size() == 1 && fields.front().trimmed().isEmpty(); }
};

// Splits delimited text into records after RFC 4180: a field in double quotes may hold the
// delimiter, line breaks and doubled quotes; lines may end in CR LF, LF or CR. A quote inside an
// unquoted field is kept as a character. Blanks between a closing quote and the delimiter are
// ignored; anything else there breaks the record, which then ends at its line's end. A quote that is
// never closed breaks its record at its first line, and reading goes on with the next line, so one
// stray quote does not swallow the rest of the file.
class TCsvTokenizer
{
public:
    // `text` must outlive the tokenizer; `firstLine` is the number of its first line in the file.
    TCsvTokenizer(QStringView text, QChar delimiter, int firstLine = 1);

    // The next record; false at the end of the text.
    bool next(TCsvRecord& record);

    // Splits one line, or a few, into fields (for titles and samples).
    static QStringList split(QStringView text, QChar delimiter);

    // The line ends of `text`: CR LF, LF or CR each end one line.
    static int lineEnds(QStringView text);

private:
    void skipLineEnd();
    void skipToLineEnd();

    QStringView m_text;
    QChar m_delimiter;
    qsizetype m_pos = 0;
    int m_line;
};
