#include "import/TFingerprint.h"

#include <QCryptographicHash>
#include <QHash>

#include <algorithm>

QString TFingerprint::normalText(const TImportRow& row)
{
    QStringList words;
    for (const QString* text : {&row.from, &row.forText, &row.memo}) {
        for (const QString& w : text->simplified().split(u' ', Qt::SkipEmptyParts))
            words.append(w.toCaseFolded());
    }
    std::sort(words.begin(), words.end());
    return words.join(u' ');
}

QString TFingerprint::key(const TImportRow& row)
{
    if (!row.bankId.isEmpty())
        return QStringLiteral("id:") + row.bankId;
    const QString basis =
        row.date.toString(Qt::ISODate) + u'|' + QString::number(row.amount.raw()) + u'|' + normalText(row);
    const QByteArray digest = QCryptographicHash::hash(basis.toUtf8(), QCryptographicHash::Sha256);
    return QStringLiteral("h:") + QString::fromLatin1(digest.left(16).toHex());
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
