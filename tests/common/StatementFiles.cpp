#include "StatementFiles.h"

#include "import/TTextEncoding.h"

namespace {

// Two decimals, `grouping` between thousands.
QString amountText(Currency amount, QChar decimal, QChar grouping)
{
    const std::int64_t cents = amount.raw() / 100;
    const std::int64_t whole = (cents < 0 ? -cents : cents) / 100;
    QString digits = QString::number(whole);
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3)
        digits.insert(i, grouping);
    return QStringLiteral("%1%2%3%4")
        .arg(cents < 0 ? QStringLiteral("-") : QString(), digits, QString(decimal))
        .arg((cents < 0 ? -cents : cents) % 100, 2, 10, QChar(u'0'));
}

QString quoted(const QString& s)
{
    QString q = s;
    q.replace(u'"', QStringLiteral("\"\""));
    return u'"' + q + u'"';
}

QString xmlText(const QString& s)
{
    QString t = s;
    t.replace(u'&', QStringLiteral("&amp;")).replace(u'<', QStringLiteral("&lt;"));
    return t;
}

} // namespace

QList<StatementEntry> bankLedger(const QDate& from, const QDate& to)
{
    QList<StatementEntry> out;
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        int n = 0;
        auto add = [&](const char* cents, const QString& payee, const QString& purpose) {
            out.append({d, Currency::fromRaw(QByteArray(cents).toLongLong() * 100), payee, purpose,
                        QStringLiteral("T%1-%2").arg(d.toString(QStringLiteral("yyyyMMdd"))).arg(++n)});
        };
        if (d.day() == 1) {
            add("234567", QStringLiteral("Arbeitgeber GmbH"), QStringLiteral("Gehalt %1").arg(d.month()));
            add("-105000", QStringLiteral("Hausverwaltung Kühn"), QStringLiteral("Miete"));
        }
        if (d.day() == 10)
            add(QByteArray::number(500 + d.month() * 7).constData(), QStringLiteral("Versandhaus"),
                QStringLiteral("Erstattung"));
        if (d.toJulianDay() % 4 == 0)
            add(QByteArray::number(-(4000 + (d.toJulianDay() * 37) % 9000)).constData(), QStringLiteral("Supermarkt"),
                QStringLiteral("Einkauf \"Markt; Filiale %1\"").arg(d.day()));
        add("-320", QStringLiteral("Café Müller"), QStringLiteral("Kaffee 3,20 €"));
        if (d.day() == 15)
            add("-320", QStringLiteral("Café Müller"), QStringLiteral("Kaffee 3,20 €"));
    }
    return out;
}

QByteArray bankCsv(const QList<StatementEntry>& entries)
{
    const QString dmy = QStringLiteral("dd.MM.yyyy");
    Currency total;
    QString text;
    text += QStringLiteral("\"Umsätze Girokonto\";\"DE12 3456 7890 1234 5678 90\"\r\n");
    if (!entries.isEmpty())
        text += QStringLiteral("\"Zeitraum:\";\"%1 - %2\"\r\n")
                    .arg(entries.front().date.toString(dmy), entries.back().date.toString(dmy));
    else
        text += QStringLiteral("\"Zeitraum:\";\"\"\r\n");
    text += QStringLiteral("\"Kontoinhaber:\";\"Erika Mustermann\"\r\n");
    text += QStringLiteral("\"Buchungstag\";\"Valuta\";\"Auftraggeber/Empfänger\";\"Verwendungszweck\";\"Betrag\";"
                           "\"Währung\"\r\n");
    for (const StatementEntry& e : entries) {
        total += e.amount;
        text += QStringList{quoted(e.date.toString(dmy)),
                            quoted(e.date.addDays(1).toString(dmy)),
                            quoted(e.payee),
                            quoted(e.purpose),
                            quoted(amountText(e.amount, u',', u'.')),
                            quoted(QStringLiteral("EUR"))}
                    .join(u';') +
                QStringLiteral("\r\n");
    }
    text += QStringLiteral("\"Summe\";;;;%1;\"EUR\"\r\n").arg(quoted(amountText(total, u',', u'.')));
    return TTextEncoding::encode(text, TTextEncoding::Kind::Windows1252);
}

TCsvSettings bankCsvSettings()
{
    TCsvSettings s;
    s.encoding = TTextEncoding::Kind::Windows1252;
    s.delimiter = u';';
    s.skipTop = 4;
    s.skipBottom = 1;
    s.hasTitles = true;
    s.dateColumn = 0;
    s.dateOrder = TDateOrder::DayMonthYear;
    s.amountFormat.decimal = u',';
    s.amountFormat.grouping = u'.';
    s.amountColumn = 4;
    s.fromColumns = {2};
    s.forColumns = {3};
    return s;
}

QString problemsText(const TStatement& statement)
{
    QStringList lines;
    for (const TImportProblem& p : statement.problems)
        lines.append(QStringLiteral("%1: %2").arg(p.line).arg(p.reason));
    return lines.join(u'\n');
}

QByteArray bankOfx(const QList<StatementEntry>& entries, bool xml)
{
    QString t;
    auto element = [&](const char* tag, const QString& value) {
        t += QStringLiteral("<%1>%2").arg(QLatin1String(tag), xml ? xmlText(value) : value);
        if (xml)
            t += QStringLiteral("</%1>").arg(QLatin1String(tag));
        t += u'\n';
    };
    if (xml)
        t += QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
                            "<?OFX OFXHEADER=\"200\" VERSION=\"211\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" "
                            "NEWFILEUID=\"NONE\"?>\n");
    else
        t += QStringLiteral("OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nSECURITY:NONE\nENCODING:USASCII\n"
                            "CHARSET:1252\nCOMPRESSION:NONE\nOLDFILEUID:NONE\nNEWFILEUID:NONE\n\n");
    t += QStringLiteral("<OFX>\n<SIGNONMSGSRSV1>\n<SONRS>\n<STATUS>\n");
    element("CODE", QStringLiteral("0"));
    element("SEVERITY", QStringLiteral("INFO"));
    t += QStringLiteral("</STATUS>\n");
    element("DTSERVER", QStringLiteral("20240501120000"));
    element("LANGUAGE", QStringLiteral("ENG"));
    t += QStringLiteral("</SONRS>\n</SIGNONMSGSRSV1>\n<BANKMSGSRSV1>\n<STMTTRNRS>\n");
    element("TRNUID", QStringLiteral("1"));
    t += QStringLiteral("<STATUS>\n");
    element("CODE", QStringLiteral("0"));
    element("SEVERITY", QStringLiteral("INFO"));
    t += QStringLiteral("</STATUS>\n<STMTRS>\n");
    element("CURDEF", QStringLiteral("EUR"));
    t += QStringLiteral("<BANKACCTFROM>\n");
    element("BANKID", QStringLiteral("12345678"));
    element("ACCTID", QStringLiteral("1234567890"));
    element("ACCTTYPE", QStringLiteral("CHECKING"));
    t += QStringLiteral("</BANKACCTFROM>\n<BANKTRANLIST>\n");
    element("DTSTART", QStringLiteral("20240101"));
    element("DTEND", QStringLiteral("20240501"));
    for (const StatementEntry& e : entries) {
        t += QStringLiteral("<STMTTRN>\n");
        element("TRNTYPE", e.amount.isNegative() ? QStringLiteral("DEBIT") : QStringLiteral("CREDIT"));
        // A time and a zone on the last day of a month: the bank's day counts, not the user's.
        element("DTPOSTED", e.date.toString(QStringLiteral("yyyyMMdd")) +
                                (e.date.day() == e.date.daysInMonth() ? QStringLiteral("230000[-5:EST]") : QString()));
        element("TRNAMT", e.amount.toFixed2());
        element("FITID", e.fitId);
        element("NAME", e.payee);
        element("MEMO", e.purpose);
        t += QStringLiteral("</STMTTRN>\n");
    }
    // The account held 1,000.00 before the first transaction.
    Currency balance = Currency::fromUnits(1000);
    for (const StatementEntry& e : entries)
        balance += e.amount;
    t += QStringLiteral("</BANKTRANLIST>\n<LEDGERBAL>\n");
    element("BALAMT", balance.toFixed2());
    element("DTASOF", entries.isEmpty()
                          ? QStringLiteral("20240501")
                          : entries.back().date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral("235959"));
    t += QStringLiteral("</LEDGERBAL>\n</STMTRS>\n</STMTTRNRS>\n</BANKMSGSRSV1>\n</OFX>\n");
    return xml ? t.toUtf8() : TTextEncoding::encode(t, TTextEncoding::Kind::Windows1252);
}

QByteArray bankQif(const QList<StatementEntry>& entries)
{
    QString t = QStringLiteral("!Type:Bank\n");
    for (const StatementEntry& e : entries) {
        t += QStringLiteral("D%1/%2'%3\n")
                 .arg(e.date.month())
                 .arg(e.date.day())
                 .arg(e.date.year() % 100, 2, 10, QChar(u'0'));
        t += QStringLiteral("T%1\n").arg(amountText(e.amount, u'.', u','));
        t += QStringLiteral("P%1\nM%2\n^\n").arg(e.payee, e.purpose);
    }
    return t.toUtf8();
}

QByteArray brokenBankCsv(const QList<StatementEntry>& entries)
{
    QStringList lines = TTextEncoding::decode(bankCsv(entries), TTextEncoding::Kind::Windows1252).split(u'\n');
    // Four lines before the transactions.
    lines[5].replace(QStringLiteral("\";\""), QStringLiteral("\"x;\""));
    const int amount = 7;
    const qsizetype cut = lines[amount].lastIndexOf(QStringLiteral(";\"EUR\""));
    const qsizetype start = lines[amount].lastIndexOf(u';', cut - 1);
    lines[amount] = lines[amount].left(start + 1) + QStringLiteral("\"zwölf\"") + lines[amount].mid(cut);
    lines[9] = QStringLiteral("\"32.13.2024\"") + lines[9].mid(lines[9].indexOf(u';'));
    return TTextEncoding::encode(lines.join(u'\n'), TTextEncoding::Kind::Windows1252);
}

QByteArray everyDayUpTo12Csv()
{
    return QByteArrayLiteral("Date,Payee,Amount\n"
                             "03/04/2024,Bakery,-1.50\n"
                             "05/04/2024,Bakery,-2.50\n"
                             "01/06/2024,Employer,2000.00\n"
                             "12/11/2024,Garage,-120.00\n");
}
