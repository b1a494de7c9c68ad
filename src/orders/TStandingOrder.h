#pragma once

#include "data/Currency.h"

#include <QDate>
#include <QString>

// One standing order: a deposit, debit or transfer booked again and again in a rhythm (a row of
// table StandingOrder). Its occurrences are the days of its rhythm from `first` (TOrderSchedule);
// each is booked or skipped once (TOrderStore).
struct TStandingOrder
{
    enum class Kind
    {
        Deposit = 0,
        Debit = 1,
        Transfer = 2,
    };
    enum class Unit
    {
        Days = 0,
        Weeks = 1,
        Months = 2,
        Years = 3,
    };
    // What happens to an occurrence that falls on a Saturday or Sunday. The shift never leaves the
    // occurrence's month: where the Friday before lies in the month before, the Monday after is
    // taken, and the other way round.
    enum class Weekend
    {
        Keep = 0,
        FridayBefore = 1,
        MondayAfter = 2,
    };

    qint32 ID = 0; // 0 (or below 1) for a new order
    Kind kind = Kind::Debit;
    qint32 holder = 0;      // the holder of a deposit or debit; the source of a transfer
    qint32 destination = 0; // the destination of a transfer, else 0
    Currency amount;
    QString counterparty; // From
    QString forText;      // For
    QString memo;

    Unit unit = Unit::Months;
    int every = 1; // every N units
    QDate first;   // the first occurrence; a monthly or yearly order keeps its day of month
    QDate last;    // no occurrence after this day; invalid: no last day
    int times = 0; // at most this many occurrences; 0: no limit
    Weekend weekend = Weekend::Keep;

    bool varying = false;   // the amount varies (a bill): each booking may change it
    bool automatic = false; // books by itself when due, without asking
    bool paused = false;    // nothing falls due while paused
    // The day the order was last resumed: occurrences before it passed while it was paused and are
    // not due. Invalid when it never was paused.
    QDate resumed;
};
