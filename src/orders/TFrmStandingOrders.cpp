#include "orders/TFrmStandingOrders.h"

#include "bookings/TBookingWidgets.h"
#include "bookings/TNegativePolicy.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TDateText.h"
#include "data/TRowSet.h"
#include "help/THelpRouter.h"
#include "orders/TFrmStandingOrder.h"
#include "orders/TOrderStore.h"
#include "orders/TOrderTexts.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TSkin.h"
#include "toolkit/TToolBars.h"
#include "toolkit/TToolIcons.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

enum Field
{
    FieldId,
    FieldNext,
    FieldAmount,
    FieldHolders,
    FieldRhythm,
    FieldFor,
    FieldState,
};

TGridColumn column(const QString& title, const char* field, int width)
{
    TGridColumn c;
    c.title = title;
    c.field = QString::fromLatin1(field);
    c.width = width;
    return c;
}

} // namespace

TFrmStandingOrders::TFrmStandingOrders(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmStandingOrders"));
    setWindowTitle(tr("Standing Orders"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setSizeGripEnabled(true);
    resize(720, 420);
    setProperty("helpContext", HelpContext);
    TSkin::applyTo(this);

    grdOrders = new TDBGridView(this);
    grdOrders->setObjectName(QStringLiteral("grdOrders"));
    grdOrders->setAccessibleName(tr("Standing orders"));
    grdOrders->setTabKeyNavigation(false);
    TGridOptions options;
    options.name = QStringLiteral("grdOrders");
    options.oddRowColor = TGridColor::rgb(214, 214, 250);
    grdOrders->setGridLayout(options, {column(tr("Next"), "Next", 90), column(tr("Amount"), "Amount", 90),
                                       column(tr("Acc/Wal"), "Holders", 150), column(tr("Rhythm"), "Rhythm", 170),
                                       column(tr("For"), "For", 150), column(tr("State"), "State", 100)});
    createToolBar();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(tlb1);
    layout->addWidget(grdOrders, 1);

    // Enter on a row, or a double click on it, edits the order.
    connect(grdOrders, &QAbstractItemView::activated, this,
            TErrorReport::guard(this, &TFrmStandingOrders::btnEditClick));
    connect(&TBooks::instance(), &TBooks::changed, this, &TFrmStandingOrders::booksChanged, Qt::QueuedConnection);
}

TFrmStandingOrders::~TFrmStandingOrders() = default;

void TFrmStandingOrders::createToolBar()
{
    struct Command
    {
        const char* name;
        const char* caption;
        const char* icon;
        const char* keys;  // in Qt's portable names
        const char* shown; // as the tool tip names them
        bool onRows;       // bound to the list alone
        void (TFrmStandingOrders::*handler)();
    };
    const Command commands[] = {
        {"btnNew", QT_TR_NOOP("New"), "edit", "Ctrl+N", "Ctrl+N", false, &TFrmStandingOrders::btnNewClick},
        {"btnEdit", QT_TR_NOOP("Edit"), "edit", "Return; Enter; F2", "Enter, F2", true,
         &TFrmStandingOrders::btnEditClick},
        {"btnDelete", QT_TR_NOOP("Delete"), "delete", "Del", "Del", true, &TFrmStandingOrders::btnDeleteClick},
        {"btnPause", QT_TR_NOOP("Pause/Resume"), "query", "Ctrl+P", "Ctrl+P", false,
         &TFrmStandingOrders::btnPauseClick},
        {"btnBookNow", QT_TR_NOOP("Book Now"), "export", "Ctrl+B", "Ctrl+B", false,
         &TFrmStandingOrders::btnBookNowClick},
        {"btnHelp", QT_TR_NOOP("Help"), "help", "", "F1", false, &TFrmStandingOrders::btnHelpClick},
        {"btnToolExit", QT_TR_NOOP("Exit"), "exit", "Esc", "Esc", false, &TFrmStandingOrders::btnToolExitClick},
    };
    tlb1 = TToolBars::make("tlb1", this);
    for (const Command& c : commands) {
        auto* action = new QAction(TToolIcons::icon(QString::fromLatin1(c.icon)), tr(c.caption), this);
        action->setObjectName(QString::fromLatin1(c.name));
        // F1 is the program's help key everywhere (THelpKey): a binding here would answer it twice.
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(c.keys), QKeySequence::PortableText));
        action->setShortcutContext(c.onRows ? Qt::WidgetShortcut : Qt::WindowShortcut);
        if (c.onRows)
            grdOrders->addAction(action);
        QStringList shown;
        for (const QString& key : QString::fromLatin1(c.shown).split(QStringLiteral(", ")))
            shown << QKeySequence(key, QKeySequence::PortableText).toString(QKeySequence::NativeText);
        action->setToolTip(QStringLiteral("%1 (%2)").arg(tr(c.caption), shown.join(QStringLiteral(", "))));
        connect(action, &QAction::triggered, this, TErrorReport::guard(this, c.handler));
        TToolBars::addButton(tlb1, action, 44, 52);
    }
    m_pause = findChild<QAction*>(QStringLiteral("btnPause"), Qt::FindDirectChildrenOnly);
}

void TFrmStandingOrders::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    TErrorReport::run(this, [this] { refresh(); });
    grdOrders->setFocus(Qt::OtherFocusReason);
}

void TFrmStandingOrders::booksChanged(const TBooksChange& change)
{
    // Orders change with their occurrences, and a holder's new name shows in the list.
    if (!m_shown || (change.orders.isEmpty() && change.holdersEdited.isEmpty() && !change.changesHolders()))
        return;
    TErrorReport::run(this, [this] { refresh(); });
}

void TFrmStandingOrders::refresh()
{
    const qint32 selected = selectedId();
    const QDate today = TClock::now().date();
    TRowSet rows({{QStringLiteral("ID"), TRowSet::Kind::Integer},
                  {QStringLiteral("Next"), TRowSet::Kind::Date},
                  {QStringLiteral("Amount"), TRowSet::Kind::Money},
                  {QStringLiteral("Holders"), TRowSet::Kind::Text},
                  {QStringLiteral("Rhythm"), TRowSet::Kind::Text},
                  {QStringLiteral("For"), TRowSet::Kind::Text},
                  {QStringLiteral("State"), TRowSet::Kind::Text}});
    const QList<TStandingOrder> orders = TOrderStore::list();
    rows.reserve(int(orders.size()));
    for (const TStandingOrder& order : orders) {
        rows.appendRow();
        rows.setNumber(FieldId, order.ID);
        if (const std::optional<TOccurrence> next = TOrderStore::next(order.ID, today))
            rows.setNumber(FieldNext, next->date.toJulianDay());
        rows.setNumber(FieldAmount, order.amount.raw());
        rows.setText(FieldHolders, TOrderTexts::holders(order).toUtf8());
        rows.setText(FieldRhythm, TOrderTexts::rhythm(order).toUtf8());
        rows.setText(FieldFor, (order.forText.isEmpty() ? order.counterparty : order.forText).toUtf8());
        const QString state = order.paused      ? tr("Paused")
                              : order.automatic ? tr("Books by itself")
                              : order.varying   ? tr("Amount varies")
                                                : QString();
        rows.setText(FieldState, state.toUtf8());
    }
    grdOrders->setRows(std::move(rows));
    select(selected);
}

qint32 TFrmStandingOrders::selectedId() const
{
    const TGridModel* model = grdOrders->gridModel();
    const QList<int> positions = grdOrders->selectedPositions();
    if (positions.isEmpty() || model->rows().columnCount() == 0)
        return 0;
    return qint32(model->rows().number(model->sourceRow(positions.first()), FieldId));
}

void TFrmStandingOrders::select(qint32 id)
{
    const TGridModel* model = grdOrders->gridModel();
    for (int position = 0; position < model->rowCount(); ++position) {
        if (model->rows().number(model->sourceRow(position), FieldId) == id) {
            grdOrders->selectRow(position);
            return;
        }
    }
    if (model->rowCount() > 0)
        grdOrders->selectRow(0);
}

bool TFrmStandingOrders::showDialog(TFrmStandingOrder* dialog)
{
    if (dialog->exec() != TFrmStandingOrder::mrOk)
        return false;
    refresh();
    select(dialog->savedId());
    return true;
}

void TFrmStandingOrders::btnNewClick()
{
    TFrmStandingOrder dialog(this);
    showDialog(&dialog);
}

void TFrmStandingOrders::btnEditClick()
{
    const qint32 id = selectedId();
    if (id <= 0)
        return;
    const std::optional<TStandingOrder> order = TOrderStore::load(id);
    if (!order) {
        refresh();
        return;
    }
    TFrmStandingOrder dialog(this);
    dialog.setOrder(*order);
    showDialog(&dialog);
}

void TFrmStandingOrders::btnDeleteClick()
{
    const qint32 id = selectedId();
    if (id <= 0) {
        TMessageService::show(this, tr("ERROR"), tr("Please select a standing order to delete!"),
                              QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    if (!TMessageService::ask(this, tr("Delete this standing order? The bookings it made stay."),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes))
        return;
    TOrderStore::remove(id);
    refresh();
}

void TFrmStandingOrders::btnPauseClick()
{
    const qint32 id = selectedId();
    if (id <= 0)
        return;
    if (const std::optional<TStandingOrder> order = TOrderStore::load(id))
        TOrderStore::setPaused(id, !order->paused, TClock::now().date());
    refresh();
}

void TFrmStandingOrders::btnBookNowClick()
{
    const qint32 id = selectedId();
    if (id <= 0)
        return;
    const std::optional<TStandingOrder> order = TOrderStore::load(id);
    const std::optional<TOccurrence> next = TOrderStore::next(id, TClock::now().date());
    if (!order || !next) {
        TMessageService::show(this, tr("Information"), tr("This standing order has no occurrence left to book."),
                              QMessageBox::Information, QMessageBox::Ok);
        return;
    }
    if (!TMessageService::ask(
            this,
            tr("Book %1 of %2 now?").arg(TOrderStore::label(*order, next->scheduled), next->amount.toMoneyString()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes))
        return;
    const bool transfer = order->kind == TStandingOrder::Kind::Transfer;
    try {
        TOrderStore::book(*next, next->amount,
                          TBookingWidgets::negativePolicy(
                              this, transfer ? tr("The source balance will go negative, are you sure to continue?!")
                                             : tr("The balance will go negative, are you sure to continue?!")));
    } catch (const TNegativeRefusal& refusal) {
        // Nothing was booked: the occurrence stays due.
        if (refusal.reason() == TNegativeRefusal::Reason::Refused)
            TMessageService::ShowErrorBox(transfer ? tr("The source Account or wallet is not allowed go negative!")
                                                   : tr("The Account or wallet is not allowed go negative!"),
                                          this);
    }
    refresh();
}

void TFrmStandingOrders::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}

void TFrmStandingOrders::btnToolExitClick()
{
    close();
}
