#include "TestDb.h"

#include "bookings/TNegativeRule.h"

#include <QTest>

#include <optional>

namespace {

// A holder move of a save: the booking stored before (none for a new one) and the one saved, each
// as payer, payee ('-' for a debit's none) and amount; holders A, B, C have the ids 1, 2, 3. `read`
// is the payer's balance as the dialog reads it (still holding the stored booking), `after` what
// the rule judges: the payer's balance once the save is done.
struct Move
{
    const char* name;
    const char* before; // "AB100": A paid 100 to B; nullptr for a new booking
    const char* now;
    const char* read;
    const char* after;
};

const Move Moves[] = {
    {"transfer, new", nullptr, "AB120", "100", "-20"},
    {"transfer, new, all of it", nullptr, "AB100", "100", "0"},
    {"transfer, new to itself", nullptr, "AA120", "100", "-20"},
    {"transfer, same holders, larger", "AB100", "AB120", "0", "-20"},
    {"transfer, same holders, smaller", "AB100", "AB80", "0", "20"},
    {"transfer, swapped", "AB100", "BA100", "100", "-100"},
    {"transfer, source moved to a third holder", "AB100", "CB40", "30", "-10"},
    {"transfer, source moved to the old destination", "AB100", "BC100", "100", "-100"},
    {"transfer, destination moved", "AB100", "AC100", "0", "0"},
    {"transfer, destination moved, larger", "AB100", "AC120", "0", "-20"},
    {"transfer, former self-transfer", "AA100", "AB120", "100", "-20"},
    {"transfer, former self-transfer, all of it", "AA100", "AB100", "100", "0"},
    {"transfer, edited into a self-transfer", "AB100", "AA150", "0", "100"},
    {"transfer, self-transfer kept, larger", "AA100", "AA150", "100", "100"},
    {"debit, new", nullptr, "A-120", "100", "-20"},
    {"debit, same holder, smaller", "A-100", "A-80", "0", "20"},
    {"debit, same holder, larger", "A-100", "A-120", "0", "-20"},
    {"debit, moved to another holder", "A-100", "C-40", "30", "-10"},
    {"debit, moved to another holder, all of it", "A-100", "C-30", "30", "0"},
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

qint32 holder(char letter)
{
    return letter == '-' ? 0 : letter - 'A' + 1;
}

Currency amountOf(const char* booking)
{
    return money(booking + 2);
}

} // namespace

class TestNegativeRule : public QObject
{
    Q_OBJECT

private slots:
    void judgesTheBalanceAfterTheSave_data();
    void judgesTheBalanceAfterTheSave();
};

void TestNegativeRule::judgesTheBalanceAfterTheSave_data()
{
    QTest::addColumn<int>("move");
    QTest::addColumn<int>("rule");
    for (int m = 0; m < int(std::size(Moves)); ++m) {
        for (int r = 0; r < int(std::size(Rules)); ++r)
            QTest::addRow("%s; %s", Moves[m].name, Rules[r].name) << m << r;
    }
}

void TestNegativeRule::judgesTheBalanceAfterTheSave()
{
    QFETCH(int, move);
    QFETCH(int, rule);
    const Move& m = Moves[move];
    const Rule& r = Rules[rule];
    TDataInfo payer;
    payer.ID = holder(m.now[0]);
    payer.Balance = money(m.read);
    payer.Negative = r.negative;
    payer.WarnNegative = r.warn;
    std::optional<TNegativeRule::Stored> stored;
    if (m.before != nullptr)
        stored = TNegativeRule::Stored{holder(m.before[0]), holder(m.before[1]), amountOf(m.before)};
    const qint32 payee = holder(m.now[1]);
    QCOMPARE(TNegativeRule::balanceAfter(payer, payee, amountOf(m.now), stored), money(m.after));
    const auto expected = money(m.after).isNegative() ? r.belowZero : TNegativeRule::Outcome::Allowed;
    QCOMPARE(TNegativeRule::check(payer, payee, amountOf(m.now), stored), expected);
}

QTEST_MAIN(TestNegativeRule)
#include "tst_negativerule.moc"
