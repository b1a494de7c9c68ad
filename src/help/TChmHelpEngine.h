#pragma once

#include "help/THelpEngine.h"

#include <QPointer>

#include <memory>

class QWidget;
class TChmFile;
class TFrmHelp;

// The program's help engine: reads compiled help files with chmlib and shows them in one help
// window. A file it cannot read, a topic the file lacks or a context number it does not map
// shows nothing.
class TChmHelpEngine final : public THelpEngine
{
public:
    TChmHelpEngine();
    ~TChmHelpEngine() override;
    Q_DISABLE_COPY_MOVE(TChmHelpEngine)

    // Makes this the engine that the help viewer loads.
    static void install();

    void HtmlHelp(QWindow* owner, const QString& fileOrAddress, int command, const QVariant& data) override;

    // The help window, while there is one.
    TFrmHelp* window() const;

private:
    bool load(const QString& path);
    TFrmHelp* windowFor(QWindow* owner);

    std::unique_ptr<TChmFile> m_file;
    QPointer<TFrmHelp> m_window;
};
