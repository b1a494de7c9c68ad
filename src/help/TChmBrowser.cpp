#include "help/TChmBrowser.h"

#include "help/TChmFile.h"

#include <QDesktopServices>
#include <QTextDocument>

namespace {
const QString Scheme = QStringLiteral("chm");
}

TChmBrowser::TChmBrowser(QWidget* parent)
    : QTextBrowser(parent)
{
    // Links are followed here: a relative link of a page in the file stays in the file.
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &TChmBrowser::followLink);
}

void TChmBrowser::setFile(const TChmFile* file)
{
    m_file = file;
    clearHistory();
    clear();
}

QUrl TChmBrowser::urlOf(const QString& topic)
{
    QUrl url;
    url.setScheme(Scheme);
    const qsizetype hash = topic.indexOf(u'#');
    url.setPath(TChmFile::normalized(hash < 0 ? topic : topic.left(hash)));
    if (hash >= 0)
        url.setFragment(topic.mid(hash + 1));
    return url;
}

QString TChmBrowser::topic() const
{
    return source().scheme() == Scheme ? source().path() : QString();
}

QVariant TChmBrowser::loadResource(int type, const QUrl& name)
{
    const QUrl url = name.isRelative() ? source().resolved(name) : name;
    if (!m_file || url.scheme() != Scheme)
        return {};
    const QByteArray data = m_file->read(url.path());
    if (data.isEmpty())
        return {};
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}

void TChmBrowser::followLink(const QUrl& link)
{
    const QUrl url = link.isRelative() ? source().resolved(link) : link;
    if (url.scheme() == Scheme) {
        if (m_file && m_file->contains(url.path()))
            setSource(url);
        return;
    }
    if (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https") ||
        url.scheme() == QLatin1String("mailto"))
        QDesktopServices::openUrl(url);
}
