#pragma once

#include "history/TExportWriter.h"

#include <QByteArrayView>

// An Excel worksheet as a bare stream of BIFF records (no compound document): BOF, then one
// record per cell, row after row (titles, data rows, footer rows), then EOF. Titles and texts are
// LABEL, integers RK, money NUMBER, empty cells BLANK; sum and count footers NUMBER, other footers
// LABEL. Row and column numbers and text lengths are 16-bit: a grid past those limits is refused
// (limitError) rather than written wrong.
//
// A file names no code page, so a reader takes 8-bit labels as Windows-1252. When every text of the
// file fits Windows-1252 the worksheet is BIFF5 with its labels in it; otherwise it is BIFF8, the
// format's Unicode form: a 16-byte BOF of version 0x0600, a CODEPAGE record saying UTF-16 (1200)
// and labels of 16-bit characters. The cell records are the same in both.
class TExcelWriter final : public TExportWriter
{
public:
    enum class Form
    {
        Windows1252, // BIFF5, 8-bit labels
        Unicode      // BIFF8, labels of 16-bit characters
    };

    // The most rows (titles and footers included) and columns a file can hold.
    static constexpr int MaxRows = 65535;
    static constexpr int MaxColumns = 65535;
    // The longest text of the Windows-1252 form (bytes, one for each character).
    static constexpr int MaxLabelBytes = 65535 - 8;
    // The longest text of the Unicode form (16-bit characters): a BIFF8 record holds at most 8,224
    // bytes, 9 of them before the characters.
    static constexpr int MaxLabelChars = (8224 - 9) / 2;

    // The form the file of `model` takes: Windows-1252 when every text it writes fits.
    static Form formOf(const TGridModel& model);

    QString extension() const override { return QStringLiteral("xls"); }
    QString limitError(const TGridModel& model) const override;

protected:
    void writePrefix() override;
    void writeTitles() override;
    void writeRow(int position) override;
    void writeFooter() override;
    void writeSuffix() override;

private:
    void word(quint16 value);
    void dword(quint32 value);
    void label(QByteArrayView utf8);
    void number(double value);
    void integer(qint64 value);
    void blank();
    void cellHeader(quint16 type, quint16 length, quint16 format = 0);
    void nextCell();

    Form m_form = Form::Windows1252;
    int m_row = 0;
    int m_column = 0;
    QByteArray m_scratch;
    QByteArray m_label;
};
