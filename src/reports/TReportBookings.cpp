#include "reports/TReportBookings.h"

#include "data/TLedgerQuery.h"

#include <QHash>

#include <utility>

namespace {

// Copies row `row` of `from` to the end of `to`, which has the same columns.
void copyRow(const TRowSet& from, int row, TRowSet& to)
{
    to.appendRow();
    for (int c = 0; c < from.columnCount(); ++c) {
        if (from.isNull(row, c))
            continue;
        if (from.kind(c) == TRowSet::Kind::Text)
            to.setText(c, from.utf8(row, c));
        else
            to.setNumber(c, from.number(row, c));
    }
}

} // namespace

TRowSet TReportBookings::rows(const TReportFilter& filter)
{
    TLedgerQuery query;
    if (filter.first.isValid() || filter.last.isValid())
        query.addDayRange(filter.first.isValid() ? filter.first : QDate(1, 1, 1),
                          filter.last.isValid() ? filter.last : QDate(9999, 12, 31));
    // Both sides of every transfer are read, so that each side knows its other side's holder.
    const bool transfers = filter.kinds.isEmpty() || filter.kinds.contains(TBookingKind::TransferIn) ||
                           filter.kinds.contains(TBookingKind::TransferOut);
    if (!transfers && filter.kinds.size() == 1)
        query.addKind(int(filter.kinds.first()));
    const TRowSet all = query.open();

    const int id = all.indexOf(u"id");
    const int holder = all.indexOf(u"AccID");
    const int type = all.indexOf(u"type");
    const int holderType = all.indexOf(u"AccType");
    const int day = all.indexOf(u"Date1");
    const int from = all.indexOf(u"from");
    const int forText = all.indexOf(u"for");

    // Transfer id -> (holder, holder type) of its source side (kind 2) and of its destination (3).
    QHash<qint64, std::pair<qint32, int>> sources, destinations;
    for (int r = 0; r < all.rowCount(); ++r) {
        const qint64 kind = all.number(r, type);
        if (kind == 2 || kind == 3)
            (kind == 2 ? sources : destinations)
                .insert(all.number(r, id), {qint32(all.number(r, holder)), int(all.number(r, holderType))});
    }

    TRowSet kept(TLedgerQuery::emptyRows());
    for (int r = 0; r < all.rowCount(); ++r) {
        TReportFilter::Booking booking;
        booking.kind = TBookingKind(all.number(r, type));
        booking.holder = qint32(all.number(r, holder));
        booking.holderType = int(all.number(r, holderType));
        if (booking.kind == TBookingKind::TransferOut || booking.kind == TBookingKind::TransferIn) {
            const auto other =
                (booking.kind == TBookingKind::TransferOut ? destinations : sources).value(all.number(r, id), {0, -1});
            booking.other = other.first;
            booking.otherType = other.second;
        }
        booking.day = all.date(r, day);
        booking.from = all.text(r, from);
        booking.forText = all.text(r, forText);
        if (filter.matches(booking))
            copyRow(all, r, kept);
    }
    return kept;
}
