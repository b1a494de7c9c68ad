#include "holders/THolderStore.h"

#include "data/TBooks.h"
#include "data/TDM.h"
#include "data/THolderSummary.h"

int THolderStore::insertHolder(const Fields& f)
{
    const TDM& db = TDM::current();
    const int rows = db.execute(QStringLiteral("insert into Account (name, type, negative, WarnNegative, URL, Memo)"
                                               " values (?, ?, ?, ?, ?, ?)"),
                                {f.name, f.kind, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo});
    if (rows > 0) {
        TBooksChange change;
        change.holdersAdded.insert(static_cast<qint32>(db.lastInsertId()));
        TBooks::notify(change);
    }
    return rows;
}

int THolderStore::updateHolder(qint32 id, const Fields& f, bool writeKind)
{
    const TDM& db = TDM::current();
    const int rows =
        writeKind ? db.execute(QStringLiteral("update Account set name = ?, type = ?, negative = ?, WarnNegative = ?,"
                                              " URL = ?, Memo = ? where ID = ?"),
                               {f.name, f.kind, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo, id})
                  : db.execute(QStringLiteral("update Account set name = ?, negative = ?, WarnNegative = ?, URL = ?,"
                                              " Memo = ? where ID = ?"),
                               {f.name, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo, id});
    if (rows > 0) {
        TBooksChange change;
        change.holdersEdited.insert(id);
        TBooks::notify(change);
    }
    return rows;
}

qint64 THolderStore::walletShare(Currency balance, Currency total)
{
    return THolderSummary::share(balance, total, 1, THolderSummary::Rounding::TowardZero);
}

QString THolderStore::shareText(qint64 value, const QLocale& locale)
{
    QString text = QString::number(value < 0 ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    if (value < 0)
        text.prepend(locale.negativeSign());
    return text + locale.decimalPoint() + QStringLiteral("00%");
}
