#include "DataRow.h"
#include "TestDb.h"

#include "data/DbError.h"
#include "data/TTextPattern.h"

#include <QRandomGenerator>
#include <QTest>

#include <sqlite3.h>

namespace {

// A connection of its own, with the engine's LIKE or the program's.
struct Connection
{
    sqlite3* db = nullptr;
    explicit Connection(bool programsLike)
    {
        sqlite3_open(":memory:", &db);
        if (programsLike)
            TTextPattern::registerLike(db);
    }
    ~Connection() { sqlite3_close(db); }

    // The value of `expression` with the texts bound to ?1, ?2, ...; an error gives its text.
    QVariant value(const char* expression, const QStringList& texts) const
    {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, (QByteArray("SELECT ") + expression).constData(), -1, &st, nullptr) != SQLITE_OK)
            return QString::fromUtf8(sqlite3_errmsg(db));
        for (int i = 0; i < texts.size(); ++i) {
            const QByteArray utf8 = texts[i].toUtf8();
            if (texts[i].isNull())
                sqlite3_bind_null(st, i + 1);
            else
                sqlite3_bind_text(st, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        }
        QVariant out;
        if (sqlite3_step(st) != SQLITE_ROW)
            out = QString::fromUtf8(sqlite3_errmsg(db));
        else if (sqlite3_column_type(st, 0) != SQLITE_NULL)
            out = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        return out;
    }
};

} // namespace

class TestTextPattern : public QObject
{
    Q_OBJECT

private slots:
    void matches_data();
    void matches();
    void sameAsTheEnginesLikeForAtoZ_data();
    void sameAsTheEnginesLikeForAtoZ();
    void likeOnTheConnection_data();
    void likeOnTheConnection();
    void likeOnTheDataModule();
    void caseVariants_data();
    void caseVariants();
    void trigramQuery_data();
    void trigramQuery();
};

void TestTextPattern::matches_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("match");
    dataRow("umlaut, upper finds lower", "%MÜLLER%", "Herr Müller", true);
    dataRow("accent, lower finds upper", "%école%", "ÉCOLE DU SOIR", true);
    dataRow("Greek final sigma", "%ΟΔΟΣ%", "οδος", true);
    dataRow("Cyrillic", "%москва%", "МОСКВА", true);
    dataRow("Kelvin sign folds to k", "%5 kg%", QString::fromUtf8("5 \u212Ag"), true);
    dataRow("long s folds to s", "%ss%", QString::fromUtf8("\u017Fs"), true);
    dataRow("sharp s is not ss", "%strasse%", "Straße", false);
    dataRow("dotted I stays itself", "%i%", QString::fromUtf8("\u0130"), false);
    dataRow("different letters", "%müller%", "Muller", false);
    dataRow("underscore is one letter, two bytes", "M_ller", "Müller", true);
    dataRow("underscore is exactly one", "M_ller", "Mueller", false);
    dataRow("percent is any run", "a%c", "abbbc", true);
    dataRow("percent may be empty", "a%c", "ac", true);
    dataRow("start is anchored", "b%", "abc", false);
    dataRow("end is anchored", "%b", "abc", false);
    dataRow("backtracking", "%aab%", "aaab", true);
    dataRow("two runs in order", "%ab%cd%", "xxCDabCD", true);
    dataRow("two runs, wrong order", "%ab%cd%", "cdab", false);
    dataRow("quote is a letter", "%o'neil%", "O'NEIL", true);
    dataRow("empty pattern, empty text", "", "", true);
    dataRow("empty pattern, a text", "", "a", false);
    dataRow("only percent", "%", "", true);
    dataRow("longer than the stack buffer", "%end%", QString(300, u'é') + QStringLiteral("END"), true);
    dataRow("chinese", "%银行%", "中国银行", true);
}

void TestTextPattern::matches()
{
    QFETCH(QString, pattern);
    QFETCH(QString, text);
    QFETCH(bool, match);
    QCOMPARE(TTextPattern(pattern).matches(QStringView(text)), match);
    QCOMPARE(TTextPattern::fromUtf8(pattern.toUtf8()).matches(QByteArrayView(text.toUtf8())), match);
}

void TestTextPattern::sameAsTheEnginesLikeForAtoZ_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 3u, 4u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestTextPattern::sameAsTheEnginesLikeForAtoZ()
{
    // Within A to Z the engine's LIKE is the reference: random patterns and texts over a few
    // letters in both cases, the wildcards and a blank must match alike.
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    const QString letters = QStringLiteral("aAbB %_");
    auto word = [&](int maxLength, bool wildcards) {
        QString s = QStringLiteral(""); // empty, not null
        const int length = random.bounded(maxLength + 1);
        for (int i = 0; i < length; ++i)
            s += letters[random.bounded(wildcards ? letters.size() : letters.size() - 2)];
        return s;
    };
    const Connection engine(false);
    for (int i = 0; i < 2000; ++i) {
        const QString pattern = word(6, true);
        const QString text = word(8, false);
        const QVariant expected = engine.value("?2 LIKE ?1", {pattern, text});
        QVERIFY2(TTextPattern(pattern).matches(QStringView(text)) == expected.toBool(),
                 qPrintable(QStringLiteral("'%1' LIKE '%2'").arg(text, pattern)));
    }
}

void TestTextPattern::likeOnTheConnection_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QVariant>("result"); // 0, 1, null, or the error's text
    dataRow("LIKE ignores case beyond A to Z", "?1 LIKE ?2", QStringList{"Müller", "%MÜL%"}, QVariant(1));
    dataRow("NOT LIKE", "?1 NOT LIKE ?2", QStringList{"ÉCOLE", "école"}, QVariant(0));
    dataRow("like() takes the pattern first", "like(?1, ?2)", QStringList{"%É%", "café"}, QVariant(1));
    dataRow("null text", "?1 LIKE ?2", QStringList{QString(), "%"}, QVariant());
    dataRow("null pattern", "?1 LIKE ?2", QStringList{"a", QString()}, QVariant());
    dataRow("escaped percent", "?1 LIKE ?2 ESCAPE '!'", QStringList{"10%", "10!%"}, QVariant(1));
    dataRow("escaped percent is no wildcard", "?1 LIKE ?2 ESCAPE '!'", QStringList{"100", "10!%"}, QVariant(0));
    dataRow("escaped escape", "?1 LIKE ?2 ESCAPE '!'", QStringList{"a!", "A!!"}, QVariant(1));
    dataRow("escape at the end matches nothing", "?1 LIKE ?2 ESCAPE '!'", QStringList{"a!", "a!"}, QVariant(0));
    dataRow("non-ASCII escape", "?1 LIKE ?2 ESCAPE 'é'", QStringList{"_", "é_"}, QVariant(1));
    dataRow("escape of two characters", "?1 LIKE ?2 ESCAPE 'ab'", QStringList{"a", "a"},
            QVariant(QStringLiteral("ESCAPE expression must be a single character")));
    dataRow("a blob matches nothing", "x'41' LIKE ?1", QStringList{"A"}, QVariant(0));
    dataRow("a number is text", "12.5 LIKE ?1", QStringList{"%.5"}, QVariant(1));
}

void TestTextPattern::likeOnTheConnection()
{
    QFETCH(QString, expression);
    QFETCH(QStringList, texts);
    QFETCH(QVariant, result);
    const Connection program(true);
    QCOMPARE(program.value(expression.toUtf8().constData(), texts), result);
}

void TestTextPattern::likeOnTheDataModule()
{
    TestDb db;
    QCOMPARE(db.rows(QStringLiteral("select 'ÉCOLE' like ?, 'straße' like ?"),
                     {QStringLiteral("%éco%"), QStringLiteral("STRASSE")}),
             QStringList{"1|0"});
}

void TestTextPattern::caseVariants_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<QString>("variants"); // in any order
    dataRow("a", "A", "aA");
    dataRow("k with the Kelvin sign", "k", QString::fromUtf8("kK\u212A"));
    dataRow("s with the long s", "S", QString::fromUtf8("sS\u017F"));
    dataRow("sigma", QString::fromUtf8("ς"), QString::fromUtf8("σΣς"));
    dataRow("sharp s", QString::fromUtf8("ß"), QString::fromUtf8("ß\u1E9E"));
    dataRow("digit", "7", "7");
    dataRow("quote", "'", "'");
}

void TestTextPattern::caseVariants()
{
    QFETCH(QString, letter);
    QFETCH(QString, variants);
    const std::u32string got = TTextPattern::caseVariants(letter.toUcs4().front());
    QList<uint> gotSorted(got.begin(), got.end());
    QList<uint> expected = variants.toUcs4();
    std::sort(gotSorted.begin(), gotSorted.end());
    std::sort(expected.begin(), expected.end());
    QCOMPARE(gotSorted, expected);
}

void TestTextPattern::trigramQuery_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("escape");
    QTest::addColumn<QString>("query");
    dataRow("too short", "%ab%", "", "");
    dataRow("runs too short", "%ab_cd%ef%", "", "");
    dataRow("escape at the end matches nothing", "abc!", "!", "");
    dataRow("escaped wildcard is a letter", "%1!%2%", "!", "(\"1%2\")");
    dataRow("three digits", "%123%", "", "(\"123\")");
    dataRow("letters in every case", "%Ab1%", "", "(\"ab1\" OR \"aB1\" OR \"Ab1\" OR \"AB1\")");
    dataRow("six: two side by side", "%12 34 %", "", "(\"12 \") AND (\"34 \")");
    dataRow("seven: the last closes", "%1234567%", "", "(\"123\") AND (\"456\") AND (\"567\")");
    dataRow("double quote doubled", "%1\"2%", "", "(\"1\"\"2\")");
    dataRow("wildcards split runs", "%123_456%78%", "", "(\"123\") AND (\"456\")");
    dataRow("at most eight trigrams", "%" + QString(40, u'1') + "%", "",
            QStringList(8, QStringLiteral("(\"111\")")).join(QStringLiteral(" AND ")));
}

void TestTextPattern::trigramQuery()
{
    QFETCH(QString, pattern);
    QFETCH(QString, escape);
    QFETCH(QString, query);
    const TTextPattern p(pattern, escape.isEmpty() ? 0 : escape.toUcs4().front());
    QCOMPARE(p.trigramQuery(), query);
}

QTEST_GUILESS_MAIN(TestTextPattern)
#include "tst_textpattern.moc"
