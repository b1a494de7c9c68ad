#include "app/TBookingList.h"

#include "data/TClock.h"
#include "data/THolderSummary.h"
#include "data/TLedgerSearch.h"
#include "history/TExportCommand.h"
#include "toolkit/TAccessibleLabel.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TDateTimeEdit.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TGridModel.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>

namespace {

// The ledger kind each entry of the kind list selects; the first entry selects none.
constexpr int KindOfEntry[] = {-1, 0, 1, 3, 2};

const char* const SummaryFields[] = {"name",       "BalancePercent", "MonthDeposit",
                                     "MonthDebit", "TodayDeposit",   "TodayDebit"};

TGridColumn column(const char* title, const char* field, int width)
{
    TGridColumn c;
    c.title = QCoreApplication::translate("TBookingList", title);
    c.field = QString::fromLatin1(field);
    c.width = width;
    return c;
}

TRowSet summaryRows()
{
    QList<TRowSet::Column> columns;
    for (const char* field : SummaryFields)
        columns << TRowSet::Column{QString::fromLatin1(field), TRowSet::Kind::Text};
    return TRowSet(columns);
}

QLabel* label(const char* name, const QString& text, QWidget* buddy, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

} // namespace

TBookingList::TBookingList(QWidget* pnlTop, QWidget* pnl2, QWidget* pnl3, std::function<qint32()> currentHolder,
                           QWidget* owner)
    : QObject(owner)
    , m_owner(owner)
    , m_currentHolder(std::move(currentHolder))
{
    setObjectName(QStringLiteral("BookingList"));
    createFilterBar(pnl3);
    createListGrid(pnl2);
    createSummaryGrid(pnlTop);

    m_search = new TLedgerSearch(this);
    connect(m_search, &TLedgerSearch::finished, this, [this] {
        dbgrdh1->setRows(m_search->takeRows());
        emit listBuilt();
    });
    connect(m_search, &TLedgerSearch::failed, this, [this](const QString& text) {
        TErrorReport::show(m_owner, text);
        emit listBuilt();
    });
}

std::function<void()> TBookingList::guarded(void (TBookingList::*handler)())
{
    return [this, handler] {
        TErrorReport::run(m_owner, [this, handler] { (this->*handler)(); });
    };
}

void TBookingList::createFilterBar(QWidget* pnl3)
{
    auto* bar = new QHBoxLayout(pnl3);
    bar->setContentsMargins(4, 3, 4, 3);
    bar->setSpacing(6);
    // The window has no minimum size: a narrow window cuts the bar off rather than growing.
    bar->setSizeConstraint(QLayout::SetNoConstraint);

    auto picker = [pnl3](const char* name) {
        auto* p = new TDateTimeEdit(pnl3);
        p->setObjectName(QString::fromLatin1(name));
        p->setCalendarPopup(true);
        p->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
        return p;
    };
    dtpRange1 = picker("dtpRange1");
    dtpRange2 = picker("dtpRange2");
    dtpRange1->setAccessibleName(tr("Data Range"));
    dtpRange2->setAccessibleName(tr("to"));
    cbbType = new QComboBox(pnl3);
    cbbType->setObjectName(QStringLiteral("cbbType"));
    TAccessibleLabel::attach(cbbType, tr("Type"));
    cbbType->setMinimumContentsLength(12);
    cbbDate = new QComboBox(pnl3);
    cbbDate->setObjectName(QStringLiteral("cbbDate"));
    TAccessibleLabel::attach(cbbDate, tr("Period"));
    cbbDate->setMinimumContentsLength(14);
    btnExport = new QPushButton(tr("&Export"), pnl3);
    btnExport->setObjectName(QStringLiteral("btnExport"));
    btnExport->setFlat(true);
    btnExport->setToolTip(tr("Export data with xls, txt or htm format"));
    btnExport->setProperty("helpContext", HelpContext);

    bar->addWidget(label("lblDataRange", tr("Data Range"), dtpRange1, pnl3));
    bar->addWidget(dtpRange1);
    bar->addWidget(label("lblTo", tr("to"), dtpRange2, pnl3));
    bar->addWidget(dtpRange2);
    bar->addWidget(cbbType);
    bar->addWidget(cbbDate);
    bar->addWidget(btnExport);
    bar->addStretch(1);

    connect(dtpRange1, &QDateTimeEdit::dateTimeChanged, this, guarded(&TBookingList::dtpRangeChange));
    connect(dtpRange2, &QDateTimeEdit::dateTimeChanged, this, guarded(&TBookingList::dtpRangeChange));
    connect(cbbType, &QComboBox::activated, this, guarded(&TBookingList::cbbTypeChange));
    connect(cbbDate, &QComboBox::activated, this, guarded(&TBookingList::cbbDateChange));
    connect(btnExport, &QPushButton::clicked, this, guarded(&TBookingList::btnExportClick));
}

void TBookingList::createListGrid(QWidget* pnl2)
{
    dbgrdh1 = new TDBGridView(pnl2);
    dbgrdh1->setObjectName(QStringLiteral("dbgrdh1"));
    dbgrdh1->setAccessibleName(tr("Bookings"));

    TGridOptions o;
    o.name = QStringLiteral("dbgrdh1");
    o.frozenColumns = 1;
    o.footerRows = 1;
    o.oddRowColor = TGridColor::system(TGridColor::Kind::MenuHighlight);
    o.footerColor = TGridColor::rgb(205, 206, 231);

    TGridColumn no = column(QT_TRANSLATE_NOOP("TBookingList", "No."), "", 30);
    no.minWidth = no.maxWidth = 30;
    no.alignment = Qt::AlignHCenter;
    no.color = TGridColor::system(TGridColor::Kind::ButtonFace);
    no.rowNumbers = true;
    no.titleButton = false;
    TGridColumn date = column(QT_TRANSLATE_NOOP("TBookingList", "Date"), "Date1", 64);
    date.footer = TGridColumn::Footer::Text;
    date.footerText = tr("SUM");
    TGridColumn type = column(QT_TRANSLATE_NOOP("TBookingList", "TypeName"), "TypeName", 75);
    type.minWidth = 60;
    type.maxWidth = 75;
    TGridColumn amount = column(QT_TRANSLATE_NOOP("TBookingList", "Amount"), "Amount", 81);
    amount.footer = TGridColumn::Footer::Sum;
    amount.footerDecimals = 2; // "0.##"
    TGridColumn memo = column(QT_TRANSLATE_NOOP("TBookingList", "memo"), "Memo", 100);
    memo.minWidth = 100;
    dbgrdh1->setGridLayout(o, {no, date, type, column(QT_TRANSLATE_NOOP("TBookingList", "name"), "Name", 73), amount,
                               column(QT_TRANSLATE_NOOP("TBookingList", "from"), "From", 91),
                               column(QT_TRANSLATE_NOOP("TBookingList", "for"), "For", 119), memo});
    dbgrdh1->setRows(TLedgerQuery::emptyRows());
    connect(dbgrdh1, &TDBGridView::titleButtonClicked, this, &TBookingList::dbgrdh1TitleBtnClick);

    if (auto* layout = qobject_cast<QBoxLayout*>(pnl2->layout()))
        layout->addWidget(dbgrdh1, 1);
}

void TBookingList::createSummaryGrid(QWidget* pnlTop)
{
    dbgrdhTotal = new TDBGridView(pnlTop);
    dbgrdhTotal->setObjectName(QStringLiteral("dbgrdhTotal"));
    dbgrdhTotal->setAccessibleName(tr("Summary"));
    dbgrdhTotal->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    dbgrdhTotal->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    TGridOptions o;
    o.name = QStringLiteral("dbgrdhTotal");
    o.color = TGridColor::rgb(201, 205, 218);
    o.font.color = TGridColor::rgb(0, 0, 255);
    const char* const titles[] = {QT_TR_NOOP("Acc/Wal name"),          QT_TR_NOOP("Balance Percent(%)"),
                                  QT_TR_NOOP("Deposit of This Month"), QT_TR_NOOP("Debit of This Month"),
                                  QT_TR_NOOP("Today's Deposit"),       QT_TR_NOOP("Today's Debit")};
    const int widths[] = {116, 99, 114, 114, 199, 110};
    QList<TGridColumn> columns;
    for (int i = 0; i < 6; ++i) {
        TGridColumn c = column(titles[i], SummaryFields[i], widths[i]);
        c.alignment = Qt::AlignHCenter;
        c.titleAlignment = Qt::AlignHCenter;
        columns << c;
    }
    dbgrdhTotal->setGridLayout(o, columns);
    // Titles and one row fill the strip.
    dbgrdhTotal->horizontalHeader()->setFixedHeight(17);
    dbgrdhTotal->verticalHeader()->setDefaultSectionSize(17);
    dbgrdhTotal->setRows(summaryRows());

    if (QLayout* layout = pnlTop->layout())
        layout->addWidget(dbgrdhTotal);
    // The main window calls ResizeSummaryColumns on its resizes; the strip's layout may give the
    // grid its new width only afterwards (always so when the window is first shown).
    dbgrdhTotal->installEventFilter(this);
}

bool TBookingList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == dbgrdhTotal && event->type() == QEvent::Resize)
        ResizeSummaryColumns();
    return QObject::eventFilter(watched, event);
}

void TBookingList::PrepareStartState()
{
    dbgrdh1->setRows(TLedgerQuery::emptyRows());

    const QDateTime now = TClock::now();
    {
        const QSignalBlocker b1(dtpRange1);
        const QSignalBlocker b2(dtpRange2);
        dtpRange1->setDateTime(QDateTime(QDate(now.date().year(), now.date().month(), 1), QTime(0, 0)));
        dtpRange2->setDateTime(now);
    }

    cbbType->clear();
    cbbType->addItems({tr("-----All-----"), tr("Deposit"), tr("Debit"), tr("Trans in"), tr("Trans out")});
    cbbType->setCurrentIndex(0);
    cbbDate->clear();
    cbbDate->addItems(
        {tr("-----None-----"), tr("  Today"), tr("  Last 3 days"), tr("  Last 7 days"), tr("  This Month")});
    cbbDate->setCurrentIndex(0);

    dbgrdhTotal->setRows(summaryRows());
}

int TBookingList::chosenKind() const
{
    const int index = cbbType->currentIndex();
    return index > 0 && index < int(std::size(KindOfEntry)) ? KindOfEntry[index] : -1;
}

void TBookingList::BuildList(qint32 holderId)
{
    // The list is empty while the statement runs; a failure leaves it so.
    dbgrdh1->setRows(TLedgerQuery::emptyRows());
    m_search->cancel();
    qryList = TLedgerQuery();
    if (holderId == 0)
        return;
    qryList.addHolder(holderId);
    if (const int kind = chosenKind(); kind >= 0)
        qryList.addKind(kind);
    qryList.addDayRange(dtpRange1->date(), dtpRange2->date());
    qryList.check();
    m_search->submit(qryList);
}

bool TBookingList::isBuilding() const
{
    return m_search->isBusy();
}

void TBookingList::BuildSummary(qint32 holderId)
{
    const QStringList texts = THolderSummary::compute(holderId, TClock::now()).texts();
    TRowSet rows = summaryRows();
    rows.appendRow();
    for (int i = 0; i < texts.size(); ++i)
        rows.setText(i, texts[i].toUtf8());
    dbgrdhTotal->setRows(std::move(rows));
}

void TBookingList::SortByColumn(TDBGridView* grid, int column)
{
    grid->SortByColumn(column);
}

void TBookingList::dbgrdh1TitleBtnClick(int column)
{
    TErrorReport::run(m_owner, [this, column] { SortByColumn(dbgrdh1, column); });
}

void TBookingList::ResizeSummaryColumns()
{
    const int width = dbgrdhTotal->width() / 6 - 1;
    for (int c = 0; c < 6; ++c)
        dbgrdhTotal->setColumnWidth(c, width);
}

void TBookingList::dtpRangeChange()
{
    BuildList(m_currentHolder());
}

void TBookingList::cbbTypeChange()
{
    BuildList(m_currentHolder());
}

void TBookingList::cbbDateChange()
{
    const QDateTime now = TClock::now();
    const QDate today = now.date();
    QDate start;
    switch (cbbDate->currentIndex()) {
    case 1:
        break;
    case 2:
        start = today.addDays(-3);
        break;
    case 3:
        start = today.addDays(-7);
        break;
    case 4:
        start = QDate(today.year(), today.month(), 1);
        break;
    default:
        BuildList(m_currentHolder());
        return;
    }
    {
        const QSignalBlocker b1(dtpRange1);
        const QSignalBlocker b2(dtpRange2);
        dtpRange1->setDateTime(start.isValid() ? QDateTime(start, QTime(0, 0)) : now);
        dtpRange2->setDateTime(now);
    }
    BuildList(m_currentHolder());
}

void TBookingList::btnExportClick()
{
    TExportCommand::run(m_owner, dbgrdh1);
}
