#include "holders/THolderStore.h"

#include "data/TDM.h"
#include "data/THolderSummary.h"

int THolderStore::insertHolder(const Fields& f)
{
    return DM->execute(QStringLiteral("insert into Account (name, type, negative, WarnNegative, URL, Memo)"
                                      " values (?, ?, ?, ?, ?, ?)"),
                       {f.name, f.kind, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo});
}

int THolderStore::updateHolder(qint32 id, const Fields& f, bool writeKind)
{
    if (writeKind) {
        return DM->execute(QStringLiteral("update Account set name = ?, type = ?, negative = ?, WarnNegative = ?,"
                                          " URL = ?, Memo = ? where ID = ?"),
                           {f.name, f.kind, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo, id});
    }
    return DM->execute(QStringLiteral("update Account set name = ?, negative = ?, WarnNegative = ?, URL = ?, Memo = ?"
                                      " where ID = ?"),
                       {f.name, f.negative ? 1 : 0, f.warnNegative ? 1 : 0, f.url, f.memo, id});
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
