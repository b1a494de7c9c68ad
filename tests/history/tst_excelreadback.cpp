#include "TestDb.h"

#include "history/TExcelWriter.h"
#include "toolkit/TGridModel.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

// Excel files of both forms read back by LibreOffice, converted to CSV in UTF-8 with every text
// cell quoted: each letter must come back as written, and every amount and count as a number.
namespace {

struct Book
{
    const char* name;
    QList<const char*> holders;
    TExcelWriter::Form form;
};

const QList<Book> Books = {
    {"ascii", {"Bank", "Cash \"box\""}, TExcelWriter::Form::Windows1252},
    {"german", {"J\u00fcrgen M\u00fcller", "Stra\u00dfe", "\u20ac 100 Caf\u00e9"}, TExcelWriter::Form::Windows1252},
    {"polish", {"\u0141\u00f3d\u017a", "Gda\u0144sk", "J\u00fcrgen M\u00fcller \u20ac"}, TExcelWriter::Form::Unicode},
    {"cyrillic", {"\u041c\u043e\u0441\u043a\u0432\u0430", "Stra\u00dfe", "5 \u20ac"}, TExcelWriter::Form::Unicode},
};

const QList<const char*> Amounts = {"12.5", "-4", "1234.5678"};

// A name, a count and an amount for each holder; "SUM", the count and the sum below.
void fill(TGridModel& model, const Book& book)
{
    TRowSet rows({{QStringLiteral("name"), TRowSet::Kind::Text},
                  {QStringLiteral("n"), TRowSet::Kind::Integer},
                  {QStringLiteral("amount"), TRowSet::Kind::Money}});
    for (int i = 0; i < book.holders.size(); ++i) {
        rows.appendRow();
        rows.setText(0, QByteArray(book.holders[i]));
        rows.setNumber(1, i + 1);
        rows.setNumber(2, money(Amounts[i]).raw());
    }
    TGridColumn name;
    name.title = QStringLiteral("Name");
    name.field = QStringLiteral("name");
    name.footer = TGridColumn::Footer::Text;
    name.footerText = QStringLiteral("SUM");
    TGridColumn count;
    count.title = QStringLiteral("Count");
    count.field = QStringLiteral("n");
    count.footer = TGridColumn::Footer::Count;
    TGridColumn amount;
    amount.title = QStringLiteral("Amount");
    amount.field = QStringLiteral("amount");
    amount.footer = TGridColumn::Footer::Sum;
    TGridOptions o;
    o.footerRows = 1;
    model.setLayout(o, {name, count, amount});
    model.setRows(std::move(rows));
}

QString quoted(const QString& text)
{
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

class TestExcelReadBack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readBack_data();
    void readBack();

private:
    QTemporaryDir m_dir;
    QHash<QString, QString> m_csv;
};

void TestExcelReadBack::initTestCase()
{
    pinLocale("en_US");
    QVERIFY(m_dir.isValid());
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QVERIFY2(!soffice.isEmpty(), "LibreOffice is not installed (./build.sh test installs libreoffice-calc-nogui)");

    QStringList files;
    for (const Book& book : Books) {
        TGridModel model;
        fill(model, book);
        QVERIFY(TExcelWriter().limitError(model).isEmpty());
        QFile file(m_dir.filePath(QString::fromLatin1(book.name) + QStringLiteral(".xls")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        TExcelWriter().write(file, model);
        files << file.fileName();
    }

    // One run for all files, with a profile of its own: a first start in it asks nothing, and no
    // LibreOffice the user has open takes the conversion over.
    const QString out = m_dir.filePath(QStringLiteral("csv"));
    QProcess office;
    office.setProcessChannelMode(QProcess::MergedChannels);
    office.start(soffice, QStringList{QStringLiteral("-env:UserInstallation=") +
                                          QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("profile"))).toString(),
                                      QStringLiteral("--headless"), QStringLiteral("--norestore"),
                                      QStringLiteral("--convert-to"),
                                      // Comma, double quotes, UTF-8, from the first line, every text quoted.
                                      QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true"),
                                      QStringLiteral("--outdir"), out} +
                              files);
    if (!office.waitForFinished(180000)) {
        office.kill();
        office.waitForFinished();
        QFAIL("LibreOffice did not finish its conversion in three minutes");
    }
    const QByteArray said = office.readAll();
    QVERIFY2(office.exitStatus() == QProcess::NormalExit && office.exitCode() == 0, said.constData());
    for (const Book& book : Books) {
        QFile csv(QDir(out).filePath(QString::fromLatin1(book.name) + QStringLiteral(".csv")));
        QVERIFY2(csv.open(QIODevice::ReadOnly), said.constData());
        m_csv.insert(QString::fromLatin1(book.name), QString::fromUtf8(csv.readAll()));
    }
}

void TestExcelReadBack::readBack_data()
{
    QTest::addColumn<int>("book");
    for (int i = 0; i < Books.size(); ++i)
        QTest::newRow(Books[i].name) << i;
}

void TestExcelReadBack::readBack()
{
    QFETCH(int, book);
    const Book& b = Books[book];
    TGridModel model;
    fill(model, b);
    QCOMPARE(TExcelWriter::formOf(model), b.form);

    QStringList expected{QStringLiteral("\"Name\",\"Count\",\"Amount\"")};
    Currency sum;
    for (int i = 0; i < b.holders.size(); ++i) {
        sum += money(Amounts[i]);
        expected << QStringLiteral("%1,%2,%3")
                        .arg(quoted(QString::fromUtf8(b.holders[i])))
                        .arg(i + 1)
                        .arg(QString::fromLatin1(Amounts[i]));
    }
    expected << QStringLiteral("\"SUM\",%1,%2").arg(b.holders.size()).arg(QString::number(sum.toDouble(), 'g', 15));
    QCOMPARE(m_csv.value(QString::fromLatin1(b.name)).trimmed().split(u'\n'), expected);
}

QTEST_GUILESS_MAIN(TestExcelReadBack)
#include "tst_excelreadback.moc"
