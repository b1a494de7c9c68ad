#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The table of contents (.hhc) or the index (.hhk) of a compiled help file: HTML lists of
// "text/sitemap" objects, each with a name and the topics it leads to, nested by <UL>.
class TChmSitemap
{
public:
    struct Entry
    {
        QString name;
        QStringList locals; // topics, as written ("wallet.htm", "wallet.htm#messages")
        int depth = 0;      // 0 for the outermost list
    };

    static QList<Entry> parse(const QByteArray& html);
    // "&amp;" -> "&", "&#39;" -> "'", ...
    static QString decodeEntities(const QString& text);
};
