#include "toolkit/TFileDialogService.h"

#include <QFileDialog>
#include <QQueue>
#include <QWindow>

namespace {

struct TestState
{
    bool on = false;
    QQueue<std::optional<TFileDialogService::Choice>> choices;
    QStringList filters;
    QString defaultName;
};

TestState& state()
{
    static TestState s;
    return s;
}

} // namespace

std::optional<TFileDialogService::Choice>
TFileDialogService::getSaveFileName(QWidget* parent, const QString& defaultName, const QStringList& filters)
{
    TestState& s = state();
    if (s.on) {
        s.filters = filters;
        s.defaultName = defaultName;
        return s.choices.isEmpty() ? std::nullopt : s.choices.dequeue();
    }
    // Not a child of the window: the platform's look, modal over the window that asked.
    QFileDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    if (parent != nullptr) {
        dialog.winId();
        if (QWindow* owner = parent->window()->windowHandle())
            dialog.windowHandle()->setTransientParent(owner);
    }
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    dialog.selectFile(defaultName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = filters.indexOf(dialog.selectedNameFilter());
    return Choice{dialog.selectedFiles().constFirst(), index < 0 ? 1 : index + 1};
}

void TFileDialogService::setTestMode(bool on)
{
    TestState& s = state();
    s.on = on;
    s.choices.clear();
    s.filters.clear();
    s.defaultName.clear();
}

void TFileDialogService::setNextChoice(const std::optional<Choice>& choice)
{
    state().choices.enqueue(choice);
}

QStringList TFileDialogService::lastFilters()
{
    return state().filters;
}

QString TFileDialogService::lastDefaultName()
{
    return state().defaultName;
}
