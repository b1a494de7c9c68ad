#include "import/TOfxReader.h"

#include "import/TAmountFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryFile>

#include <libofx/libofx.h>

#include <algorithm>

namespace {

// One <STMTTRN> as it stands in the file.
struct Block
{
    int line = 0;
    QString text;
    QString fitId, posted, amount, payeeName;
    bool used = false;
    bool cut = false; // the file ends inside it
};

QString decodeEntities(QString s)
{
    if (!s.contains(u'&'))
        return s;
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    s.replace(QStringLiteral("&apos;"), QStringLiteral("'"));
    s.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return s;
}

// The value of the first element `tag` in `text` from `from` on: SGML leaves the end tag out, so the
// value runs to the next tag either way.
QString tagValue(QStringView text, QStringView tag, qsizetype from = 0)
{
    const QString open = u'<' + tag.toString() + u'>';
    const qsizetype at = text.indexOf(open, from, Qt::CaseInsensitive);
    if (at < 0)
        return {};
    const qsizetype start = at + open.size();
    qsizetype end = text.indexOf(u'<', start);
    if (end < 0)
        end = text.size();
    return decodeEntities(text.mid(start, end - start).trimmed().toString());
}

QList<Block> scanBlocks(const QString& text)
{
    static const QString Open = QStringLiteral("<STMTTRN>");
    static const QString Close = QStringLiteral("</STMTTRN>");
    QList<Block> blocks;
    qsizetype pos = text.indexOf(Open, 0, Qt::CaseInsensitive);
    qsizetype counted = 0;
    int line = 1;
    while (pos >= 0) {
        line += static_cast<int>(QStringView(text).mid(counted, pos - counted).count(u'\n'));
        counted = pos;
        const qsizetype next = text.indexOf(Open, pos + Open.size(), Qt::CaseInsensitive);
        qsizetype end = text.indexOf(Close, pos, Qt::CaseInsensitive);
        Block b;
        if (end < 0 || (next >= 0 && end > next))
            end = next >= 0 ? next : text.size();
        else
            end += Close.size();
        b.line = line;
        b.text = text.mid(pos, end - pos).trimmed();
        b.fitId = tagValue(b.text, u"FITID");
        b.posted = tagValue(b.text, u"DTPOSTED");
        b.amount = tagValue(b.text, u"TRNAMT");
        const qsizetype payee = b.text.indexOf(QStringLiteral("<PAYEE>"), 0, Qt::CaseInsensitive);
        if (payee >= 0)
            b.payeeName = tagValue(b.text, u"NAME", payee);
        blocks.append(std::move(b));
        pos = next;
    }
    return blocks;
}

struct Parsed
{
    QString fitId, name, memo;
    bool hasFitId = false, hasName = false;
};

int onTransaction(const struct OfxTransactionData data, void* context)
{
    auto* list = static_cast<QList<Parsed>*>(context);
    Parsed p;
    p.hasFitId = data.fi_id_valid != 0;
    if (p.hasFitId)
        p.fitId = QString::fromUtf8(data.fi_id).trimmed();
    p.hasName = data.name_valid != 0;
    if (p.hasName)
        p.name = QString::fromUtf8(data.name);
    if (data.memo_valid != 0)
        p.memo = QString::fromUtf8(data.memo);
    list->append(p);
    return 0;
}

// Runs libofx over the file at `path`.
QList<Parsed> parseFile(const QString& path)
{
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg = 0;
    ofx_DEBUG4_msg = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg = ofx_ERROR_msg = 0;
    QList<Parsed> parsed;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(context, onTransaction, &parsed);
    libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);
    return parsed;
}

// The first unused block from `from` on with the transaction's id (or, without one, the next).
int matchBlock(QList<Block>& blocks, const Parsed& p, int from)
{
    for (int j = from; j < blocks.size(); ++j) {
        if (!blocks[j].used && (!p.hasFitId || blocks[j].fitId == p.fitId))
            return j;
    }
    return -1;
}

std::optional<Currency> blockAmount(const QString& text, QString& reason)
{
    TAmountFormat f;
    f.decimal = text.contains(u',') && !text.contains(u'.') ? u',' : u'.';
    return f.parse(text, &reason);
}

// The balance the bank states at the end of the statement: LEDGERBAL, else AVAILBAL (what may be
// spent), each an amount BALAMT at a moment DTASOF.
std::optional<TStatementBalance> closingBalance(const QString& text)
{
    for (const char16_t* tag : {u"LEDGERBAL", u"AVAILBAL"}) {
        const QString open = u'<' + QString::fromUtf16(tag) + u'>';
        const qsizetype at = text.indexOf(open, 0, Qt::CaseInsensitive);
        if (at < 0)
            continue;
        qsizetype end = text.indexOf(QStringLiteral("</") + QString::fromUtf16(tag) + u'>', at, Qt::CaseInsensitive);
        if (end < 0)
            end = text.size();
        const QStringView aggregate = QStringView(text).mid(at, end - at);
        QString reason;
        const std::optional<Currency> amount = blockAmount(tagValue(aggregate, u"BALAMT"), reason);
        if (!amount)
            return std::nullopt;
        TStatementBalance balance;
        balance.amount = *amount;
        // DTASOF is yyyyMMdd, perhaps followed by a time and a zone, like DTPOSTED.
        const QString asOf = tagValue(aggregate, u"DTASOF");
        if (asOf.size() >= 8)
            balance.date = TImportDate::parse(asOf.left(8), TDateOrder::YearMonthDay).value_or(QDate());
        balance.line = 1 + static_cast<int>(QStringView(text).left(at).count(u'\n'));
        return balance;
    }
    return std::nullopt;
}

// The file has its <OFX> element but not the end of it: the download stopped before the end.
bool isCutOff(const QString& text)
{
    return text.contains(QStringLiteral("<OFX>"), Qt::CaseInsensitive) &&
           !text.contains(QStringLiteral("</OFX>"), Qt::CaseInsensitive);
}

bool looksLikeOfx(const QByteArray& bytes)
{
    const QByteArray head = bytes.left(4096);
    return head.contains("OFXHEADER") || head.contains("<OFX>") || head.contains("<ofx>");
}

} // namespace

TStatement TOfxReader::read(QIODevice& device)
{
    if (!device.isOpen() && !device.open(QIODevice::ReadOnly))
        return TStatement::failed(
            QCoreApplication::translate("TOfxReader", "The file could not be read: %1").arg(device.errorString()));
    return read(device.readAll());
}

TStatement TOfxReader::read(const QByteArray& bytes)
{
    if (!looksLikeOfx(bytes))
        return TStatement::failed(
            QCoreApplication::translate("TOfxReader", "The file is not an OFX or QFX bank statement."));

    // libofx reads files only.
    QTemporaryFile file;
    if (!file.open() || file.write(bytes) != bytes.size() || !file.flush())
        return TStatement::failed(
            QCoreApplication::translate("TOfxReader", "The file could not be copied for reading: %1")
                .arg(file.errorString()));
    file.close();
    const QList<Parsed> parsed = parseFile(file.fileName());

    TStatement out;
    const QString text = TTextEncoding::decode(bytes, TTextEncoding::Kind::Auto, &out.encoding);
    QList<Block> blocks = scanBlocks(text);
    const bool cutOff = isCutOff(text);
    if (cutOff && !blocks.isEmpty())
        blocks.back().cut = !blocks.back().text.endsWith(QStringLiteral("</STMTTRN>"), Qt::CaseInsensitive);
    QStringList dates;
    int from = 0;
    for (const Parsed& p : parsed) {
        const int j = matchBlock(blocks, p, from);
        if (j < 0)
            continue; // not a statement transaction of this file's text
        Block& b = blocks[j];
        b.used = true;
        from = j + 1;
        if (b.cut)
            continue; // whatever libofx made of its beginning, the rest of it is missing
        TImportRow row;
        row.line = b.line;
        row.bankId = p.fitId;
        row.from = (p.hasName && !p.name.trimmed().isEmpty() ? p.name : b.payeeName).simplified();
        row.forText = p.memo.simplified();
        // DTPOSTED is yyyyMMdd, perhaps followed by a time and a zone.
        dates.append(b.posted.left(8));
        const std::optional<QDate> date =
            b.posted.size() >= 8 ? TImportDate::parse(b.posted.left(8), TDateOrder::YearMonthDay) : std::nullopt;
        if (!date) {
            out.addProblem(b.line,
                           b.posted.isEmpty()
                               ? QCoreApplication::translate("TOfxReader", "There is no date (DTPOSTED).")
                               : QCoreApplication::translate("TOfxReader", "\"%1\" is not a date.").arg(b.posted),
                           b.text);
            continue;
        }
        row.date = *date;
        QString reason;
        const std::optional<Currency> amount = b.amount.isEmpty() ? std::nullopt : blockAmount(b.amount, reason);
        if (!amount) {
            out.addProblem(
                b.line,
                b.amount.isEmpty() ? QCoreApplication::translate("TOfxReader", "There is no amount (TRNAMT).") : reason,
                b.text);
            continue;
        }
        row.amount = *amount;
        out.addRow(std::move(row), b.text);
    }
    for (const Block& b : blocks) {
        if (b.cut)
            out.addProblem(
                b.line, QCoreApplication::translate("TOfxReader", "This transaction is cut off where the file ends."),
                b.text);
        else if (!b.used)
            out.addProblem(b.line,
                           QCoreApplication::translate("TOfxReader",
                                                       "This transaction could not be read; the file is damaged here."),
                           b.text);
    }
    if (cutOff)
        out.warnings.append(QCoreApplication::translate(
            "TOfxReader", "The file is incomplete: it ends in the middle of the statement, perhaps "
                          "because the download was cut off. Download the statement again."));
    out.closing = closingBalance(text);
    std::sort(out.problems.begin(), out.problems.end(),
              [](const TImportProblem& a, const TImportProblem& b) { return a.line < b.line; });
    out.dateOrders = {TDateOrder::YearMonthDay};
    if (out.rows.isEmpty() && out.problems.isEmpty())
        out.addProblem(0, QCoreApplication::translate("TOfxReader", "The statement holds no transactions."), {});
    return out;
}
