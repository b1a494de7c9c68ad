#include "help/TChmHelpEngine.h"

#include "help/TChmFile.h"
#include "help/TFrmHelp.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace {

QWidget* widgetOf(QWindow* window)
{
    if (!window)
        return nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows)
        if (w->windowHandle() == window)
            return w;
    return nullptr;
}

} // namespace

TChmHelpEngine::TChmHelpEngine() = default;

TChmHelpEngine::~TChmHelpEngine()
{
    delete m_window.data();
}

void TChmHelpEngine::install()
{
    THelpEngine::setLoader([] { return std::make_shared<TChmHelpEngine>(); });
}

TFrmHelp* TChmHelpEngine::window() const
{
    return m_window.data();
}

bool TChmHelpEngine::load(const QString& path)
{
    if (m_file && m_file->path() == path)
        return true;
    std::unique_ptr<TChmFile> file = TChmFile::open(path);
    if (!file)
        return false;
    if (m_window)
        m_window->setFile(file.get());
    m_file = std::move(file);
    return true;
}

TFrmHelp* TChmHelpEngine::windowFor(QWindow* owner)
{
    QWidget* ownerWidget = widgetOf(owner);
    if (!m_window) {
        m_window = new TFrmHelp(ownerWidget);
        m_window->setFile(m_file.get());
    } else if (ownerWidget != m_window && !(ownerWidget && m_window->isAncestorOf(ownerWidget))) {
        m_window->setOwner(ownerWidget);
    }
    return m_window;
}

void TChmHelpEngine::HtmlHelp(QWindow* owner, const QString& fileOrAddress, int command, const QVariant& data)
{
    switch (command) {
    case CloseAllWindows:
        delete m_window.data();
        return;
    case DisplayTopic: {
        const auto [file, topic] = splitAddress(fileOrAddress);
        if (load(file))
            windowFor(owner)->showTopic(topic.isEmpty() ? m_file->defaultTopic() : topic);
        return;
    }
    case DisplayContents:
        if (load(fileOrAddress))
            windowFor(owner)->showContents();
        return;
    case DisplayIndex:
        if (load(fileOrAddress))
            windowFor(owner)->showIndex(data.toString());
        return;
    case HelpContext:
        if (load(fileOrAddress)) {
            const QString topic = m_file->topicOfContext(data.toInt());
            if (!topic.isEmpty())
                windowFor(owner)->showTopic(topic);
        }
        return;
    default:
        return;
    }
}
