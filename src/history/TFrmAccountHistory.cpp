#include "history/TFrmAccountHistory.h"

#include "bookings/TBookingStore.h"
#include "bookings/TFrmDebit.h"
#include "bookings/TFrmDeposit.h"
#include "bookings/TFrmTransfer.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TLedgerSearch.h"
#include "help/THelpRouter.h"
#include "history/TBookingCopy.h"
#include "history/TExportCommand.h"
#include "history/TFrmHistoryQuery.h"
#include "history/THistoryGrid.h"
#include "reports/TReportBookings.h"
#include "toolkit/TAccessibleLabel.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TGridPrinter.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TSkin.h"
#include "toolkit/TToolBars.h"
#include "toolkit/TToolIcons.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <QVBoxLayout>

#include <memory>
#include <utility>

namespace {

// The empty list: the ledger's columns and "To".
TRowSet emptyList()
{
    TRowSet rows = TLedgerQuery::emptyRows();
    THistorySearch::addToColumn(rows);
    return rows;
}

} // namespace

TFrmAccountHistory::TFrmAccountHistory(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAccountHistory"));
    setWindowTitle(tr("Acc/Wal History"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    resize(644, 387);
    setProperty("helpContext", HelpContext);
    TSkin::applyTo(this);
    TSkin::setDialogFont(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createToolBar();
    createRepeat();
    createFilterPanel();
    createGrid();
    createKeys();
    column->addWidget(tlb1);
    column->addWidget(pnl1);
    column->addWidget(dbgrdh1, 1);

    m_search = new TLedgerSearch(this);
    connect(m_search, &TLedgerSearch::finished, this, &TFrmAccountHistory::showList);
    connect(m_search, &TLedgerSearch::failed, this, &TFrmAccountHistory::listFailed);
    FormCreate();
}

TFrmAccountHistory::~TFrmAccountHistory() = default;

QAction* TFrmAccountHistory::makeAction(const char* name, const QString& caption, void (TFrmAccountHistory::*handler)())
{
    auto* action = new QAction(caption, this);
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, TErrorReport::guard(this, handler));
    return action;
}

void TFrmAccountHistory::createToolBar()
{
    struct Command
    {
        const char* button;
        const char* caption;
        const char* item;
        const char* itemCaption;
        const char* icon;
        const char* hint;
        void (TFrmAccountHistory::*handler)();
        bool separatorAfter; // in the tool bar
        bool menuSeparatorAfter;
    };
    const Command commands[] = {
        {"btnQuery", QT_TR_NOOP("Query"), "mniQuery", QT_TR_NOOP("&Query..."), "query", "",
         &TFrmAccountHistory::btnQueryClick, true, true},
        {"btnEdit", QT_TR_NOOP("Edit"), "mniEdit", QT_TR_NOOP("&Edit..."), "edit", "",
         &TFrmAccountHistory::btnEditClick, false, false},
        {"btnDelete", QT_TR_NOOP("Delete"), "mniDelete", QT_TR_NOOP("&Delete"), "delete", "",
         &TFrmAccountHistory::btnDeleteClick, true, true},
        {"btnCopy", QT_TR_NOOP("Copy"), "mniCopy", QT_TR_NOOP("&Copy"), "copy",
         QT_TR_NOOP("Copy selected data and paste to excel  document"), &TFrmAccountHistory::btnCopyClick, false,
         false},
        {"btnExport", QT_TR_NOOP("Export"), "mniExport", QT_TR_NOOP("Exp&ort..."), "export", "",
         &TFrmAccountHistory::btnExportClick, false, false},
        {"btnPrint", QT_TR_NOOP("Print"), "mniPrint", QT_TR_NOOP("&Print..."), "print", "",
         &TFrmAccountHistory::btnPrintClick, true, true},
        {"btnHelp", QT_TR_NOOP("Help"), "mniHelp", QT_TR_NOOP("&Help"), "help", "", &TFrmAccountHistory::btnHelpClick,
         false, false},
        {"btnToolExit", QT_TR_NOOP("Exit"), "mniExit", QT_TR_NOOP("E&xit"), "exit", QT_TR_NOOP("Close history window"),
         &TFrmAccountHistory::btnToolExitClick, true, false},
    };

    // Flat, 32 x 32 pictures with their captions below, buttons 44 x 52 (wider where a caption
    // needs it).
    tlb1 = TToolBars::make("tlb1", this);
    pm1 = new QMenu(this);
    pm1->setObjectName(QStringLiteral("pm1"));
    for (const Command& c : commands) {
        const QString hint = *c.hint != 0 ? tr(c.hint) : QString();
        QAction* button = makeAction(c.button, tr(c.caption), c.handler);
        button->setIcon(TToolIcons::icon(QString::fromLatin1(c.icon)));
        if (!hint.isEmpty())
            button->setToolTip(hint);
        TToolBars::addButton(tlb1, button, 44, 52);
        if (c.separatorAfter)
            tlb1->addSeparator();

        QAction* item = makeAction(c.item, tr(c.itemCaption), c.handler);
        if (!hint.isEmpty())
            item->setToolTip(hint);
        pm1->addAction(item);
        if (c.menuSeparatorAfter)
            pm1->addSeparator();
    }
}

void TFrmAccountHistory::createRepeat()
{
    // In the pop-up menu after Delete, and bound to the window, where its key works.
    QAction* repeat = makeAction("mniRepeat", tr("&Repeat..."), &TFrmAccountHistory::btnRepeatClick);
    repeat->setToolTip(tr("Make a standing order of this booking"));
    const QList<QAction*> items = pm1->actions();
    const qsizetype after = items.indexOf(findChild<QAction*>(QStringLiteral("mniDelete"), Qt::FindDirectChildrenOnly));
    pm1->insertAction(items.value(after + 1), repeat);
    addAction(repeat);
}

void TFrmAccountHistory::createFilterPanel()
{
    pnl1 = new QWidget(this);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setFixedHeight(36);
    auto* row = new QHBoxLayout(pnl1);
    row->setContentsMargins(6, 4, 6, 4);
    row->setSpacing(6);

    cbbAccWal = new QComboBox(pnl1);
    cbbAccWal->setObjectName(QStringLiteral("cbbAccWal"));
    cbbAccWal->setMaxVisibleItems(15);
    cbbAccWal->setMinimumContentsLength(10);
    cbbType = new QComboBox(pnl1);
    cbbType->setObjectName(QStringLiteral("cbbType"));
    TAccessibleLabel::attach(cbbType, tr("Type"));
    rbMonth = new QRadioButton(tr("This Month"), pnl1);
    rbMonth->setObjectName(QStringLiteral("rbMonth"));
    rbToday = new QRadioButton(tr("Today"), pnl1);
    rbToday->setObjectName(QStringLiteral("rbToday"));
    rbToday->setChecked(true);
    edtSearch = new QLineEdit(pnl1);
    edtSearch->setObjectName(QStringLiteral("edtSearch"));
    edtSearch->setMinimumWidth(100);
    edtSearch->installEventFilter(this);

    auto* lblAccWal = new QLabel(tr("Acc/Wal:"), pnl1);
    lblAccWal->setObjectName(QStringLiteral("lblAccWal"));
    lblAccWal->setBuddy(cbbAccWal);
    auto* lblSearch = new QLabel(tr("Search:"), pnl1);
    lblSearch->setObjectName(QStringLiteral("lblSearch"));
    lblSearch->setBuddy(edtSearch);
    cbbAccWal->setAccessibleName(tr("Acc/Wal"));
    edtSearch->setAccessibleName(tr("Search"));

    row->addWidget(lblAccWal);
    row->addWidget(cbbAccWal);
    row->addWidget(cbbType);
    row->addWidget(rbMonth);
    row->addWidget(rbToday);
    row->addWidget(lblSearch);
    row->addWidget(edtSearch, 1);

    connect(cbbAccWal, &QComboBox::activated, this, TErrorReport::guard(this, &TFrmAccountHistory::cbbAccWalChange));
    connect(cbbType, &QComboBox::activated, this, TErrorReport::guard(this, &TFrmAccountHistory::cbbTypeChange));
    // A change of the period's mark runs the search however it came: a click, the arrow keys, or an
    // assistive tool's toggle, which clicks nothing. A click runs it once: the search follows the
    // change of the mark, and the click itself searches again only on the button already marked.
    for (QRadioButton* button : {rbMonth, rbToday}) {
        connect(button, &QRadioButton::pressed, this, [this, button] { m_periodWasMarked = button->isChecked(); });
        connect(button, &QRadioButton::toggled, this, [this](bool marked) {
            if (marked)
                TErrorReport::run(this, [this] { RunSearch(); });
        });
    }
    connect(rbMonth, &QRadioButton::clicked, this, TErrorReport::guard(this, &TFrmAccountHistory::rbMonthClick));
    connect(rbToday, &QRadioButton::clicked, this, TErrorReport::guard(this, &TFrmAccountHistory::rbTodayClick));
    connect(edtSearch, &QLineEdit::textChanged, this, TErrorReport::guard(this, &TFrmAccountHistory::edtSearchChange));
}

void TFrmAccountHistory::createGrid()
{
    dbgrdh1 = new TDBGridView(this);
    dbgrdh1->setObjectName(QStringLiteral("dbgrdh1"));
    dbgrdh1->setAccessibleName(tr("Bookings"));
    dbgrdh1->setGridLayout(THistoryGrid::options(), THistoryGrid::columns());
    // Tab and Shift+Tab move between the columns.
    dbgrdh1->setTabKeyNavigation(true);
    for (QTableView* view : {static_cast<QTableView*>(dbgrdh1), dbgrdh1->frozenView()}) {
        view->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& pos) { popupMenu(view->viewport(), pos); });
    }
    connect(dbgrdh1, &TDBGridView::titleButtonClicked, this, &TFrmAccountHistory::dbgrdh1TitleBtnClick);

    setTabOrder(cbbAccWal, cbbType);
    setTabOrder(cbbType, rbMonth);
    setTabOrder(rbMonth, rbToday);
    setTabOrder(rbToday, edtSearch);
    setTabOrder(edtSearch, dbgrdh1);
}

void TFrmAccountHistory::createKeys()
{
    // Keys in Qt's portable names, and as the tool tip shows them. The window's keys work wherever
    // the focus is in it, except where a text field edits with them (Ctrl+C in the search box
    // copies its text). Enter, F2 and Delete act on the rows only while the grid has the focus; in
    // the search box they go on editing the text. F1 is the program's help key everywhere
    // (THelpKey): a binding here would answer it twice.
    struct Binding
    {
        const char* command;
        const char* keys;
        const char* shown;
        bool onRows;
    };
    const Binding bindings[] = {
        {"btnQuery", "Ctrl+F", "Ctrl+F", false}, {"btnEdit", "Return; Enter; F2", "Enter, F2", true},
        {"btnDelete", "Del", "Del", true},       {"mniRepeat", "Ctrl+R", "Ctrl+R", false},
        {"btnCopy", "Ctrl+C", "Ctrl+C", false},  {"btnExport", "Ctrl+E", "Ctrl+E", false},
        {"btnPrint", "Ctrl+P", "Ctrl+P", false}, {"btnHelp", "", "F1", false},
        {"btnToolExit", "Esc", "Esc", false},
    };
    for (const Binding& b : bindings) {
        auto* command = findChild<QAction*>(QString::fromLatin1(b.command), Qt::FindDirectChildrenOnly);
        command->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(b.keys), QKeySequence::PortableText));
        command->setShortcutContext(b.onRows ? Qt::WidgetShortcut : Qt::WindowShortcut);
        if (b.onRows)
            dbgrdh1->addAction(command);
        // The tip (the command's hint, else its caption) with its keys as the desktop names them in
        // the user's language: "Delete (Del)", "Löschen (Entf)".
        QStringList shown;
        for (const QString& key : QString::fromLatin1(b.shown).split(QStringLiteral(", ")))
            shown << QKeySequence(key, QKeySequence::PortableText).toString(QKeySequence::NativeText);
        command->setToolTip(QStringLiteral("%1 (%2)").arg(command->toolTip(), shown.join(QStringLiteral(", "))));
    }

    // The menu key and Shift+F10 open the pop-up menu at the current row.
    auto* menuKeys = new QShortcut(dbgrdh1);
    menuKeys->setObjectName(QStringLiteral("dbgrdh1MenuKeys"));
    menuKeys->setKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)});
    menuKeys->setContext(Qt::WidgetShortcut);
    connect(menuKeys, &QShortcut::activated, this, [this] {
        const QRect cell = dbgrdh1->visualRect(dbgrdh1->currentIndex());
        popupMenu(dbgrdh1->viewport(), cell.isValid() ? cell.center() : QPoint(0, 0));
    });
}

void TFrmAccountHistory::FormCreate()
{
    FHolderID = 0;
    dbgrdh1->setRows(emptyList());
    cbbType->addItems(THistorySearch::typeEntries());
    cbbType->setCurrentIndex(0);
    m_Query = new TFrmHistoryQuery(this);
    connect(&TBooks::instance(), &TBooks::changed, this, &TFrmAccountHistory::booksChanged, Qt::QueuedConnection);
}

void TFrmAccountHistory::booksChanged(const TBooksChange& change)
{
    // This window's own edits and deletes run its list again themselves; before its first
    // activation there is no list to follow.
    if (change.origin == this || !m_Shown)
        return;
    TErrorReport::run(this, [&] {
        if (change.changesHolders() || !change.holdersEdited.isEmpty()) {
            // The holder lists follow, keeping the entry chosen (by its holder, else its place).
            const std::optional<TCboItem> chosen = TFrmHistoryQuery::selectedHolder(cbbAccWal);
            const int index = cbbAccWal->currentIndex();
            const QSignalBlocker block(cbbAccWal);
            LoadHolderList();
            int again = chosen ? -1 : std::min(index, cbbAccWal->count() - 1);
            for (int i = 0; chosen && i < cbbAccWal->count(); ++i) {
                const QVariant data = cbbAccWal->itemData(i);
                if (data.canConvert<TCboItem>() && data.value<TCboItem>().ID == chosen->ID)
                    again = i;
            }
            cbbAccWal->setCurrentIndex(std::max(again, 0));
        }
        Requery();
    });
}

void TFrmAccountHistory::popupMenu(QWidget* viewport, const QPoint& pos)
{
    pm1->popup(viewport->mapToGlobal(pos));
}

void TFrmAccountHistory::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_Shown)
        return;
    m_Shown = true;
    findChild<QAction*>(QStringLiteral("mniRepeat"), Qt::FindDirectChildrenOnly)
        ->setVisible(isSignalConnected(QMetaMethod::fromSignal(&TFrmAccountHistory::repeatRequested)));
    edtSearch->setFocus(Qt::OtherFocusReason);
    TErrorReport::run(this, [this] { FormActivate(); });
}

bool TFrmAccountHistory::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtSearch && event->type() == QEvent::MouseButtonDblClick) {
        edtSearchDblClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

int TFrmAccountHistory::showOver(QDialog* window)
{
    const int result = window->exec();
    TErrorReport::run(this, [this] { FormActivate(); });
    return result;
}

void TFrmAccountHistory::FormActivate()
{
    LoadHolderList();
    if (FHolderID > 0) {
        for (int i = 0; i < cbbAccWal->count(); ++i) {
            const QVariant data = cbbAccWal->itemData(i);
            if (data.canConvert<TCboItem>() && data.value<TCboItem>().ID == FHolderID) {
                cbbAccWal->setCurrentIndex(i);
                break;
            }
        }
    }
    if (m_figure)
        listFigure();
    else
        RunSearch();
}

void TFrmAccountHistory::showFigure(const TReportFilter& filter)
{
    m_figure = filter;
    FHolderID = 0;
    if (m_Shown)
        TErrorReport::run(this, [this] { listFigure(); });
}

void TFrmAccountHistory::listFigure()
{
    m_search->cancel();
    TRowSet rows = TReportBookings::rows(*m_figure);
    THistorySearch::addToColumn(rows);
    dbgrdh1->setRows(std::move(rows));
    m_printDetails = {tr("Bookings of a report")};
    emit listBuilt();
}

void TFrmAccountHistory::LoadHolderList()
{
    TFrmHistoryQuery::LoadHolderList(cbbAccWal);
}

void TFrmAccountHistory::OpenList(const TLedgerQuery& query)
{
    qryList = query;
    try {
        query.check();
        m_search->submit(query);
    } catch (...) {
        // The list stays empty until a search succeeds.
        m_search->cancel();
        dbgrdh1->setRows(emptyList());
        throw;
    }
}

void TFrmAccountHistory::showList()
{
    TRowSet list = m_search->takeRows();
    THistorySearch::addToColumn(list);
    TErrorReport::run(this, [this, &list] { dbgrdh1->setRows(std::move(list)); });
    emit listBuilt();
}

void TFrmAccountHistory::listFailed(const QString& text)
{
    dbgrdh1->setRows(emptyList());
    TErrorReport::show(this, text);
    emit listBuilt();
}

bool TFrmAccountHistory::isBuilding() const
{
    return m_search->isBusy();
}

void TFrmAccountHistory::awaitList()
{
    if (!m_search->isBusy())
        return;
    QEventLoop loop;
    connect(this, &TFrmAccountHistory::listBuilt, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QApplication::restoreOverrideCursor();
}

void TFrmAccountHistory::RunSearch()
{
    m_figure.reset();
    THistorySearch::Simple criteria;
    criteria.period = rbMonth->isChecked() ? THistorySearch::Period::ThisMonth : THistorySearch::Period::Today;
    criteria.family = TFrmHistoryQuery::selectedFamily(cbbAccWal);
    const std::optional<TCboItem> holder = TFrmHistoryQuery::selectedHolder(cbbAccWal);
    criteria.holderId = holder ? holder->ID : 0;
    criteria.typeIndex = cbbType->currentIndex();
    criteria.text = edtSearch->text();
    OpenList(THistorySearch::simple(criteria, TClock::now().date()));
    m_printDetails = THistorySearch::printDetails(criteria);
}

void TFrmAccountHistory::Requery()
{
    if (m_figure) {
        listFigure();
        return;
    }
    OpenList(qryList);
}

void TFrmAccountHistory::cbbAccWalChange()
{
    RunSearch();
}

void TFrmAccountHistory::cbbTypeChange()
{
    RunSearch();
}

void TFrmAccountHistory::rbMonthClick()
{
    // A click that moved the mark has searched with the change.
    if (std::exchange(m_periodWasMarked, false))
        RunSearch();
}

void TFrmAccountHistory::rbTodayClick()
{
    if (std::exchange(m_periodWasMarked, false))
        RunSearch();
}

void TFrmAccountHistory::edtSearchChange()
{
    RunSearch();
}

void TFrmAccountHistory::edtSearchDblClick()
{
    // The change runs the search.
    edtSearch->clear();
}

void TFrmAccountHistory::dbgrdh1TitleBtnClick(int column)
{
    TErrorReport::run(this, [this, column] { dbgrdh1->SortByColumn(column); });
}

void TFrmAccountHistory::btnQueryClick()
{
    // The activation after the dialog shows the simple search; the advanced search replaces it.
    if (showOver(m_Query) != TDialog::mrOk)
        return;
    const THistorySearch::Advanced criteria = m_Query->criteria();
    m_figure.reset();
    OpenList(THistorySearch::advanced(criteria));
    m_printDetails = THistorySearch::printDetails(criteria);
}

QList<TFrmAccountHistory::Booking> TFrmAccountHistory::selectedBookings() const
{
    const TGridModel* model = dbgrdh1->gridModel();
    const TRowSet& rows = model->rows();
    const int id = rows.indexOf(u"ID");
    const int type = rows.indexOf(u"type");
    QList<Booking> bookings;
    for (int position : dbgrdh1->selectedPositions()) {
        const int row = model->sourceRow(position);
        bookings.append({int(rows.number(row, type)), qint32(rows.number(row, id))});
    }
    return bookings;
}

void TFrmAccountHistory::btnEditClick()
{
    const QList<Booking> bookings = selectedBookings();
    if (bookings.isEmpty())
        return;
    const Booking& b = bookings.first();
    std::unique_ptr<QDialog> dialog;
    if (b.kind == 0 || b.kind == 1) {
        std::unique_ptr<TFrmDetailBase> detail;
        if (b.kind == 0)
            detail = std::make_unique<TFrmDeposit>(this);
        else
            detail = std::make_unique<TFrmDebit>(this);
        detail->LoadForEdit(b.id);
        dialog = std::move(detail);
    } else {
        // Either side of a transfer opens the transfer.
        auto transfer = std::make_unique<TFrmTransfer>(this);
        transfer->LoadForEdit(b.id);
        dialog = std::move(transfer);
    }
    // Whatever the dialog's result, the activation after it runs the list again.
    const TBooks::Origin origin(this);
    showOver(dialog.get());
}

void TFrmAccountHistory::btnRepeatClick()
{
    const QList<Booking> bookings = selectedBookings();
    if (bookings.isEmpty()) {
        TMessageService::show(this, tr("ERROR"), tr("Please select a booking to repeat!"), QMessageBox::Information,
                              QMessageBox::Ok);
        return;
    }
    const Booking& b = bookings.first();
    emit repeatRequested(TBooksChange::Booking{b.kind != 0 && b.kind != 1, b.id});
}

void TFrmAccountHistory::btnDeleteClick()
{
    const QList<Booking> bookings = selectedBookings();
    if (bookings.isEmpty()) {
        TMessageService::show(this, tr("ERROR"), tr("Please select an record to delete!"), QMessageBox::Information,
                              QMessageBox::Ok);
        return;
    }
    if (!TMessageService::ask(this, tr("Are you sure to delete this record?"), QMessageBox::Yes | QMessageBox::No,
                              QMessageBox::Yes))
        return;
    // Each booking goes with its balance changes in a transaction of its own. A failure stops the
    // command: the bookings before it stay deleted, it and the rest stay as they were, and the list
    // shows what is stored.
    const TBooks::Origin origin(this);
    try {
        for (const Booking& b : bookings)
            TBookingStore::deleteBooking(b.kind, b.id);
    } catch (...) {
        dbgrdh1->setRows(emptyList());
        try {
            Requery();
        } catch (...) {
            // The list stays empty; the first failure is the one reported.
        }
        throw;
    }
    // The deleted rows leave the view at once; the list comes back with the re-query.
    dbgrdh1->setRows(emptyList());
    Requery();
}

void TFrmAccountHistory::btnCopyClick()
{
    const TGridModel* model = dbgrdh1->gridModel();
    QList<int> rows;
    for (int position : dbgrdh1->selectedPositions())
        rows << model->sourceRow(position);
    if (rows.isEmpty())
        return;
    QGuiApplication::clipboard()->setText(TBookingCopy::text(model->rows(), rows));
}

void TFrmAccountHistory::btnExportClick()
{
    awaitList();
    // The question after a written file is one of the program's own windows.
    if (TExportCommand::run(this, dbgrdh1) == TExportCommand::Outcome::Written)
        TErrorReport::run(this, [this] { FormActivate(); });
}

void TFrmAccountHistory::btnPrintClick()
{
    awaitList();
    TGridModel* model = dbgrdh1->gridModel();
    model->setSystemColors(TDBGridView::systemColors());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    // Landscape for a list wider than a portrait page; the preview lets the user turn it back.
    TGridPrinter(*model).fitOrientation(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("prntdbgrdh1"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [this, model](QPrinter* target) {
        TErrorReport::run(this, [this, model, target] {
            TGridPrinter gridPrinter(*model);
            gridPrinter.setTitle(windowTitle());
            gridPrinter.setDetails(m_printDetails);
            gridPrinter.print(*target);
        });
    });
    showOver(&preview);
}

void TFrmAccountHistory::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}

void TFrmAccountHistory::btnToolExitClick()
{
    close();
}
