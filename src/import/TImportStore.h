#pragma once

#include "bookings/TNegativePolicy.h"
#include "data/TDataInfo.h"
#include "import/TImportPreview.h"
#include "import/TImportRecord.h"
#include "import/TTypedBooking.h"

#include <QList>
#include <QSet>
#include <QString>

#include <functional>
#include <optional>

// Books the ticked rows of a statement's preview for one holder and takes an import back, each in
// one transaction on the program's connection (the bookings, the holder's balance, the fingerprints
// and the import's record together or not at all; a failure rolls everything back and throws
// DbError). Positive amounts become deposits, negative ones debits of the amount without its sign,
// dated on their day at BookingHour o'clock. Each booked row's fingerprint stays with the holder when the
// booking is deleted, so the row is not offered again, and goes when its import is taken back.
class TImportStore
{
public:
    // A statement gives days only. Noon is never skipped or doubled by a change of clocks, and keeps
    // the bookings inside their day whatever the zone.
    static constexpr int BookingHour = 12;

    struct Import
    {
        qint32 holder = 0;
        QString fileName; // as the list of imports shows it
        QString profile;  // the saved settings used, else empty
    };

    // Told how far booking has come (steps done, steps in all: each row is staged, then booked); false
    // stops it and nothing is written.
    using Progress = std::function<bool(int done, int total)>;

    // The fingerprints of the rows imported for `holder` (TFingerprint), deleted bookings included.
    static QSet<QString> knownFingerprints(qint32 holder);

    // The negative-balance rule of `holder` for the import as a whole: it applies when the ticked
    // rows hold debits and the balance after all of them is below 0. `after` receives that balance;
    // a sum out of the range of money is refused.
    static TNegativeRule::Outcome negativeRule(const TDataInfo& holder, const TImportPreview& preview,
                                               std::optional<Currency>* after = nullptr);

    // The bookings of `holder` dated from `from` to `to` (whole days) that no import made and none
    // has claimed as typed before: what a statement's rows may be (TImportPreview::matchTyped).
    static QList<TTypedBooking> typedBookings(qint32 holder, const QDate& from, const QDate& to);

    // What the bookings of `holder` dated after `day` did to its balance: its balance at the end of
    // `day` is its balance now less this.
    static Currency movedAfter(qint32 holder, const QDate& day);

    // Books the ticked rows of `preview`, and links the rows that are bookings typed before and not
    // ticked to those bookings (their fingerprints recorded, nothing booked again); returns the new
    // import's id, or no value when `progress` stopped it. The holder's negative-balance rule is
    // judged for the import as a whole (negativeRule) inside the transaction, on the balance as it
    // is then, and `policy` decides (TNegativeRefusal when it stops the import). Throws
    // std::invalid_argument when no row is ticked nor linked.
    static std::optional<qint32> book(const TImportPreview& preview, const Import& import,
                                      const Progress& progress = {},
                                      const TNegativePolicy& policy = TNegativePolicy::refuse());

    // Deletes the bookings import `id` made that still exist (whatever they were edited to, each
    // holder's balance following), keeps the bookings it linked as typed before, and forgets its
    // fingerprints and the import. Returns the holders
    // whose balances moved (the import's, and any an edit moved a booking to); no value when there
    // is no such import.
    static std::optional<QList<qint32>> undo(qint32 id);

    // Every import, the newest first.
    static QList<TImportRecord> list();
};
