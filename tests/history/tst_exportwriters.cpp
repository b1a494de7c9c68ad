#include "TestDb.h"

#include "data/TLedgerQuery.h"
#include "history/TExcelWriter.h"
#include "history/THistoryGrid.h"
#include "history/THtmlWriter.h"
#include "history/TTextWriter.h"
#include "history/TWindows1252.h"
#include "toolkit/TGridModel.h"

#include <QBuffer>
#include <QFile>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <iconv.h>

#include <cstring>
#include <stdexcept>

namespace {

struct Entry
{
    QDate day;
    const char* type;
    const char* name;
    const char* from; // nullptr: no value
    const char* amount;
    const char* forText;
    const char* memo;
};

TRowSet ledgerRows(const QList<Entry>& entries)
{
    TRowSet rows = TLedgerQuery::emptyRows();
    int id = 0;
    for (const Entry& e : entries) {
        rows.appendRow();
        rows.setNumber(TLedgerQuery::Id, ++id);
        rows.setNumber(TLedgerQuery::Date, TRowSet::dateTimeKey(QDateTime(e.day, QTime(9, 15))));
        rows.setNumber(TLedgerQuery::Date1, e.day.toJulianDay());
        rows.setText(TLedgerQuery::TypeName, QByteArray(e.type));
        rows.setText(TLedgerQuery::Name, QByteArray(e.name));
        if (e.from != nullptr)
            rows.setText(TLedgerQuery::From, QByteArray(e.from));
        rows.setNumber(TLedgerQuery::Amount, money(e.amount).raw());
        if (e.forText != nullptr)
            rows.setText(TLedgerQuery::For, QByteArray(e.forText));
        if (e.memo != nullptr)
            rows.setText(TLedgerQuery::Memo, QByteArray(e.memo));
    }
    return rows;
}

// The history window's grid: nine columns, bold "MS Sans Serif" 9, a "SUM" footer under Date
// and the sum of the amounts.
void historyLayout(TGridModel& m)
{
    m.setLayout(THistoryGrid::options(), THistoryGrid::columns());
    TGridColor::System system;
    system.window = qRgb(255, 255, 255);
    system.windowText = qRgb(0, 0, 0);
    system.buttonFace = qRgb(212, 208, 200);
    m.setSystemColors(system);
}

const QList<Entry> TwoRows = {
    {QDate(2026, 3, 1), "Deposit", "Bank", "A&B <Co> \"x\"", "12.5", "", nullptr},
    {QDate(2026, 3, 2), "Debit", "Cash", nullptr, "4", "food", "na\xc3\xafve caf\xc3\xa9"},
};

QByteArray written(TExportWriter& writer, const TGridModel& m)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writer.write(buffer, m);
    return buffer.data();
}

struct Record
{
    quint16 type;
    QByteArray body;
    quint16 word(int at) const { return qFromLittleEndian<quint16>(body.constData() + at); }
    double number() const
    {
        double d = 0;
        const quint64 bits = qFromLittleEndian<quint64>(body.constData() + 6);
        std::memcpy(&d, &bits, 8);
        return d;
    }
    QByteArray text() const { return body.mid(8, word(6)); }
    // The text of a LABEL of 16-bit characters (BIFF8): the count, the flags byte, the characters.
    QString unicodeText() const
    {
        QString out;
        for (int i = 0; i < word(6); ++i)
            out += QChar(word(9 + 2 * i));
        return out;
    }
};

QList<Record> records(const QByteArray& file)
{
    QList<Record> out;
    qsizetype at = 0;
    while (at + 4 <= file.size()) {
        const auto type = qFromLittleEndian<quint16>(file.constData() + at);
        const auto length = qFromLittleEndian<quint16>(file.constData() + at + 2);
        out << Record{type, file.mid(at + 4, length)};
        at += 4 + length;
    }
    if (at != file.size())
        qFatal("records do not fill the file");
    return out;
}

class FailingDevice : public QIODevice
{
public:
    FailingDevice() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64) override
    {
        setErrorString(QStringLiteral("No space left on device"));
        return -1;
    }
};

} // namespace

class TestExportWriters : public QObject
{
    Q_OBJECT

private slots:
    void init() { pinLocale("en_US"); }
    void goldenFiles_data();
    void goldenFiles();
    void excelRecordsOfEachCell();
    void excelIntegers();
    void excelForm_data();
    void excelForm();
    void windows1252AgreesWithIconv();
    void textLines();
    void htmlEscaping_data();
    void htmlEscaping();
    void emptyListHasTitlesAndFooter_data();
    void emptyListHasTitlesAndFooter();
    void rowsInCurrentOrder();
    void excelLimits_data();
    void excelLimits();
    void deviceFailureIsReported();
};

void TestExportWriters::goldenFiles_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("file");
    QTest::newRow("Excel") << 1 << "history.xls";
    QTest::newRow("text") << 2 << "history.txt";
    QTest::newRow("HTML") << 3 << "history.htm";
}

void TestExportWriters::goldenFiles()
{
    QFETCH(int, type);
    QFETCH(QString, file);
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows(TwoRows));
    const auto writer = TExportWriter::forType(type);
    const QByteArray bytes = written(*writer, m);
    QFile golden(QStringLiteral(GOLDEN_DIR "/") + file);
    if (qEnvironmentVariableIsSet("BUDGET_UPDATE_GOLDEN")) {
        QVERIFY(golden.open(QIODevice::WriteOnly));
        golden.write(bytes);
        QSKIP("golden file written");
    }
    QVERIFY2(golden.open(QIODevice::ReadOnly), qPrintable(golden.fileName()));
    QCOMPARE(bytes, golden.readAll());
}

void TestExportWriters::excelRecordsOfEachCell()
{
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", "x", "10", nullptr, nullptr},
                          {QDate(2026, 3, 2), "Debit", "Cash", "y", "4", nullptr, nullptr}}));
    TExcelWriter writer;
    const QByteArray file = written(writer, m);
    QCOMPARE(file.left(12), QByteArray::fromHex("090808000000100000000000"));
    QCOMPARE(file.mid(12, 15), QByteArray::fromHex("0402 0B00 0000 0000 0000 0300 4E6F2E"));
    QCOMPARE(file.right(4), QByteArray::fromHex("0A000000"));

    const QList<Record> rs = records(file);
    QCOMPARE(rs.size(), 1 + 9 * 4 + 1);
    auto cell = [&](int row, int column) -> const Record& {
        return rs[1 + row * 9 + column];
    };
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 9; ++column) {
            QCOMPARE(cell(row, column).word(0), row);
            QCOMPARE(cell(row, column).word(2), column);
        }
    }
    const quint16 LABEL = 0x0204, NUMBER = 0x0203, BLANK = 0x0201;
    QCOMPARE(cell(0, 4).text(), QByteArray("from"));
    // "No." and "To" have no field: BLANK with format 0x17; "for" and "memo" have no value.
    for (int column : {0, 6, 7, 8}) {
        QCOMPARE(cell(1, column).type, BLANK);
        QCOMPARE(cell(1, column).body.size(), 6);
        QCOMPARE(cell(1, column).word(4), 0x0017);
    }
    QCOMPARE(cell(1, 1).type, LABEL);
    QCOMPARE(cell(1, 1).text(), QByteArray("3/1/26"));
    QCOMPARE(cell(1, 5).type, NUMBER);
    QCOMPARE(cell(1, 5).number(), 10.0);
    QCOMPARE(cell(2, 5).number(), 4.0);
    // The footer: "SUM", the sum as a NUMBER, every other cell an empty LABEL.
    QCOMPARE(cell(3, 1).text(), QByteArray("SUM"));
    QCOMPARE(cell(3, 5).type, NUMBER);
    QCOMPARE(cell(3, 5).number(), 14.0);
    for (int column : {0, 2, 3, 4, 6, 7, 8}) {
        QCOMPARE(cell(3, column).type, LABEL);
        QCOMPARE(cell(3, column).body.size(), 8);
    }
}

void TestExportWriters::excelIntegers()
{
    TRowSet rows({{QStringLiteral("n"), TRowSet::Kind::Integer}, {QStringLiteral("m"), TRowSet::Kind::Money}});
    for (qint64 n : {qint64(5), qint64(-3), qint64(1) << 29, qint64(12)}) {
        rows.appendRow();
        rows.setNumber(0, n);
        rows.setNumber(1, money("12.5").raw());
    }
    TGridModel m;
    TGridColumn n;
    n.field = QStringLiteral("n");
    n.footer = TGridColumn::Footer::Count;
    TGridColumn mc;
    mc.field = QStringLiteral("m");
    TGridOptions o;
    o.showTitles = false;
    o.footerRows = 1;
    m.setLayout(o, {n, mc});
    m.setRows(std::move(rows));
    TExcelWriter writer;
    const QList<Record> rs = records(written(writer, m));
    QCOMPARE(rs.size(), 1 + 2 * 5 + 1);
    QCOMPARE(rs[1].type, quint16(0x027E));
    QCOMPARE(rs[1].word(0), 0); // no titles: the first data row is row 0
    QCOMPARE(qFromLittleEndian<qint32>(rs[1].body.constData() + 6), 5 * 4 + 2);
    QCOMPARE(qFromLittleEndian<qint32>(rs[3].body.constData() + 6), -3 * 4 + 2);
    // Past the 30 bits of an RK the integer is written as a NUMBER.
    QCOMPARE(rs[5].type, quint16(0x0203));
    QCOMPARE(rs[5].number(), double(qint64(1) << 29));
    QCOMPARE(rs[2].number(), 12.5);
    QCOMPARE(rs[9].type, quint16(0x0203));
    QCOMPARE(rs[9].number(), 4.0); // the count footer
}

void TestExportWriters::excelForm_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<bool>("unicode");
    QTest::addColumn<QByteArray>("windows1252"); // the label's bytes in the Windows-1252 form
    QTest::newRow("ASCII") << QByteArray("Bank") << false << QByteArray("Bank");
    QTest::newRow("German") << QByteArray("J\u00fcrgen M\u00fcller, Stra\u00dfe") << false
                            << QByteArray("J\xfcrgen M\xfcller, Stra\xdf"
                                          "e");
    QTest::newRow("euro sign") << QByteArray("\u20ac 5") << false << QByteArray("\x80 5");
    QTest::newRow("letters and signs of 0x80 to 0x9F") << QByteArray("\u0152\u0160\u017d\u0178\u2026\u201e\u2122")
                                                       << false << QByteArray("\x8c\x8a\x8e\x9f\x85\x84\x99");
    QTest::newRow("Polish") << QByteArray("\u0141\u00f3d\u017a") << true << QByteArray();
    QTest::newRow("Cyrillic") << QByteArray("\u041c\u043e\u0441\u043a\u0432\u0430") << true << QByteArray();
    QTest::newRow("a C1 control character") << QByteArray("\xc2\x81") << true << QByteArray();
    QTest::newRow("beyond the Basic Multilingual Plane") << QByteArray("\xf0\x9f\x98\x80") << true << QByteArray();
    QTest::newRow("malformed UTF-8") << QByteArray("a\xff") << true << QByteArray();
}

void TestExportWriters::excelForm()
{
    QFETCH(QByteArray, from);
    QFETCH(bool, unicode);
    QFETCH(QByteArray, windows1252);
    TGridModel ascii;
    historyLayout(ascii);
    ascii.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", "x", "10", nullptr, nullptr},
                              {QDate(2026, 3, 2), "Debit", "Cash", "y", "4", nullptr, nullptr}}));
    // The text in the last row: every label of the file follows it, the titles too.
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", "x", "10", nullptr, nullptr},
                          {QDate(2026, 3, 2), "Debit", "Cash", from.constData(), "4", nullptr, nullptr}}));
    QCOMPARE(TExcelWriter::formOf(m) == TExcelWriter::Form::Unicode, unicode);
    TExcelWriter writer;
    const QList<Record> rs = records(written(writer, m));
    TExcelWriter asciiWriter;
    const QList<Record> plain = records(written(asciiWriter, ascii));
    const quint16 LABEL = 0x0204;
    const qsizetype from2 = unicode ? 2 : 1; // the first cell, after BOF (and CODEPAGE)
    QCOMPARE(rs.size(), plain.size() + from2 - 1);
    // The same cells as the file of ASCII texts: same records, rows and columns, the numbers alike.
    for (qsizetype i = 1; i < plain.size(); ++i) {
        const Record& r = rs[i + from2 - 1];
        QCOMPARE(r.type, plain[i].type);
        if (r.type != LABEL)
            QCOMPARE(r.body, plain[i].body);
        else
            QCOMPARE(r.body.left(6), plain[i].body.left(6));
    }
    const Record& cell = rs[from2 + 2 * 9 + 4];
    if (!unicode) {
        QCOMPARE(rs[0].body, QByteArray::fromHex("0000100000000000"));
        QCOMPARE(cell.text(), windows1252);
        return;
    }
    // BIFF8: the 16-byte BOF of version 0x0600 for a worksheet, CODEPAGE 1200 (UTF-16).
    QCOMPARE(rs[0].type, quint16(0x0809));
    QCOMPARE(rs[0].body.size(), 16);
    QCOMPARE(rs[0].word(0), 0x0600);
    QCOMPARE(rs[0].word(2), 0x0010);
    QCOMPARE(rs[1].type, quint16(0x0042));
    QCOMPARE(rs[1].body, QByteArray::fromHex("B004"));
    QCOMPARE(cell.unicodeText(), QString::fromUtf8(from));
    for (const Record& r : rs) {
        if (r.type != LABEL)
            continue;
        QCOMPARE(r.body.size(), 9 + 2 * r.word(6));
        QCOMPARE(r.body.at(8), '\x01');
    }
    QCOMPARE(rs[from2 + 4].unicodeText(), QStringLiteral("from"));
}

void TestExportWriters::windows1252AgreesWithIconv()
{
    // Every character the system's converter gives a byte of 0x80 to 0xFF has that byte here,
    // and no other character has one.
    iconv_t cd = iconv_open("UTF-16LE", "CP1252");
    QVERIFY(cd != iconv_t(-1));
    QSet<char16_t> mapped;
    for (int b = 0x80; b <= 0xFF; ++b) {
        char in = char(b);
        char16_t out = 0;
        char* inp = &in;
        auto* outp = reinterpret_cast<char*>(&out);
        size_t inLeft = 1;
        size_t outLeft = 2;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == size_t(-1) || (out >= 0x80 && out < 0xA0))
            continue;
        QCOMPARE(quint8(TWindows1252::byteOf(out)), quint8(b));
        mapped.insert(out);
    }
    iconv_close(cd);
    QCOMPARE(mapped.size(), 96 + 27);
    for (char32_t c = 0x80; c < 0x10000; ++c) {
        if (!mapped.contains(char16_t(c)))
            QCOMPARE(TWindows1252::byteOf(char16_t(c)), '\0');
    }
}

void TestExportWriters::textLines()
{
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", "tab\there", "10", "line\r\nbreak", nullptr},
                          {QDate(2026, 3, 2), "Debit", "Cash", nullptr, "4", nullptr, nullptr}}));
    TTextWriter writer;
    const QByteArray file = written(writer, m);
    QVERIFY(!file.endsWith("\r\n"));
    const QList<QByteArray> lines = file.split('\n');
    // Titles, two rows, the footer; a line break inside a text is written as it is.
    QCOMPARE(lines.size(), 5);
    QCOMPARE(file.count("\r\n"), 4);
    QCOMPARE(lines[0], QByteArray("No.\tDate\tType\tAcc/Wal\tfrom\tAmount\tfor\tTo\tmemo\r"));
    QCOMPARE(lines[1], QByteArray("\t3/1/26\tDeposit\tBank\ttab\there\t10\tline\r"));
    QCOMPARE(lines[2], QByteArray("break\t\t\r"));
    QCOMPARE(lines[3], QByteArray("\t3/2/26\tDebit\tCash\t\t4\t\t\t\r"));
    QCOMPARE(lines[4], QByteArray("\tSUM\t\t\t\t14\t\t\t"));

    TGridOptions o = m.options();
    o.showTitles = false;
    QList<TGridColumn> cs = m.columns();
    TGridModel untitled;
    untitled.setLayout(o, cs);
    untitled.setRows(ledgerRows({{QDate(2026, 3, 2), "Debit", "Cash", nullptr, "4", nullptr, nullptr}}));
    TTextWriter again;
    QCOMPARE(written(again, untitled), QByteArray("\t3/2/26\tDebit\tCash\t\t4\t\t\t\r\n\tSUM\t\t\t\t4\t\t\t"));
}

void TestExportWriters::htmlEscaping_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("ampersand") << QByteArray("A&B") << QByteArray("A&ampB");
    QTest::newRow("double quote only") << QByteArray("say \"hi\"") << QByteArray("say &quothi&quot");
    QTest::newRow("less-than only") << QByteArray("a<b") << QByteArray("a&ltb");
    QTest::newRow("greater-than only") << QByteArray("a>b") << QByteArray("a&gtb");
    QTest::newRow("all four") << QByteArray("<a href=\"x\">&") << QByteArray("&lta href=&quotx&quot&gt&amp");
    QTest::newRow("already escaped") << QByteArray("&lt;") << QByteArray("&amplt;");
    QTest::newRow("empty") << QByteArray() << QByteArray("&nbsp");
    QTest::newRow("line break stays") << QByteArray("a\r\nb") << QByteArray("a\r\nb");
    QTest::newRow("UTF-8 stays") << QByteArray("caf\xc3\xa9") << QByteArray("caf\xc3\xa9");
}

void TestExportWriters::htmlEscaping()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, escaped);
    QCOMPARE(THtmlWriter::escaped(text), escaped);
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", text.constData(), "1", nullptr, nullptr}}));
    THtmlWriter writer;
    const QByteArray file = written(writer, m);
    const QByteArray cell = "<FONT STYLE=\"font-family: MS Sans Serif; font-size: 9pt; color: #000000\"><B>" + escaped +
                            "</B></FONT></TD>\r\n";
    QVERIFY2(file.contains("  <TD WIDTH=100 ALIGN=\"LEFT\" BGCOLOR=#FFFFFF>" + cell), file.constData());
}

void TestExportWriters::emptyListHasTitlesAndFooter_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("Excel") << 1;
    QTest::newRow("text") << 2;
    QTest::newRow("HTML") << 3;
}

void TestExportWriters::emptyListHasTitlesAndFooter()
{
    QFETCH(int, type);
    TGridModel m;
    historyLayout(m);
    m.setRows(TLedgerQuery::emptyRows());
    const auto writer = TExportWriter::forType(type);
    const QByteArray file = written(*writer, m);
    switch (type) {
    case 1: {
        const QList<Record> rs = records(file);
        QCOMPARE(rs.size(), 1 + 9 + 9 + 1);
        QCOMPARE(rs[10].word(0), 1); // the footer follows the titles directly
        QCOMPARE(rs[11].text(), QByteArray("SUM"));
        QCOMPARE(rs[15].type, quint16(0x0203));
        QCOMPARE(rs[15].number(), 0.0);
        QCOMPARE(rs.last().type, quint16(0x000A));
        break;
    }
    case 2:
        QCOMPARE(file, QByteArray("No.\tDate\tType\tAcc/Wal\tfrom\tAmount\tfor\tTo\tmemo\r\n\tSUM\t\t\t\t0\t\t\t"));
        break;
    case 3:
        QCOMPARE(file.count("<TR>"), 2);
        QVERIFY(file.contains("<B>0</B>"));
        QVERIFY(file.contains("<B>SUM</B>"));
        QVERIFY(file.endsWith("</TABLE>\r\n</BODY>\r\n</HTML>\r\n"));
        break;
    }
}

void TestExportWriters::rowsInCurrentOrder()
{
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows({{QDate(2026, 3, 1), "Deposit", "Bank", "small", "1", nullptr, nullptr},
                          {QDate(2026, 3, 2), "Debit", "Cash", "large", "300", nullptr, nullptr},
                          {QDate(2026, 3, 3), "Debit", "Cash", "middle", "20", nullptr, nullptr}}));
    m.titleClick(5);
    m.titleClick(5); // descending by amount
    TTextWriter writer;
    const QList<QByteArray> lines = written(writer, m).split('\n');
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines[1].contains("large"));
    QVERIFY(lines[2].contains("middle"));
    QVERIFY(lines[3].contains("small"));
}

void TestExportWriters::excelLimits_data()
{
    QTest::addColumn<int>("dataRows");
    QTest::addColumn<int>("textLength"); // 16-bit characters, the last one `last`
    QTest::addColumn<QString>("last");
    QTest::addColumn<bool>("refused");
    const int bytes = TExcelWriter::MaxLabelBytes;
    const int chars = TExcelWriter::MaxLabelChars;
    QTest::newRow("65,535 rows with titles and footer") << 65533 << 10 << "x" << false;
    QTest::newRow("one row more") << 65534 << 10 << "x" << true;
    // In Windows-1252 a character is a byte, whatever its length in UTF-8.
    QTest::newRow("longest Windows-1252 text") << 1 << bytes << "\u00e9" << false;
    QTest::newRow("one character more") << 1 << bytes + 1 << "\u00e9" << true;
    QTest::newRow("longest Unicode text") << 1 << chars << "\u0141" << false;
    QTest::newRow("one Unicode character more") << 1 << chars + 1 << "\u0141" << true;
    QTest::newRow("a character beyond the plane counts two") << 1 << chars + 1 << "\U0001F600" << true;
    QTest::newRow("as long as the longest Unicode text, all ASCII") << 1 << chars + 1 << "x" << false;
}

void TestExportWriters::excelLimits()
{
    QFETCH(int, dataRows);
    QFETCH(int, textLength);
    QFETCH(QString, last);
    QFETCH(bool, refused);
    TRowSet rows = TLedgerQuery::emptyRows();
    const QByteArray text = (QString(textLength - last.size(), u'x') + last).toUtf8();
    for (int r = 0; r < dataRows; ++r) {
        rows.appendRow();
        rows.setText(TLedgerQuery::Memo, r == 0 ? text : QByteArray("m"));
        rows.setNumber(TLedgerQuery::Amount, 1);
    }
    TGridModel m;
    historyLayout(m);
    m.setRows(std::move(rows));
    TExcelWriter excel;
    const QString error = excel.limitError(m);
    QCOMPARE(!error.isEmpty(), refused);
    if (refused)
        QVERIFY2(error.contains(QStringLiteral("Nothing was written")), qPrintable(error));
    TTextWriter text2;
    THtmlWriter html;
    QVERIFY(text2.limitError(m).isEmpty());
    QVERIFY(html.limitError(m).isEmpty());
}

void TestExportWriters::deviceFailureIsReported()
{
    TGridModel m;
    historyLayout(m);
    m.setRows(ledgerRows(TwoRows));
    for (int type : {1, 2, 3}) {
        FailingDevice device;
        const auto writer = TExportWriter::forType(type);
        try {
            writer->write(device, m);
            QFAIL("writing to a failing device succeeded");
        } catch (const std::runtime_error& e) {
            QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("No space left on device"));
        }
    }
}

QTEST_GUILESS_MAIN(TestExportWriters)
#include "tst_exportwriters.moc"
