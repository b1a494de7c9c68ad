#pragma once

#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class QWindow;

// The engine that shows compiled help files, reached through one entry point with a command number.
// The program supplies its engine at start (setLoader); until then, or when the loader gives none,
// loading fails and every help request does nothing.
class THelpEngine
{
public:
    enum Command
    {
        DisplayTopic = 0, // the file or address is "file::/topic.htm"
        DisplayContents = 1,
        DisplayIndex = 2, // data: the keyword
        HelpContext = 15, // data: the help context number
        CloseAllWindows = 18
    };

    using Loader = std::function<std::shared_ptr<THelpEngine>()>;

    virtual ~THelpEngine() = default;

    // The entry point. The engine answers nothing: a file it cannot read or a number it cannot map
    // shows nothing.
    virtual void HtmlHelp(QWindow* owner, const QString& fileOrAddress, int command, const QVariant& data) = 0;

    static void setLoader(Loader loader);
    static std::shared_ptr<THelpEngine> load();

    // "C:/Apps/budget.chm::/features.htm" -> {"C:/Apps/budget.chm", "/features.htm"}; an address
    // without "::" names the whole file, with an empty topic.
    static std::pair<QString, QString> splitAddress(const QString& address);
};
