#include "app/TFrmRestoreBackup.h"

#include "bookings/TBookingWidgets.h"
#include "data/TBackupRestore.h"
#include "help/THelpRouter.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TFrmRestoreBackup::TFrmRestoreBackup(const QString& dataFile, QWidget* parent)
    : TDialog(QSize(640, 320), parent)
{
    setObjectName(QStringLiteral("FrmRestoreBackup"));
    setWindowTitle(tr("Restore Backup"));
    setProperty("helpContext", HelpContext);

    lstBackups = new QTreeWidget(this);
    lstBackups->setObjectName(QStringLiteral("lstBackups"));
    lstBackups->setRootIsDecorated(false);
    lstBackups->setAllColumnsShowFocus(true);
    lstBackups->setHeaderLabels({tr("Taken"), tr("Size"), tr("Holders"), tr("Bookings"), tr("File")});
    lstBackups->setAccessibleName(tr("Backups"));
    auto* caption = TBookingWidgets::makeLabel("lblBackups", tr("&Backups, the newest first:"), lstBackups, this);
    const auto button = &TBookingWidgets::makeButton;
    btnRestore = button("btnRestore", tr("&Restore..."), this);
    btnHelp = button("btnHelp", tr("&Help"), this);
    btnClose = button("btnClose", tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnRestore);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(lstBackups, 1);
    column->addLayout(buttons);

    connect(btnRestore, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmRestoreBackup::btnRestoreClick));
    connect(btnHelp, &QPushButton::clicked, this, &TFrmRestoreBackup::btnHelpClick);
    connect(btnClose, &QPushButton::clicked, this, &TFrmRestoreBackup::reject);
    connect(lstBackups, &QTreeWidget::itemDoubleClicked, this,
            TErrorReport::guard(this, &TFrmRestoreBackup::btnRestoreClick));
    fillList(dataFile);
    fitToContents();
}

void TFrmRestoreBackup::fillList(const QString& dataFile)
{
    const QLocale locale;
    const QString unreadable = tr("unreadable");
    for (const TBackupRestore::Entry& e : TBackupRestore::list(dataFile)) {
        auto* item = new QTreeWidgetItem(
            lstBackups, {locale.toString(e.taken, QLocale::ShortFormat), locale.formattedDataSize(e.size),
                         e.holders < 0 ? unreadable : locale.toString(e.holders),
                         e.bookings < 0 ? unreadable : locale.toString(e.bookings), QFileInfo(e.path).fileName()});
        item->setData(0, Qt::UserRole, e.path);
        item->setToolTip(4, QDir::toNativeSeparators(e.path));
        for (int c = 1; c <= 3; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 0; c < lstBackups->columnCount(); ++c)
        lstBackups->resizeColumnToContents(c);
    if (lstBackups->topLevelItemCount() > 0)
        lstBackups->setCurrentItem(lstBackups->topLevelItem(0));
    btnRestore->setEnabled(lstBackups->topLevelItemCount() > 0);
}

void TFrmRestoreBackup::btnRestoreClick()
{
    const QTreeWidgetItem* item = lstBackups->currentItem();
    if (item == nullptr)
        return;
    const QString question = tr("Restore the backup \"%1\" of %2?\n"
                                "Your data file is replaced by it; the data file as it is now is kept as a "
                                "backup first, so this can be undone.")
                                 .arg(item->text(4), item->text(0));
    if (!TMessageService::ask(this, question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok))
        return;
    m_chosen = item->data(0, Qt::UserRole).toString();
    done(mrOk);
}

void TFrmRestoreBackup::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}
