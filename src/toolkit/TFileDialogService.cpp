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

// Not a child of the window: the platform's look, modal over the window that asked.
std::optional<TFileDialogService::Choice> run(QFileDialog& dialog, QWidget* parent, const QStringList& filters,
                                              const QString& fileName = {})
{
    dialog.setWindowModality(Qt::ApplicationModal);
    if (parent != nullptr) {
        dialog.winId();
        if (QWindow* owner = parent->window()->windowHandle())
            dialog.windowHandle()->setTransientParent(owner);
    }
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(0));
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const int index = filters.indexOf(dialog.selectedNameFilter());
    return TFileDialogService::Choice{dialog.selectedFiles().constFirst(), index < 0 ? 1 : index + 1};
}

// In test mode: the next queued choice, the request recorded.
std::optional<TFileDialogService::Choice> testChoice(const QString& name, const QStringList& filters)
{
    TestState& s = state();
    s.filters = filters;
    s.defaultName = name;
    return s.choices.isEmpty() ? std::nullopt : s.choices.dequeue();
}

} // namespace

std::optional<TFileDialogService::Choice>
TFileDialogService::getSaveFileName(QWidget* parent, const QString& defaultName, const QStringList& filters)
{
    if (state().on)
        return testChoice(defaultName, filters);
    QFileDialog dialog;
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    return run(dialog, parent, filters, defaultName);
}

std::optional<TFileDialogService::Choice> TFileDialogService::getOpenFileName(QWidget* parent, const QString& title,
                                                                              const QString& folder,
                                                                              const QStringList& filters)
{
    if (state().on)
        return testChoice(folder, filters);
    QFileDialog dialog(nullptr, title, folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return run(dialog, parent, filters);
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
