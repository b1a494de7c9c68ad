#include "import/TFrmUndoImport.h"

#include "bookings/TBookingWidgets.h"
#include "help/THelpRouter.h"
#include "import/TFrmImport.h"
#include "import/TImportPreviewModel.h"
#include "import/TImportStore.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString holderText(const TImportRecord& r)
{
    return r.holderName.isEmpty() ? QCoreApplication::translate("TFrmUndoImport", "(deleted)") : r.holderName;
}

} // namespace

TFrmUndoImport::TFrmUndoImport(QWidget* parent)
    : TDialog(QSize(640, 320), parent)
{
    setObjectName(QStringLiteral("FrmUndoImport"));
    setWindowTitle(tr("Undo Import"));
    setProperty("helpContext", TFrmImport::HelpContext);

    lstImports = new QTreeWidget(this);
    lstImports->setObjectName(QStringLiteral("lstImports"));
    lstImports->setRootIsDecorated(false);
    lstImports->setAllColumnsShowFocus(true);
    lstImports->setHeaderLabels(
        {tr("When"), tr("Account or wallet"), tr("File"), tr("Rows"), tr("Total"), tr("Profile")});
    lstImports->setAccessibleName(tr("Imports"));
    auto* caption = TBookingWidgets::makeLabel("lblImports", tr("&Imports, the newest first:"), lstImports, this);
    const auto button = &TBookingWidgets::makeButton;
    btnUndo = button("btnUndo", tr("&Undo Import..."), this);
    btnHelp = button("btnHelp", tr("&Help"), this);
    btnClose = button("btnClose", tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnUndo);
    buttons->addWidget(btnClose);
    auto* column = new QVBoxLayout(this);
    column->addWidget(caption);
    column->addWidget(lstImports, 1);
    column->addLayout(buttons);

    connect(btnUndo, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmUndoImport::btnUndoClick));
    connect(btnHelp, &QPushButton::clicked, this, &TFrmUndoImport::btnHelpClick);
    connect(btnClose, &QPushButton::clicked, this, &TFrmUndoImport::btnCloseClick);
    connect(lstImports, &QTreeWidget::itemDoubleClicked, this,
            TErrorReport::guard(this, &TFrmUndoImport::btnUndoClick));
    TErrorReport::run(this, [this] { fillList(); });
    fitToContents();
}

void TFrmUndoImport::fillList()
{
    lstImports->clear();
    const QLocale locale;
    for (const TImportRecord& r : TImportStore::list()) {
        auto* item =
            new QTreeWidgetItem(lstImports, {locale.toString(r.when, QLocale::ShortFormat), holderText(r), r.fileName,
                                             locale.toString(r.rows), r.total.toMoneyString(), r.profile});
        item->setData(0, Qt::UserRole, r.id);
        item->setData(3, Qt::UserRole, r.rows);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(4, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (int c = 0; c < lstImports->columnCount(); ++c)
        lstImports->resizeColumnToContents(c);
    if (lstImports->topLevelItemCount() > 0)
        lstImports->setCurrentItem(lstImports->topLevelItem(0));
    btnUndo->setEnabled(lstImports->topLevelItemCount() > 0);
}

void TFrmUndoImport::btnUndoClick()
{
    const QTreeWidgetItem* item = lstImports->currentItem();
    if (item == nullptr)
        return;
    const qint32 id = item->data(0, Qt::UserRole).toInt();
    const QString question =
        tr("Take back the import of \"%1\" into %2 (%3, together %4)?\n"
           "Its bookings are deleted and the balance follows; its rows may be "
           "imported again.")
            .arg(item->text(2), item->text(1), TImportPreviewModel::rowsText(item->data(3, Qt::UserRole).toLongLong()),
                 item->text(4));
    if (!TMessageService::ask(this, question, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok))
        return;
    const std::optional<QList<qint32>> holders = TImportStore::undo(id);
    for (qint32 holder : holders.value_or(QList<qint32>())) {
        if (!m_changed.contains(holder))
            m_changed.append(holder);
    }
    fillList();
}

void TFrmUndoImport::btnHelpClick()
{
    THelpRouter::showContext(TFrmImport::HelpContext);
}

void TFrmUndoImport::btnCloseClick()
{
    done(m_changed.isEmpty() ? mrCancel : mrOk);
}
