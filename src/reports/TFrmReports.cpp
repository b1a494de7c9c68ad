#include "reports/TFrmReports.h"

#include "data/TBooks.h"
#include "data/TCboItem.h"
#include "data/TClock.h"
#include "help/THelpRouter.h"
#include "history/TExportCommand.h"
#include "history/TFrmAccountHistory.h"
#include "history/TFrmHistoryQuery.h"
#include "reports/TReportData.h"
#include "toolkit/TAccessibleLabel.h"
#include "toolkit/TChartView.h"
#include "toolkit/TDBGridView.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TGridModel.h"
#include "toolkit/TGridPrinter.h"
#include "toolkit/TSkin.h"
#include "toolkit/TToolBars.h"
#include "toolkit/TToolIcons.h"
#include "toolkit/TWindowSizes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The window's name among the kept window sizes.
const QString SizeName = QStringLiteral("Reports");
// Room beside a column's title for the header's padding and its sort mark.
constexpr int TitleMargin = 24;

TGridOptions gridOptions(const QString& name, bool footer)
{
    TGridOptions o;
    o.name = name;
    o.footerRows = footer ? 1 : 0;
    if (TSkin::isDark()) {
        // The light tints would carry light text: the desktop's own colours instead.
        o.oddRowColor = TGridColor::system(TGridColor::Kind::MenuHighlight);
        o.footerColor = TGridColor::system(TGridColor::Kind::ButtonFace);
    } else {
        o.oddRowColor = TGridColor::rgb(214, 214, 250);
        o.footerColor = TGridColor::rgb(205, 206, 231);
    }
    return o;
}

// A column at least as wide as its title, which some languages make longer than the figures.
TGridColumn gridColumn(const QString& title, const QString& field, int width,
                       TGridColumn::Footer footer = TGridColumn::Footer::None)
{
    TGridColumn c;
    c.title = title;
    c.field = field;
    c.width = qMax(width, QFontMetrics(QApplication::font()).horizontalAdvance(title) + TitleMargin);
    c.footer = footer;
    return c;
}

} // namespace

TFrmReports::TFrmReports(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmReports"));
    setWindowTitle(tr("Reports"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);
    setSizeGripEnabled(true);
    resize(TWindowSizes::load(SizeName, QSize(760, 560)));
    setProperty("helpContext", HelpContext);
    TSkin::applyTo(this);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    createToolBar();
    column->addWidget(tlb1);
    column->addWidget(createChoices());
    tabReports = new QTabWidget(this);
    tabReports->setObjectName(QStringLiteral("tabReports"));
    tabReports->setAccessibleName(tr("Reports"));
    const QString titles[] = {tr("Income and Spending"), tr("Where the Money Goes"), tr("Balance over Time")};
    tabReports->addTab(createPage(Report::IncomeSpending, QStringLiteral("IncomeSpending"), titles[0]), titles[0]);
    tabReports->addTab(createPage(Report::WhereMoneyGoes, QStringLiteral("WhereMoneyGoes"), titles[1]), titles[1]);
    tabReports->addTab(createPage(Report::BalanceOverTime, QStringLiteral("BalanceOverTime"), titles[2]), titles[2]);
    column->addWidget(tabReports, 1);
    connect(tabReports, &QTabWidget::currentChanged, this, [this] { TErrorReport::run(this, [this] { refresh(); }); });

    setTabOrder(cbbHolder, cbbPeriod);
    setTabOrder(cbbPeriod, dtpFrom);
    setTabOrder(dtpFrom, dtpTo);
    setTabOrder(dtpTo, tabReports);

    m_runner = new TReportRunner(this);
    connect(m_runner, &TReportRunner::finished, this,
            [this](const TReportAnswer& answer) { TErrorReport::run(this, [&] { showAnswer(answer); }); });
    connect(m_runner, &TReportRunner::failed, this, [this](const QString& text) { TErrorReport::show(this, text); });
    connect(&TBooks::instance(), &TBooks::changed, this, &TFrmReports::booksChanged, Qt::QueuedConnection);
}

TFrmReports::~TFrmReports() = default;

void TFrmReports::createToolBar()
{
    struct Command
    {
        const char* name;
        const char* caption;
        const char* icon;
        const char* keys;
        void (TFrmReports::*handler)();
    };
    const Command commands[] = {
        {"btnExport", QT_TR_NOOP("Export"), "export", "Ctrl+E", &TFrmReports::btnExportClick},
        {"btnPrint", QT_TR_NOOP("Print"), "print", "Ctrl+P", &TFrmReports::btnPrintClick},
        {"btnSaveChart", QT_TR_NOOP("Chart"), "export", "Ctrl+S", &TFrmReports::btnSaveChartClick},
        {"btnHelp", QT_TR_NOOP("Help"), "help", "", &TFrmReports::btnHelpClick},
        {"btnToolExit", QT_TR_NOOP("Exit"), "exit", "Esc", &TFrmReports::btnToolExitClick},
    };
    tlb1 = TToolBars::make("tlb1", this);
    for (const Command& c : commands) {
        auto* action = new QAction(TToolIcons::icon(QString::fromLatin1(c.icon)), tr(c.caption), this);
        action->setObjectName(QString::fromLatin1(c.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(c.keys), QKeySequence::PortableText));
        action->setShortcutContext(Qt::WindowShortcut);
        if (*c.keys != 0)
            action->setToolTip(QStringLiteral("%1 (%2)").arg(tr(c.caption), QString::fromLatin1(c.keys)));
        const auto handler = c.handler;
        connect(action, &QAction::triggered, this,
                [this, handler] { TErrorReport::run(this, [=, this] { (this->*handler)(); }); });
        TToolBars::addButton(tlb1, action, 44, 52);
    }
    findChild<QAction*>(QStringLiteral("btnSaveChart"))->setToolTip(tr("Save the chart as a picture or PDF (Ctrl+S)"));
}

QWidget* TFrmReports::createChoices()
{
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("pnlChoices"));
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);

    cbbHolder = new QComboBox(panel);
    cbbHolder->setObjectName(QStringLiteral("cbbHolder"));
    cbbHolder->setMinimumContentsLength(12);
    auto* lblHolder = new QLabel(tr("Acc/Wal:"), panel);
    lblHolder->setBuddy(cbbHolder);
    cbbHolder->setAccessibleName(tr("Acc/Wal"));

    cbbPeriod = new QComboBox(panel);
    cbbPeriod->setObjectName(QStringLiteral("cbbPeriod"));
    cbbPeriod->addItems({tr("This Year"), tr("Last 12 Months"), tr("All Years"), tr("From/To")});
    auto* lblPeriod = new QLabel(tr("Period:"), panel);
    lblPeriod->setBuddy(cbbPeriod);
    cbbPeriod->setAccessibleName(tr("Period"));

    const QDate today = TClock::now().date();
    dtpFrom = new QDateEdit(QDate(today.year(), 1, 1), panel);
    dtpFrom->setObjectName(QStringLiteral("dtpFrom"));
    dtpFrom->setAccessibleName(tr("From month"));
    dtpTo = new QDateEdit(today, panel);
    dtpTo->setObjectName(QStringLiteral("dtpTo"));
    dtpTo->setAccessibleName(tr("To month"));
    for (QDateEdit* month : {dtpFrom, dtpTo}) {
        month->setDisplayFormat(QStringLiteral("MM/yyyy"));
        month->setEnabled(false);
        connect(month, &QDateEdit::dateChanged, this, [this] { TErrorReport::run(this, [this] { refresh(); }); });
    }
    auto* lblTo = new QLabel(tr("to"), panel);
    lblTo->setBuddy(dtpTo);

    row->addWidget(lblHolder);
    row->addWidget(cbbHolder);
    row->addWidget(lblPeriod);
    row->addWidget(cbbPeriod);
    row->addWidget(dtpFrom);
    row->addWidget(lblTo);
    row->addWidget(dtpTo);
    row->addStretch(1);

    connect(cbbHolder, &QComboBox::currentIndexChanged, this,
            [this] { TErrorReport::run(this, [this] { refresh(); }); });
    connect(cbbPeriod, &QComboBox::currentIndexChanged, this, &TFrmReports::periodChanged);
    return panel;
}

QWidget* TFrmReports::createPage(Report report, const QString& name, const QString& title)
{
    const int index = int(report);
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("page") + name);
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(4, 4, 4, 4);

    if (report == Report::WhereMoneyGoes) {
        auto* switches = new QHBoxLayout;
        auto* flow = new QWidget(page);
        auto* flowRow = new QHBoxLayout(flow);
        flowRow->setContentsMargins(0, 0, 0, 0);
        rbSpending = new QRadioButton(tr("Spending"), flow);
        rbSpending->setObjectName(QStringLiteral("rbSpending"));
        rbSpending->setChecked(true);
        rbIncome = new QRadioButton(tr("Income"), flow);
        rbIncome->setObjectName(QStringLiteral("rbIncome"));
        flowRow->addWidget(rbSpending);
        flowRow->addWidget(rbIncome);
        auto* by = new QWidget(page);
        auto* byRow = new QHBoxLayout(by);
        byRow->setContentsMargins(0, 0, 0, 0);
        rbPurpose = new QRadioButton(tr("By purpose"), by);
        rbPurpose->setObjectName(QStringLiteral("rbPurpose"));
        rbPurpose->setChecked(true);
        rbPayee = new QRadioButton(tr("By payee"), by);
        rbPayee->setObjectName(QStringLiteral("rbPayee"));
        byRow->addWidget(rbPurpose);
        byRow->addWidget(rbPayee);
        switches->addWidget(flow);
        switches->addSpacing(24);
        switches->addWidget(by);
        switches->addStretch(1);
        column->addLayout(switches);
        for (QRadioButton* button : {rbIncome, rbPayee})
            connect(button, &QRadioButton::toggled, this, [this] { TErrorReport::run(this, [this] { refresh(); }); });
    }

    auto* split = new QSplitter(Qt::Vertical, page);
    auto* chart = new TChartView(split);
    chart->setObjectName(QStringLiteral("cht") + name);
    // Until an element is current, the chart is named by its report, also before its first figures.
    chart->setAccessibleName(title);
    chart->setTitle(title);
    auto* grid = new TDBGridView(split);
    grid->setObjectName(QStringLiteral("grd") + name);
    grid->setAccessibleName(tr("Table: %1").arg(title));
    grid->setTabKeyNavigation(false);
    split->addWidget(chart);
    split->addWidget(grid);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);
    column->addWidget(split, 1);
    m_charts[index] = chart;
    m_grids[index] = grid;

    connect(chart, &TChartView::activated, this, [this, report](int series, int category) {
        TErrorReport::run(this, [=, this] { openBookings(figureFilter(report, series, category)); });
    });
    // Enter on a cell, or a double click on it.
    connect(grid, &QAbstractItemView::activated, this,
            [this, report] { TErrorReport::run(this, [=, this] { gridActivated(report); }); });
    return page;
}

void TFrmReports::setHolderID(qint32 id)
{
    m_holderId = id;
    if (m_shown)
        TErrorReport::run(this, [this] { chooseHolder(); });
}

void TFrmReports::chooseHolder()
{
    // The holder's entry, else the first entry: all holders.
    int chosen = 0;
    for (int i = 0; m_holderId > 0 && i < cbbHolder->count(); ++i) {
        const QVariant data = cbbHolder->itemData(i);
        if (data.canConvert<TCboItem>() && data.value<TCboItem>().ID == m_holderId)
            chosen = i;
    }
    cbbHolder->setCurrentIndex(chosen);
}

void TFrmReports::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    TErrorReport::run(this, [this] {
        const QSignalBlocker block(cbbHolder);
        TFrmHistoryQuery::LoadHolderList(cbbHolder);
        chooseHolder();
        refresh();
    });
}

void TFrmReports::hideEvent(QHideEvent* event)
{
    TWindowSizes::save(SizeName, size());
    QDialog::hideEvent(event);
}

void TFrmReports::booksChanged(const TBooksChange& change)
{
    if (!m_shown)
        return;
    TErrorReport::run(this, [&] {
        if (change.changesHolders() || !change.holdersEdited.isEmpty()) {
            const std::optional<TCboItem> chosen = TFrmHistoryQuery::selectedHolder(cbbHolder);
            const int index = cbbHolder->currentIndex();
            const QSignalBlocker block(cbbHolder);
            TFrmHistoryQuery::LoadHolderList(cbbHolder);
            int again = chosen ? 0 : std::min(index, cbbHolder->count() - 1);
            for (int i = 0; chosen && i < cbbHolder->count(); ++i) {
                const QVariant data = cbbHolder->itemData(i);
                if (data.canConvert<TCboItem>() && data.value<TCboItem>().ID == chosen->ID)
                    again = i;
            }
            cbbHolder->setCurrentIndex(std::max(again, 0));
        }
        refresh();
    });
}

void TFrmReports::periodChanged()
{
    const bool months = PeriodChoice(cbbPeriod->currentIndex()) == PeriodChoice::Months;
    dtpFrom->setEnabled(months);
    dtpTo->setEnabled(months);
    TErrorReport::run(this, [this] { refresh(); });
}

TReportHolders TFrmReports::holders() const
{
    const std::optional<TCboItem> holder = TFrmHistoryQuery::selectedHolder(cbbHolder);
    return TReportHolders::choice(TFrmHistoryQuery::selectedFamily(cbbHolder), holder ? holder->ID : 0);
}

TReportPeriod TFrmReports::period() const
{
    const QDate today = TClock::now().date();
    switch (PeriodChoice(cbbPeriod->currentIndex())) {
    case PeriodChoice::ThisYear:
        return TReportPeriod::thisYear(today);
    case PeriodChoice::Last12Months:
        return TReportPeriod::last12Months(today);
    case PeriodChoice::AllYears:
        return TReportPeriod::allYears(today, TReportData::bookedMonths());
    case PeriodChoice::Months:
        break;
    }
    return TReportPeriod::months(dtpFrom->date(), dtpTo->date());
}

TFrmReports::Report TFrmReports::currentReport() const
{
    return Report(tabReports->currentIndex());
}

void TFrmReports::refresh()
{
    if (!m_shown)
        return;
    TReportRequest request;
    request.report = TReportRequest::Report(int(currentReport()));
    request.holders = holders();
    request.period = period();
    request.flow = rbIncome->isChecked() ? TWhereMoneyGoes::Flow::Income : TWhereMoneyGoes::Flow::Spending;
    request.by = rbPayee->isChecked() ? TWhereMoneyGoes::GroupBy::Payee : TWhereMoneyGoes::GroupBy::Purpose;
    m_runner->submit(request);
}

void TFrmReports::showAnswer(const TReportAnswer& answer)
{
    m_shownHolders = answer.request.holders;
    m_period = answer.request.period;
    switch (answer.request.report) {
    case TReportRequest::Report::IncomeSpending:
        m_months = answer.months;
        showIncomeSpending();
        break;
    case TReportRequest::Report::WhereMoneyGoes:
        m_flow = answer.request.flow;
        m_by = answer.request.by;
        m_groups = answer.groups;
        showWhereMoneyGoes();
        break;
    case TReportRequest::Report::BalanceOverTime:
        m_balances = answer.balances;
        showBalanceOverTime();
        break;
    }
}

namespace {

QString monthName(const QLocale& locale, int month)
{
    return locale.toString(TReportPeriod::firstDayOf(month), QStringLiteral("MMM yyyy"));
}

} // namespace

void TFrmReports::showIncomeSpending()
{
    const QStringList names = {tr("Income"), tr("Spending"), tr("Transfers In"), tr("Transfers Out"), tr("Net")};
    const QStringList fields = {QStringLiteral("Income"), QStringLiteral("Spending"), QStringLiteral("TransfersIn"),
                                QStringLiteral("TransfersOut"), QStringLiteral("Net")};

    QList<TRowSet::Column> columns = {{QStringLiteral("Month"), TRowSet::Kind::Text}};
    QList<TGridColumn> layout = {gridColumn(tr("Month"), QStringLiteral("Month"), 100, TGridColumn::Footer::Text)};
    layout.first().footerText = tr("Total");
    for (int i = 0; i < fields.size(); ++i) {
        columns.append({fields[i], TRowSet::Kind::Money});
        layout.append(gridColumn(names[i], fields[i], 100, TGridColumn::Footer::Sum));
    }
    TRowSet rows(columns);
    QStringList categories;
    QList<TChartView::Series> series(names.size());
    for (int i = 0; i < names.size(); ++i) {
        series[i].name = names[i];
        series[i].style = i == 4 ? TChartView::Style::Line : TChartView::Style::Bars;
    }
    for (const TIncomeSpending::Month& m : m_months) {
        const Currency figures[] = {m.income, m.spending, m.transfersIn, m.transfersOut, m.net()};
        categories << monthName(locale(), m.month);
        rows.appendRow();
        rows.setText(0, categories.last().toUtf8());
        for (int i = 0; i < 5; ++i) {
            rows.setNumber(i + 1, figures[i].raw());
            series[i].values << figures[i];
        }
    }
    TDBGridView* grid = m_grids[int(Report::IncomeSpending)];
    grid->setGridLayout(gridOptions(QStringLiteral("IncomeSpending"), true), layout);
    grid->setRows(std::move(rows));
    m_charts[int(Report::IncomeSpending)]->setTitle(tr("Income and Spending"));
    m_charts[int(Report::IncomeSpending)]->setData(categories, series);
}

void TFrmReports::showWhereMoneyGoes()
{
    const bool income = m_flow == TWhereMoneyGoes::Flow::Income;
    const bool payee = m_by == TWhereMoneyGoes::GroupBy::Payee;
    TRowSet rows({{QStringLiteral("Group"), TRowSet::Kind::Text},
                  {QStringLiteral("Amount"), TRowSet::Kind::Money},
                  {QStringLiteral("Share"), TRowSet::Kind::Text},
                  {QStringLiteral("Bookings"), TRowSet::Kind::Integer}});
    QStringList categories;
    TChartView::Series series;
    series.name = income ? tr("Income") : tr("Spending");
    for (const TWhereMoneyGoes::Group& g : m_groups.groups) {
        rows.appendRow();
        rows.setText(0, g.name.toUtf8());
        rows.setNumber(1, g.amount.raw());
        const QString share = QStringLiteral("%1 %").arg(locale().toString(double(g.shareHundredths) / 100, 'f', 2));
        rows.setText(2, share.toUtf8());
        rows.setNumber(3, g.count);
        categories << g.name;
        series.values << g.amount;
    }
    QList<TGridColumn> layout = {
        gridColumn(payee ? tr("Payee") : tr("Purpose"), QStringLiteral("Group"), 200, TGridColumn::Footer::Text),
        gridColumn(tr("Amount"), QStringLiteral("Amount"), 110, TGridColumn::Footer::Sum),
        gridColumn(tr("Share"), QStringLiteral("Share"), 80),
        gridColumn(tr("Bookings"), QStringLiteral("Bookings"), 80, TGridColumn::Footer::Sum)};
    layout.first().footerText = tr("Total");
    layout[2].alignment = Qt::AlignRight | Qt::AlignVCenter;
    TDBGridView* grid = m_grids[int(Report::WhereMoneyGoes)];
    grid->setGridLayout(gridOptions(QStringLiteral("WhereMoneyGoes"), true), layout);
    grid->setRows(std::move(rows));
    TChartView* chart = m_charts[int(Report::WhereMoneyGoes)];
    chart->setOrientation(Qt::Horizontal);
    chart->setTitle(tr("Where the Money Goes"));
    chart->setData(categories, {series});
}

void TFrmReports::showBalanceOverTime()
{
    QList<TRowSet::Column> columns = {{QStringLiteral("Month"), TRowSet::Kind::Text}};
    QList<TGridColumn> layout = {gridColumn(tr("Month"), QStringLiteral("Month"), 100)};
    QList<TChartView::Series> series;
    for (const TBalanceOverTime::Line& line : m_balances.lines) {
        const QString field = QStringLiteral("H%1").arg(line.holder);
        columns.append({field, TRowSet::Kind::Money});
        layout.append(gridColumn(line.name, field, 100));
        series.append({line.name, line.balances, TChartView::Style::Line});
    }
    columns.append({QStringLiteral("Total"), TRowSet::Kind::Money});
    layout.append(gridColumn(tr("Total"), QStringLiteral("Total"), 110));
    series.append({tr("Total"), m_balances.totals, TChartView::Style::Line});

    TRowSet rows(columns);
    QStringList categories;
    for (int m = 0; m < m_period.monthCount(); ++m) {
        categories << monthName(locale(), m_period.firstMonth() + m);
        rows.appendRow();
        rows.setText(0, categories.last().toUtf8());
        for (int i = 0; i < m_balances.lines.size(); ++i)
            rows.setNumber(i + 1, m_balances.lines[i].balances.value(m).raw());
        rows.setNumber(int(m_balances.lines.size()) + 1, m_balances.totals.value(m).raw());
    }
    TDBGridView* grid = m_grids[int(Report::BalanceOverTime)];
    grid->setGridLayout(gridOptions(QStringLiteral("BalanceOverTime"), false), layout);
    grid->setRows(std::move(rows));
    m_charts[int(Report::BalanceOverTime)]->setTitle(tr("Balance over Time"));
    m_charts[int(Report::BalanceOverTime)]->setData(categories, series);
}

TReportFilter TFrmReports::figureFilter(Report report, int series, int category) const
{
    switch (report) {
    case Report::IncomeSpending: {
        const int month = category >= 0 && category < m_months.size() ? m_months[category].month : -1;
        return TIncomeSpending::filter(
            m_shownHolders, m_period, month,
            TIncomeSpending::Figure(std::clamp(series, 0, int(TIncomeSpending::Figure::Net))));
    }
    case Report::WhereMoneyGoes:
        return TWhereMoneyGoes::filter(m_shownHolders, m_period, m_flow, m_by, m_groups, category);
    case Report::BalanceOverTime:
        break;
    }
    const qint32 holder = series >= 0 && series < m_balances.lines.size() ? m_balances.lines[series].holder : 0;
    return TBalanceOverTime::filter(m_shownHolders, holder, m_period.firstMonth() + category);
}

void TFrmReports::gridActivated(Report report)
{
    TDBGridView* grid = m_grids[int(report)];
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid())
        return;
    const int category = grid->gridModel()->sourceRow(current.row());
    // The result column of the cell: a figure (or a holder); the first column stands for the row as
    // a whole (the net of a month, the total of the holders).
    const int field = grid->gridModel()->field(current.column());
    int series = 0;
    if (report == Report::IncomeSpending)
        series = field >= 1 ? field - 1 : int(TIncomeSpending::Figure::Net);
    else if (report == Report::BalanceOverTime)
        series = field >= 1 ? field - 1 : int(m_balances.lines.size());
    openBookings(figureFilter(report, series, category));
}

void TFrmReports::openBookings(const TReportFilter& filter)
{
    if (!m_history) {
        m_history = new TFrmAccountHistory(this);
        m_history->setAttribute(Qt::WA_DeleteOnClose);
        m_history->setModal(false);
        connect(m_history, &QObject::destroyed, this, [this] { m_history = nullptr; });
    }
    m_history->showFigure(filter);
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

void TFrmReports::btnExportClick()
{
    TExportCommand::run(this, m_grids[int(currentReport())]);
}

void TFrmReports::btnPrintClick()
{
    TGridModel* model = m_grids[int(currentReport())]->gridModel();
    model->setSystemColors(TDBGridView::systemColors());
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    TGridPrinter(*model).fitOrientation(printer);
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("prntReports"));
    const QString title = tabReports->tabText(tabReports->currentIndex());
    const QStringList details = {cbbHolder->currentText().trimmed(),
                                 QStringLiteral("%1 - %2").arg(monthName(locale(), m_period.firstMonth()),
                                                               monthName(locale(), m_period.lastMonth()))};
    const TChartView* chart = m_charts[int(currentReport())];
    connect(
        &preview, &QPrintPreviewDialog::paintRequested, this, [this, model, title, details, chart](QPrinter* target) {
            TErrorReport::run(this, [&] {
                TGridPrinter gridPrinter(*model);
                gridPrinter.setTitle(title);
                gridPrinter.setDetails(details);
                // The chart above the table on the first page.
                gridPrinter.setPicture([chart](QPainter& painter, const QRect& rect) { chart->render(painter, rect); });
                gridPrinter.print(*target);
            });
        });
    preview.exec();
}

void TFrmReports::btnSaveChartClick()
{
    const std::optional<TFileDialogService::Choice> choice = TFileDialogService::getSaveFileName(
        this, QStringLiteral("chart"), {tr("PNG picture (*.png)"), tr("PDF document (*.pdf)")});
    if (!choice)
        return;
    const bool pdf = choice->filterIndex == 2;
    const QString fileName =
        TExportCommand::withExtension(choice->fileName, pdf ? QStringLiteral("pdf") : QStringLiteral("png"));
    TChartView* chart = m_charts[int(currentReport())];
    if (pdf) {
        QPdfWriter writer(fileName);
        writer.setTitle(tabReports->tabText(tabReports->currentIndex()));
        writer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&writer);
        chart->render(painter, QRect(QPoint(0, 0), QSize(writer.width(), writer.height())));
        if (!painter.end())
            TErrorReport::show(this, tr("The file %1 could not be written.").arg(fileName));
        return;
    }
    QImage image(chart->size().expandedTo(QSize(640, 400)), QImage::Format_ARGB32);
    image.fill(palette().color(QPalette::Base));
    {
        QPainter painter(&image);
        chart->render(painter, image.rect());
    }
    if (!image.save(fileName, "PNG"))
        TErrorReport::show(this, tr("The file %1 could not be written.").arg(fileName));
}

void TFrmReports::btnToolExitClick()
{
    close();
}

void TFrmReports::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}
