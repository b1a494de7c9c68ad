#include "toolkit/TShell.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct TestState
{
    bool on = false;
    QStringList requests;
};

TestState& state()
{
    static TestState s;
    return s;
}

} // namespace

void TShell::openUrl(const QUrl& url)
{
    if (state().on) {
        state().requests.append(url.toString());
        return;
    }
    if (url.isValid() && !url.isEmpty())
        QDesktopServices::openUrl(url);
}

void TShell::runFirstOf(const QStringList& programs)
{
    if (state().on) {
        state().requests.append(QStringLiteral("run:") + programs.join(u','));
        return;
    }
    for (const QString& program : programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {});
            return;
        }
    }
}

void TShell::setTestMode(bool on)
{
    state().on = on;
    state().requests.clear();
}

QStringList TShell::takeRequests()
{
    return std::exchange(state().requests, {});
}
