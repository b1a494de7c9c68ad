#include "import/TFingerprint.h"

#include <QCryptographicHash>
#include <QHash>

#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <cstdio>

QString TFingerprint::normalText(const TImportRow& row)
{
    // Views into the folded texts, sorted and joined once: few allocations for a hundred thousand rows.
    const std::array<QString, 3> folded = {row.from.toCaseFolded(), row.forText.toCaseFolded(),
                                           row.memo.toCaseFolded()};
    QVarLengthArray<QStringView, 32> words;
    qsizetype length = 0;
    for (const QString& text : folded) {
        const qsizetype n = text.size();
        qsizetype i = 0;
        while (i < n) {
            while (i < n && text[i].isSpace())
                ++i;
            const qsizetype start = i;
            while (i < n && !text[i].isSpace())
                ++i;
            if (i > start) {
                words.append(QStringView(text).mid(start, i - start));
                length += i - start + 1;
            }
        }
    }
    std::sort(words.begin(), words.end());
    QString out;
    out.reserve(length);
    for (const QStringView w : words) {
        if (!out.isEmpty())
            out.append(u' ');
        out.append(w);
    }
    return out;
}

QString TFingerprint::key(const TImportRow& row)
{
    if (!row.bankId.isEmpty())
        return QStringLiteral("id:") + row.bankId;
    // "2024-03-15|-32000|café kaffee müller" in UTF-8.
    char head[48];
    const int headLength = std::snprintf(head, sizeof head, "%04d-%02d-%02d|%lld|", row.date.year(), row.date.month(),
                                         row.date.day(), static_cast<long long>(row.amount.raw()));
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView(head, headLength));
    hash.addData(normalText(row).toUtf8());
    return QStringLiteral("h:") + QString::fromLatin1(hash.resultView().first(16).toByteArray().toHex());
}

QStringList TFingerprint::of(const QList<TImportRow>& rows)
{
    QStringList out;
    out.reserve(rows.size());
    QHash<QString, int> seen;
    seen.reserve(rows.size());
    for (const TImportRow& row : rows) {
        const QString k = key(row);
        const int n = ++seen[k];
        out.append(k + u'#' + QString::number(n));
    }
    return out;
}
