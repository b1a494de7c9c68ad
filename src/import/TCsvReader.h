#pragma once

#include "import/TCsvSettings.h"
#include "import/TStatement.h"

#include <QIODevice>
#include <QStringView>

#include <atomic>

// Reads a delimited bank statement file (CSV) with the settings of its bank. Every line after the
// column titles that is not booked is listed with its reason: lines that could not be read, the
// statement's own balance and total lines (whose balances are kept for the proof), and the lines
// the settings skip at the bottom.
class TCsvReader
{
public:
    static TStatement read(QIODevice& device, const TCsvSettings& settings);
    // `stop`, when given and set (by another thread), ends the reading early: the statement then
    // holds what was read so far.
    static TStatement read(const QByteArray& bytes, const TCsvSettings& settings,
                           const std::atomic<bool>* stop = nullptr);

    // The signed amount of a record's `fields` as `settings` read it (the amount, or the columns of
    // money paid out and received, the direction, the fee, the sign); no value and `reason` when
    // there is none.
    static std::optional<Currency> amountOf(const QStringList& fields, const TCsvSettings& settings, QString& reason);

    // The part of `text` between the lines skipped at the top and at the bottom (blank lines at the
    // end do not count), with the number of its first line and the last skipped line at the top;
    // and the lines skipped at the bottom, with the number of their first line.
    struct Body
    {
        QStringView text;
        int firstLine = 1;
        QStringView lastSkipped;
        QStringView tail;
        int tailFirstLine = 1;
    };
    static Body body(QStringView text, int skipTop, int skipBottom);
};
