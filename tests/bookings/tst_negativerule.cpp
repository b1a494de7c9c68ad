#include "TestDb.h"

#include "bookings/TBookingStore.h"
#include "bookings/TNegativeRule.h"

#include <QTest>

#include <functional>
#include <optional>
#include <span>

namespace {

// A booking of the rule's table: payer and payee by letter ('A', 'B', 'C'; '-' for none, the
// payee of a debit), and its amount.
struct Booking
{
    char payer;
    char payee;
    const char* amount;
};

// Holders A, B and C start with 100, 0 and 30; the stored booking (if any) is saved before the
// rule is asked about the new one. `read` is the payer's balance then, as a dialog reads it,
// `after` the balance the rule judges, `stored` the payer's balance once the new booking is saved.
struct Move
{
    const char* name;
    std::optional<Booking> before;
    Booking now;
    const char* read;
    const char* after;
    const char* stored;
};

const Move TransferMoves[] = {
    {"new", std::nullopt, {'A', 'B', "120"}, "100", "-20", "-20"},
    {"new, all of it", std::nullopt, {'A', 'B', "100"}, "100", "0", "0"},
    {"new self-transfer", std::nullopt, {'A', 'A', "120"}, "100", "-20", "100"},
    {"same holders, larger", Booking{'A', 'B', "100"}, {'A', 'B', "120"}, "0", "-20", "-20"},
    {"same holders, smaller", Booking{'A', 'B', "100"}, {'A', 'B', "80"}, "0", "20", "20"},
    {"swapped", Booking{'A', 'B', "100"}, {'B', 'A', "100"}, "100", "-100", "-100"},
    {"source moved to a third holder", Booking{'A', 'B', "100"}, {'C', 'B', "40"}, "30", "-10", "-10"},
    {"source moved to the old destination", Booking{'A', 'B', "100"}, {'B', 'C', "100"}, "100", "-100", "-100"},
    {"destination moved", Booking{'A', 'B', "100"}, {'A', 'C', "100"}, "0", "0", "0"},
    {"destination moved, larger", Booking{'A', 'B', "100"}, {'A', 'C', "120"}, "0", "-20", "-20"},
    {"former self-transfer", Booking{'A', 'A', "100"}, {'A', 'B', "120"}, "100", "-20", "-20"},
    {"former self-transfer, all of it", Booking{'A', 'A', "100"}, {'A', 'B', "100"}, "100", "0", "0"},
    {"edited into a self-transfer", Booking{'A', 'B', "100"}, {'A', 'A', "150"}, "0", "100", "100"},
    {"self-transfer kept, larger", Booking{'A', 'A', "100"}, {'A', 'A', "150"}, "100", "100", "100"},
};

const Move DebitMoves[] = {
    {"new", std::nullopt, {'A', '-', "120"}, "100", "-20", "-20"},
    {"new, all of it", std::nullopt, {'A', '-', "100"}, "100", "0", "0"},
    {"same holder, smaller", Booking{'A', '-', "100"}, {'A', '-', "80"}, "0", "20", "20"},
    {"same holder, larger", Booking{'A', '-', "100"}, {'A', '-', "120"}, "0", "-20", "-20"},
    {"moved to another holder", Booking{'A', '-', "100"}, {'C', '-', "40"}, "30", "-10", "-10"},
    {"moved to another holder, all of it", Booking{'A', '-', "100"}, {'C', '-', "30"}, "30", "0", "0"},
};

// The rows of the rule table: the payer's flags and the outcome when its balance goes below 0.
struct Rule
{
    const char* name;
    bool negative;
    bool warn;
    TNegativeRule::Outcome belowZero;
};

const Rule Rules[] = {
    {"may not go negative", false, false, TNegativeRule::Outcome::Refused},
    {"may not go negative, warn mark", false, true, TNegativeRule::Outcome::Refused},
    {"may go negative, asked", true, true, TNegativeRule::Outcome::Ask},
    {"may go negative silently", true, false, TNegativeRule::Outcome::Allowed},
};

// Holder ids by letter; for the rule alone any distinct ids do.
struct Holders
{
    qint32 a = 1;
    qint32 b = 2;
    qint32 c = 3;
    qint32 id(char letter) const { return letter == 'A' ? a : letter == 'B' ? b : letter == 'C' ? c : 0; }

    std::optional<TNegativeRule::Stored> stored(const Move& move) const
    {
        if (!move.before)
            return std::nullopt;
        return TNegativeRule::Stored{id(move.before->payer), id(move.before->payee), money(move.before->amount)};
    }
};

qint32 save(bool transfer, const Holders& h, const Booking& booking, qint32 id)
{
    const QDateTime when(QDate(2026, 3, 14), QTime(12, 0));
    if (transfer) {
        TTransferRow row;
        row.ID = id;
        row.SourceID = h.id(booking.payer);
        row.DestID = h.id(booking.payee);
        row.Date = when;
        row.From = QStringLiteral("Me");
        row.Amount = money(booking.amount);
        return TBookingStore::saveTransfer(row);
    }
    TDetailRow row;
    row.ID = id;
    row.Type = TDetailRow::Debit;
    row.DestID = h.id(booking.payer);
    row.Date = when;
    row.From = QStringLiteral("Shop");
    row.Amount = money(booking.amount);
    return TBookingStore::saveDetail(row);
}

void addMoves(const std::function<void(bool transfer, const Move& move)>& add)
{
    for (const Move& move : TransferMoves)
        add(true, move);
    for (const Move& move : DebitMoves)
        add(false, move);
}

} // namespace

Q_DECLARE_METATYPE(Move)

class TestNegativeRule : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void judgesTheBalanceAfterTheSave_data();
    void judgesTheBalanceAfterTheSave();
    void foreseesWhatTheSaveDoes_data();
    void foreseesWhatTheSaveDoes();
};

void TestNegativeRule::judgesTheBalanceAfterTheSave_data()
{
    QTest::addColumn<Move>("move");
    QTest::addColumn<bool>("negative");
    QTest::addColumn<bool>("warn");
    QTest::addColumn<int>("outcome");
    addMoves([](bool transfer, const Move& move) {
        for (const Rule& rule : Rules) {
            const bool below = money(move.after).isNegative();
            QTest::addRow("%s %s; %s", transfer ? "transfer" : "debit", move.name, rule.name)
                << move << rule.negative << rule.warn << int(below ? rule.belowZero : TNegativeRule::Outcome::Allowed);
        }
    });
}

void TestNegativeRule::judgesTheBalanceAfterTheSave()
{
    QFETCH(Move, move);
    QFETCH(bool, negative);
    QFETCH(bool, warn);
    QFETCH(int, outcome);
    const Holders h;
    TDataInfo payer;
    payer.ID = h.id(move.now.payer);
    payer.Balance = money(move.read);
    payer.Negative = negative;
    payer.WarnNegative = warn;
    const qint32 payee = h.id(move.now.payee);
    const Currency amount = money(move.now.amount);
    QCOMPARE(TNegativeRule::balanceAfter(payer, payee, amount, h.stored(move)), money(move.after));
    QCOMPARE(int(TNegativeRule::check(payer, payee, amount, h.stored(move))), outcome);
}

void TestNegativeRule::foreseesWhatTheSaveDoes_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<Move>("move");
    addMoves([](bool transfer, const Move& move) {
        QTest::addRow("%s %s", transfer ? "transfer" : "debit", move.name) << transfer << move;
    });
}

void TestNegativeRule::foreseesWhatTheSaveDoes()
{
    QFETCH(bool, transfer);
    QFETCH(Move, move);
    TestDb db;
    const Holders h{db.addHolder(QStringLiteral("A"), 0, money("100")), db.addHolder(QStringLiteral("B"), 2),
                    db.addHolder(QStringLiteral("C"), 1, money("30"))};
    const qint32 id = move.before ? save(transfer, h, *move.before, 0) : 0;
    const TDataInfo payer = TDM::LoadHolder(h.id(move.now.payer));
    QCOMPARE(payer.Balance, money(move.read));
    const Currency after =
        TNegativeRule::balanceAfter(payer, h.id(move.now.payee), money(move.now.amount), h.stored(move));
    save(transfer, h, move.now, id);
    QCOMPARE(db.balance(payer.ID), money(move.stored));
    // What the rule judges is what the save leaves, but for a new transfer to itself, which changes
    // nothing and is judged as the balance minus the amount.
    const bool newSelfTransfer = transfer && !move.before && move.now.payer == move.now.payee;
    QCOMPARE(after == money(move.stored), !newSelfTransfer);
}

QTEST_MAIN(TestNegativeRule)
#include "tst_negativerule.moc"
