#include "help/THelpSearch.h"

#include <QRegularExpression>
#include <QTextDocument>

#include <algorithm>

namespace {

QChar foldedChar(QChar c)
{
    if (c.unicode() < 0x80)
        return c.toLower();
    // The letter without its marks: the first part of its canonical decomposition.
    const QString parts = QString(c).normalized(QString::NormalizationForm_D);
    const QChar base = parts.isEmpty() || parts.at(0).isMark() ? c : parts.at(0);
    return base.toCaseFolded();
}

QStringList wordsOf(const QString& words)
{
    return THelpSearch::folded(words).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

} // namespace

QString THelpSearch::folded(const QString& text)
{
    QString out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = foldedChar(text.at(i));
    return out;
}

// The page read by the same HTML reader that shows it: every entity decoded, head, styles and
// scripts left out, as the browser does.
QString THelpSearch::title(const QByteArray& html)
{
    QTextDocument page;
    page.setHtml(QString::fromUtf8(html));
    return page.metaInformation(QTextDocument::DocumentTitle).simplified();
}

QString THelpSearch::plainText(const QByteArray& html)
{
    QTextDocument page;
    page.setHtml(QString::fromUtf8(html));
    return page.toPlainText().simplified();
}

QList<THelpSearch::Match> THelpSearch::matches(const QString& text, const QString& words)
{
    const QStringList wanted = wordsOf(words);
    if (wanted.isEmpty())
        return {};
    const QString haystack = folded(text);
    QList<Match> found;
    for (const QString& word : wanted) {
        const qsizetype before = found.size();
        for (qsizetype at = haystack.indexOf(word); at >= 0; at = haystack.indexOf(word, at + word.size()))
            found.append({at, word.size()});
        if (found.size() == before)
            return {};
    }
    std::sort(found.begin(), found.end(), [](const Match& a, const Match& b) { return a.start < b.start; });
    return found;
}

void THelpSearch::addPage(const QString& topic, const QByteArray& html)
{
    QString name = title(html);
    if (name.isEmpty())
        name = topic;
    m_pages.append({topic, name, name + u' ' + plainText(html)});
}

QList<THelpSearch::Hit> THelpSearch::find(const QString& words) const
{
    QList<Hit> hits;
    for (const Page& page : m_pages) {
        if (const qsizetype count = matches(page.text, words).size(); count > 0)
            hits.append({page.topic, page.title, int(count)});
    }
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) {
        return a.count != b.count ? a.count > b.count : a.title.localeAwareCompare(b.title) < 0;
    });
    return hits;
}
