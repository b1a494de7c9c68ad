#include "holders/THolderStore.h"

#include "data/TDM.h"

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

std::optional<qint64> THolderStore::walletShare(Currency balance, Currency total)
{
    if (total.isZero())
        return 0;
    // balance * 100 in whole units is balance in hundredths of a unit: raw / 100, halves to even.
    const __int128 raw = balance.raw();
    __int128 magnitude = raw < 0 ? -raw : raw;
    __int128 hundredths = magnitude / 100;
    const __int128 rest = magnitude % 100;
    if (rest > 50 || (rest == 50 && hundredths % 2 != 0))
        ++hundredths;
    if (raw < 0)
        hundredths = -hundredths;
    const qint64 divisor = total.roundToUnits();
    if (divisor == 0)
        return std::nullopt;
    return static_cast<qint64>(hundredths / divisor);
}

QString THolderStore::shareText(std::optional<qint64> share, const QLocale& locale)
{
    const qint64 value = share.value_or(0);
    QString text = QString::number(value < 0 ? -static_cast<quint64>(value) : static_cast<quint64>(value));
    if (value < 0)
        text.prepend(locale.negativeSign());
    return text + locale.decimalPoint() + QStringLiteral("00%");
}
