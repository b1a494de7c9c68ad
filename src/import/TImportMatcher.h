#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Tells the rows of a statement that were imported before from those that are new, by their
// fingerprints (TFingerprint) against those stored for the holder. The stored ones stay when an
// imported booking is deleted, so a deleted row is not offered again as new.
class TImportMatcher
{
public:
    explicit TImportMatcher(QSet<QString> known);

    bool isKnown(const QString& fingerprint) const { return m_known.contains(fingerprint); }

    // For each fingerprint, in order: true when it was imported before.
    QList<bool> imported(const QStringList& fingerprints) const;

private:
    QSet<QString> m_known;
};
