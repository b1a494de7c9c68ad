#pragma once

#include "history/TExportWriter.h"

#include <QByteArrayView>
#include <QList>

struct TGridFont;

// An HTML 3.2 table: one row for the titles, one per data row, one per footer row; each cell
// with its column's width, alignment, background colour (titles have none) and font. Texts are
// escaped without semicolons ("&amp", "&lt", "&gt", "&quot") and an empty text is "&nbsp".
class THtmlWriter final : public TExportWriter
{
public:
    QString extension() const override { return QStringLiteral("htm"); }

    // The escaped form of a text as the cells carry it.
    static QByteArray escaped(QByteArrayView text);

protected:
    void writePrefix() override;
    void writeTitles() override;
    void writeRow(int position) override;
    void writeFooter() override;
    void writeSuffix() override;

private:
    QByteArray cellStart(int column, Qt::Alignment alignment, const QString& background, const TGridFont& font) const;
    static QByteArray fontEnd(const TGridFont& font);
    void appendEscaped(QByteArrayView text);

    // Per column: what comes before and after the text of a data cell.
    QList<QByteArray> m_rowCellStart;
    QList<QByteArray> m_rowCellEnd;
    QByteArray m_scratch;
};
