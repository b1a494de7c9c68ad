#pragma once

#include "help/THelpEngine.h"

#include <QList>

#include <memory>

// A help engine that shows nothing and records every call. install() makes the viewer load a new
// one each time; last() is the one loaded last, while something holds it.
class FakeHelpEngine final : public THelpEngine
{
public:
    struct Call
    {
        QWindow* owner;
        QString file;
        int command;
        QVariant data;
    };

    void HtmlHelp(QWindow* owner, const QString& fileOrAddress, int command, const QVariant& data) override;

    static void install();
    static void uninstall();
    static std::shared_ptr<FakeHelpEngine> last();

    QList<Call> calls;
};
