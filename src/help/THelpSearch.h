#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Full-text search over the pages of a help file. Each page is kept as plain text (tags, styles and
// scripts dropped, entities decoded); a search finds the pages that hold every word asked for, as a
// part of a word, whatever the case and the accents ("resume" finds "Résumé"), and orders them by how
// often the words occur, then by title.
class THelpSearch
{
public:
    struct Hit
    {
        QString topic; // "/history.htm"
        QString title;
        int count = 0; // occurrences of all the words on the page
    };
    // One occurrence in a text: where it starts and how long it is.
    struct Match
    {
        qsizetype start = 0;
        qsizetype length = 0;
    };

    void addPage(const QString& topic, const QByteArray& html);
    bool isEmpty() const { return m_pages.isEmpty(); }
    QList<Hit> find(const QString& words) const;

    // Every occurrence of each word in `text`, in the order of the text; nothing unless every word
    // occurs. Positions are those of `text` itself, so a page's document can be marked with them.
    static QList<Match> matches(const QString& text, const QString& words);
    // The text a page shows, and its <title>.
    static QString plainText(const QByteArray& html);
    static QString title(const QByteArray& html);
    // One character to one: small letters without their accents ("É" -> "e").
    static QString folded(const QString& text);

private:
    struct Page
    {
        QString topic;
        QString title;
        QString text;
    };
    QList<Page> m_pages;
};
