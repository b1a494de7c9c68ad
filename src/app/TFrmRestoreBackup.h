#pragma once

#include "toolkit/TDialog.h"

class QPushButton;
class QTreeWidget;

// "Restore Backup": lists the backups beside the data file (when taken, size, holders, bookings,
// file), the newest first. Restore asks first; the dialog then ends with mrOk and the chosen
// backup, which the program puts in place of the data file. Close ends with mrCancel.
class TFrmRestoreBackup final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmRestoreBackup)

public:
    static constexpr int HelpContext = 1020;

    TFrmRestoreBackup(const QString& dataFile, QWidget* parent);

    // The backup chosen to be restored.
    const QString& chosen() const { return m_chosen; }

    void btnRestoreClick();
    void btnHelpClick();

private:
    void fillList(const QString& dataFile);

    QString m_chosen;
    QTreeWidget* lstBackups = nullptr;
    QPushButton* btnRestore = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnClose = nullptr;
};
