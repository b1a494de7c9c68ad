#pragma once

#include <QDate>
#include <QList>

// Which backups the daily backup keeps: the newest seven, plus the newest of each of the last four
// calendar weeks (Monday to Sunday; this week and the three before) and of each of the last six
// calendar months (this month and the five before). Only whole copies are kept: a damaged one never
// takes a place and goes; one that could not be read is neither counted nor removed. The newest
// whole copy is always among those kept.
class TBackupRotation final
{
public:
    TBackupRotation() = delete;

    static constexpr int Days = 7;
    static constexpr int Weeks = 4;
    static constexpr int Months = 6;

    enum class State
    {
        Whole,
        Damaged,
        Unknown,
    };

    struct Copy
    {
        QDate day;
        State state = State::Whole;
    };

    // The days of the copies to remove on `today`, given every copy there is (one per day).
    static QList<QDate> toDelete(const QList<Copy>& copies, const QDate& today);
};
