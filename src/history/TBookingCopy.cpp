#include "history/TBookingCopy.h"

#include "data/TDateText.h"
#include "data/TLedgerQuery.h"

namespace {

// The ledger columns a copied line holds, in this order.
constexpr int CopiedColumns[] = {TLedgerQuery::Date, TLedgerQuery::TypeName, TLedgerQuery::Memo, TLedgerQuery::Date1,
                                 TLedgerQuery::From, TLedgerQuery::Amount,   TLedgerQuery::For};

} // namespace

QString TBookingCopy::cellText(const TRowSet& rows, int row, int column, const QLocale& locale)
{
    if (rows.isNull(row, column))
        return {};
    switch (rows.kind(column)) {
    case TRowSet::Kind::Integer:
        return QString::number(rows.number(row, column));
    case TRowSet::Kind::Money:
        return rows.money(row, column).toPlainString(locale);
    case TRowSet::Kind::Date:
        return TDateText::shortDate(rows.date(row, column), locale);
    case TRowSet::Kind::DateTime: {
        const QDateTime dt = rows.dateTime(row, column);
        if (dt.time() == QTime(0, 0))
            return TDateText::shortDate(dt.date(), locale);
        return TDateText::dateTime(dt, locale);
    }
    case TRowSet::Kind::Text:
        return rows.text(row, column);
    }
    return {};
}

QString TBookingCopy::text(const TRowSet& rows, const QList<int>& sourceRows, const QLocale& locale)
{
    QString out;
    for (int row : sourceRows) {
        for (int column : CopiedColumns)
            out += cellText(rows, row, column, locale) + u',';
        out += QStringLiteral("\r\n");
    }
    return out;
}
