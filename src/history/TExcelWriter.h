#pragma once

#include "history/TExportWriter.h"

#include <QByteArrayView>

// An Excel worksheet as a bare stream of BIFF records (no compound document): BOF, then one
// record per cell, row after row (titles, data rows, footer rows), then EOF. Titles and texts are
// LABEL, integers RK, money NUMBER, empty cells BLANK; sum and count footers NUMBER, other footers
// LABEL. Row and column numbers and text lengths are 16-bit: a grid past those limits is refused
// (limitError) rather than written wrong.
class TExcelWriter final : public TExportWriter
{
public:
    // The most rows (titles and footers included) and the longest text (bytes) a file can hold.
    static constexpr int MaxRows = 65535;
    static constexpr int MaxColumns = 65535;
    static constexpr int MaxLabelBytes = 65535 - 8;

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
    void label(QByteArrayView text);
    void number(double value);
    void integer(qint64 value);
    void blank();
    void cellHeader(quint16 type, quint16 length, quint16 format = 0);
    void nextCell();

    int m_row = 0;
    int m_column = 0;
    QByteArray m_scratch;
};
