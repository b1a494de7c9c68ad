#include "history/TExportCommand.h"

#include "history/TExportWriter.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TShell.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>

#include <exception>

QStringList TExportCommand::filters()
{
    // The writer is chosen by the filter's place in this list, never by its text.
    return {QCoreApplication::translate("TExportCommand", "Excel(*.xls)"),
            QCoreApplication::translate("TExportCommand", "text(*.txt)"),
            QCoreApplication::translate("TExportCommand", "htm(*.htm)")};
}

QString TExportCommand::withExtension(const QString& fileName, const QString& extension)
{
    if (fileName.right(extension.size()).compare(extension, Qt::CaseInsensitive) == 0)
        return fileName;
    return fileName + u'.' + extension;
}

TExportCommand::Outcome TExportCommand::run(QWidget* owner, TDBGridView* grid)
{
    const auto choice = TFileDialogService::getSaveFileName(owner, QString::fromLatin1(DefaultName), filters());
    if (!choice)
        return Outcome::Cancelled;
    const std::unique_ptr<TExportWriter> writer = TExportWriter::forType(choice->filterIndex);
    const QString path = withExtension(choice->fileName, writer->extension());

    TGridModel* model = grid->gridModel();
    // The desktop's colours as they are now.
    model->setSystemColors(TDBGridView::systemColors());
    const QString limit = writer->limitError(*model);
    if (!limit.isEmpty()) {
        TMessageService::ShowErrorBox(limit, owner);
        return Outcome::Refused;
    }

    const QString shownPath = QDir::toNativeSeparators(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        TErrorReport::show(
            owner,
            QCoreApplication::translate("TExportCommand", "Cannot create %1.\n%2").arg(shownPath, file.errorString()));
        return Outcome::Failed;
    }
    try {
        writer->write(file, *model);
    } catch (const std::exception& e) {
        file.cancelWriting();
        TErrorReport::show(owner, QCoreApplication::translate("TExportCommand", "Cannot write %1.\n%2")
                                      .arg(shownPath, QString::fromUtf8(e.what())));
        return Outcome::Failed;
    }
    if (!file.commit()) {
        TErrorReport::show(
            owner,
            QCoreApplication::translate("TExportCommand", "Cannot write %1.\n%2").arg(shownPath, file.errorString()));
        return Outcome::Failed;
    }

    if (TMessageService::show(owner, QCoreApplication::translate("TExportCommand", "Confirm"),
                              QCoreApplication::translate("TExportCommand", "Do you want to lunch the file?"),
                              QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes) == QMessageBox::Yes)
        TShell::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    return Outcome::Written;
}
