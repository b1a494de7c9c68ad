#include "help/TChmSitemap.h"

#include <QRegularExpression>

namespace {

QString attribute(const QString& attributes, QLatin1String name)
{
    static const QRegularExpression pattern(QStringLiteral(R"re((\w+)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s>]+)))re"));
    for (auto it = pattern.globalMatch(attributes); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (m.captured(1).compare(name, Qt::CaseInsensitive) != 0)
            continue;
        for (int group : {2, 3, 4})
            if (m.capturedStart(group) >= 0)
                return TChmSitemap::decodeEntities(m.captured(group));
    }
    return {};
}

} // namespace

QList<TChmSitemap::Entry> TChmSitemap::parse(const QByteArray& html)
{
    static const QRegularExpression tag(QStringLiteral(R"(<\s*(/?)\s*([A-Za-z]+)([^>]*)>)"));
    const QString text = QString::fromUtf8(html);
    QList<Entry> entries;
    int lists = 0;
    bool inObject = false;
    Entry current;
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString name = m.captured(2).toLower();
        if (name == QLatin1String("ul")) {
            lists = std::max(0, lists + (closing ? -1 : 1));
        } else if (name == QLatin1String("object")) {
            if (!closing && attribute(m.captured(3), QLatin1String("type"))
                                    .compare(QLatin1String("text/sitemap"), Qt::CaseInsensitive) == 0) {
                inObject = true;
                current = Entry{QString(), QStringList(), std::max(0, lists - 1)};
            } else if (closing && inObject) {
                inObject = false;
                if (!current.name.isEmpty())
                    entries.append(current);
            }
        } else if (name == QLatin1String("param") && inObject) {
            const QString param = attribute(m.captured(3), QLatin1String("name"));
            const QString value = attribute(m.captured(3), QLatin1String("value"));
            if (param.compare(QLatin1String("Name"), Qt::CaseInsensitive) == 0 && current.name.isEmpty())
                current.name = value;
            else if (param.compare(QLatin1String("Local"), Qt::CaseInsensitive) == 0 && !value.isEmpty())
                current.locals.append(value);
        }
    }
    return entries;
}

QString TChmSitemap::decodeEntities(const QString& text)
{
    if (!text.contains(u'&'))
        return text;
    static const QRegularExpression entity(QStringLiteral(R"(&(#x[0-9A-Fa-f]+|#[0-9]+|[A-Za-z]+);)"));
    QString out;
    qsizetype last = 0;
    for (auto it = entity.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += QStringView(text).mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        char32_t code = 0;
        if (name.startsWith(QLatin1String("#x"), Qt::CaseInsensitive))
            code = name.mid(2).toUInt(nullptr, 16);
        else if (name.startsWith(u'#'))
            code = name.mid(1).toUInt();
        else if (name == QLatin1String("amp"))
            code = '&';
        else if (name == QLatin1String("lt"))
            code = '<';
        else if (name == QLatin1String("gt"))
            code = '>';
        else if (name == QLatin1String("quot"))
            code = '"';
        else if (name == QLatin1String("apos"))
            code = '\'';
        else if (name == QLatin1String("nbsp"))
            code = 0xA0;
        if (code != 0 && code <= 0x10FFFF)
            out += QString::fromUcs4(&code, 1);
        else
            out += m.captured();
        last = m.capturedEnd();
    }
    out += QStringView(text).mid(last);
    return out;
}
