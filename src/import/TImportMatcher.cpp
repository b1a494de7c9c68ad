#include "import/TImportMatcher.h"

TImportMatcher::TImportMatcher(QSet<QString> known)
    : m_known(std::move(known))
{}

QList<bool> TImportMatcher::imported(const QStringList& fingerprints) const
{
    QList<bool> out;
    out.reserve(fingerprints.size());
    for (const QString& f : fingerprints)
        out.append(isKnown(f));
    return out;
}
