#include "DataRow.h"
#include "TestDb.h"

#include "toolkit/TChartScale.h"
#include "toolkit/TChartView.h"

#include <QAccessible>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList months(int count)
{
    QStringList names;
    const QLocale locale(QStringLiteral("en_US"));
    for (int i = 0; i < count; ++i)
        names << locale.toString(QDate(2006, 1, 1).addMonths(i), QStringLiteral("MMMM yyyy"));
    return names;
}

QList<Currency> units(const QList<int>& values)
{
    QList<Currency> result;
    for (const int v : values)
        result << Currency::fromUnits(v);
    return result;
}

// The longest run of `color` along the line from `from` in steps of `step`, as its first and last
// position's index.
std::pair<int, int> longestRun(const QImage& image, QPoint from, QPoint step, QColor color)
{
    std::pair<int, int> best{-1, -2};
    int start = -1;
    int i = 0;
    for (QPoint p = from; image.rect().contains(p); p += step, ++i) {
        if (image.pixelColor(p) == color) {
            if (start < 0)
                start = i;
            if (i - start > best.second - best.first)
                best = {start, i};
        } else {
            start = -1;
        }
    }
    return best;
}

// The contrast ratio of two colours as the web's accessibility guidelines define it.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    return (std::max(luminance(a), luminance(b)) + 0.05) / (std::min(luminance(a), luminance(b)) + 0.05);
}

} // namespace

class TestChartView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void axisSteps_data();
    void axisSteps();
    void barsWhereTheFiguresSay_data();
    void barsWhereTheFiguresSay();
    void lineWhereTheFiguresSay();
    void labelsThinnedNeverOverlapping_data();
    void labelsThinnedNeverOverlapping();
    void keyboardMovesAndActivates_data();
    void keyboardMovesAndActivates();
    void clickActivates();
    void describeInLocale_data();
    void describeInLocale();
    void accessibleNameFollowsCurrent();
    void darkPaletteStaysReadable();
};

void TestChartView::initTestCase()
{
    pinLocale("en_US");
}

void TestChartView::axisSteps_data()
{
    QTest::addColumn<qlonglong>("low");  // ten-thousandths
    QTest::addColumn<qlonglong>("high"); // ten-thousandths
    QTest::addColumn<int>("maxSteps");
    QTest::addColumn<qlonglong>("step");

    dataRow("1,234.56 in five", 0LL, 12345600LL, 5, 5000000LL);
    dataRow("1,234.56 in ten", 0LL, 12345600LL, 10, 2000000LL);
    dataRow("exactly 100 in ten", 0LL, 1000000LL, 10, 100000LL);
    dataRow("negative net", -3000000LL, 7000000LL, 6, 2000000LL);
    dataRow("negative net, fewer", -3000000LL, 7000000LL, 5, 5000000LL);
    dataRow("only negative", -4500000LL, -1000000LL, 4, 2000000LL);
    dataRow("cents", 0LL, 700LL, 7, 100LL);
    dataRow("millions", 0LL, 23000000000LL, 5, 5000000000LL);
    dataRow("nothing", 0LL, 0LL, 5, 10000LL);
}

void TestChartView::axisSteps()
{
    QFETCH(qlonglong, low);
    QFETCH(qlonglong, high);
    QFETCH(int, maxSteps);
    QFETCH(qlonglong, step);
    const TChartScale::Axis axis = TChartScale::axis(Currency::fromRaw(low), Currency::fromRaw(high), maxSteps);
    QCOMPARE(axis.step.raw(), step);
    // The marks cover the figures and zero, start and end on a step and are no more than asked.
    QVERIFY(axis.low.raw() <= std::min(0LL, low) && axis.high.raw() >= std::max(0LL, high));
    QCOMPARE(axis.low.raw() % step, 0);
    QCOMPARE(axis.high.raw() % step, 0);
    const QList<Currency> marks = TChartScale::marks(axis);
    QVERIFY(marks.size() >= 2 && marks.size() <= maxSteps + 1);
    QVERIFY(marks.contains(Currency()));
}

void TestChartView::barsWhereTheFiguresSay_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<QList<int>>("first");
    QTest::addColumn<QList<int>>("second");

    dataRow("upwards", int(Qt::Vertical), QList<int>{300, 1200, 650, 900}, QList<int>{500, 400, 1000, 250});
    dataRow("upwards and below zero", int(Qt::Vertical), QList<int>{800, -400, 600}, QList<int>{-700, 350, 900});
    dataRow("to the right", int(Qt::Horizontal), QList<int>{300, 1200, 650}, QList<int>{500, 400, 1000});
    dataRow("to the right and left", int(Qt::Horizontal), QList<int>{-500, 800, 300}, QList<int>{650, -900, 450});
}

void TestChartView::barsWhereTheFiguresSay()
{
    QFETCH(int, orientation);
    QFETCH(QList<int>, first);
    QFETCH(QList<int>, second);
    TChartView chart;
    chart.resize(640, 480);
    chart.setTitle(QStringLiteral("Income and Spending"));
    chart.setOrientation(Qt::Orientation(orientation));
    chart.setData(months(int(first.size())), {{QStringLiteral("Income"), units(first), TChartView::Style::Bars},
                                              {QStringLiteral("Spending"), units(second), TChartView::Style::Bars}});
    const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const bool vertical = orientation == Qt::Vertical;

    // Every bar's painted length, along a line through its middle, in proportion to its figure;
    // every bar's base on the same zero line, above it when positive.
    const QList<QList<int>> values{first, second};
    const int reference = std::abs(values[0][0]);
    double referenceLength = 0;
    std::optional<int> zero;
    for (int s = 0; s < 2; ++s) {
        for (int c = 0; c < values[s].size(); ++c) {
            const QRect r = chart.elementRect(s, c);
            QCOMPARE(image.pixelColor(r.center()), chart.seriesColor(s));
            const auto [a, b] = vertical
                                    ? longestRun(image, QPoint(r.center().x(), 0), QPoint(0, 1), chart.seriesColor(s))
                                    : longestRun(image, QPoint(0, r.center().y()), QPoint(1, 0), chart.seriesColor(s));
            const int length = b - a + 1;
            if (s == 0 && c == 0)
                referenceLength = length;
            QVERIFY2(std::abs(length - referenceLength * std::abs(values[s][c]) / reference) <= 2.0,
                     qPrintable(QStringLiteral("bar %1/%2 is %3 long").arg(s).arg(c).arg(length)));
            // Upwards the positive bars end at the zero line, to the right they start there.
            const bool positive = values[s][c] > 0;
            const int base = vertical ? (positive ? b + 1 : a) : (positive ? a : b + 1);
            if (!zero)
                zero = base;
            QVERIFY2(std::abs(base - *zero) <= 1, qPrintable(QStringLiteral("bar %1/%2 off zero").arg(s).arg(c)));
        }
    }
    // render() paints the same picture into another device.
    QImage rendered(chart.size(), QImage::Format_RGB32);
    {
        QPainter painter(&rendered);
        chart.render(painter, rendered.rect());
    }
    QCOMPARE(rendered, image);
}

void TestChartView::lineWhereTheFiguresSay()
{
    const QList<int> values{200, 900, 500, 1100, 650};
    TChartView chart;
    chart.resize(700, 480);
    chart.setData(months(int(values.size())),
                  {{QStringLiteral("Balance"), units(values), TChartView::Style::Line},
                   {QStringLiteral("Spending"), units({100, 100, 100, 100, 100}), TChartView::Style::Bars}});
    const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);

    // The middle of each point's mark, read off the picture; the rises between them in proportion
    // to the rises of the figures.
    QList<double> heights;
    for (int c = 0; c < values.size(); ++c) {
        const QRect r = chart.elementRect(0, c);
        QCOMPARE(image.pixelColor(r.center()), chart.seriesColor(0));
        const auto [a, b] = longestRun(image, QPoint(r.center().x(), 0), QPoint(0, 1), chart.seriesColor(0));
        heights << (a + b) / 2.0;
    }
    const double unit = (heights[0] - heights[1]) / (values[1] - values[0]);
    QVERIFY(unit > 0);
    for (int c = 2; c < values.size(); ++c)
        QVERIFY2(std::abs((heights[0] - heights[c]) - unit * (values[c] - values[0])) <= 2.5,
                 qPrintable(QStringLiteral("point %1 at %2").arg(c).arg(heights[c])));

    // Printed at 400 dpi the line and its marks keep their share of the picture: as wide on paper
    // as on the screen, not one printer pixel thin.
    auto lineShare = [&chart](int dpi) {
        QImage page(QSize(700, 480) * dpi / 96, QImage::Format_RGB32);
        page.setDotsPerMeterX(qRound(dpi / 0.0254));
        page.setDotsPerMeterY(qRound(dpi / 0.0254));
        QPainter painter(&page);
        chart.render(painter, page.rect());
        painter.end();
        const QRgb line = chart.seriesColor(0).rgb();
        qint64 count = 0;
        for (int y = 0; y < page.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine(y));
            count += std::count(row, row + page.width(), line);
        }
        return double(count) / (qint64(page.width()) * page.height());
    };
    QVERIFY2(lineShare(400) > 0.6 * lineShare(96),
             qPrintable(QStringLiteral("%1 of the page at 400 dpi, %2 at 96").arg(lineShare(400)).arg(lineShare(96))));
}

void TestChartView::labelsThinnedNeverOverlapping_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("orientation");

    dataRow("a year, narrow", 12, 420, 300, int(Qt::Vertical));
    dataRow("five years", 60, 800, 400, int(Qt::Vertical));
    dataRow("twenty years", 240, 800, 400, int(Qt::Vertical));
    dataRow("twenty years, narrow", 240, 300, 300, int(Qt::Vertical));
    dataRow("five years, sideways", 60, 600, 400, int(Qt::Horizontal));
    dataRow("twenty years, sideways", 240, 600, 300, int(Qt::Horizontal));
}

void TestChartView::labelsThinnedNeverOverlapping()
{
    QFETCH(int, count);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, orientation);
    TChartView chart;
    chart.resize(width, height);
    chart.setOrientation(Qt::Orientation(orientation));
    QList<int> values;
    for (int i = 0; i < count; ++i)
        values << (i * 37) % 1000;
    chart.setData(months(count), {{QStringLiteral("Spending"), units(values), TChartView::Style::Bars}});

    const auto labels = chart.labelRects();
    QVERIFY(labels.size() >= 2);
    QCOMPARE(labels.front().first, 0);
    const int every = labels[1].first - labels[0].first;
    for (qsizetype i = 1; i < labels.size(); ++i) {
        QCOMPARE(labels[i].first - labels[i - 1].first, every);
        QVERIFY2(!labels[i].second.intersects(labels[i - 1].second),
                 qPrintable(QStringLiteral("labels %1 and %2 overlap").arg(labels[i - 1].first).arg(labels[i].first)));
    }
    // Thinned no more than needed: a label every step further down the scale would overlap.
    static const QList<int> steps{1, 2, 3, 4, 6, 12, 24, 36, 60, 120};
    const qsizetype at = steps.indexOf(every);
    QVERIFY(at >= 0);
    if (at > 0 && orientation == Qt::Vertical) {
        const double pitch = (chart.elementRect(0, 1).center().x() - chart.elementRect(0, 0).center().x());
        double widest = 0;
        for (const auto& [c, r] : labels)
            widest = std::max(widest, r.width());
        QVERIFY(steps[at - 1] * pitch < widest + 1);
    }
}

void TestChartView::keyboardMovesAndActivates_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("series");
    QTest::addColumn<int>("category");
    QTest::addColumn<int>("moves");       // currentChanged signals
    QTest::addColumn<int>("activations"); // at the end's element

    dataRow("right across categories", QList<int>{Qt::Key_Right, Qt::Key_Right}, 0, 2, 2, 0);
    dataRow("left stops at the first", QList<int>{Qt::Key_Left}, 0, 0, 0, 0);
    dataRow("end, and right stops there", QList<int>{Qt::Key_End, Qt::Key_Right}, 0, 5, 1, 0);
    dataRow("home after end", QList<int>{Qt::Key_End, Qt::Key_Home}, 0, 0, 2, 0);
    dataRow("down across series, stops at the last",
            QList<int>{Qt::Key_Right, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down}, 2, 1, 3, 0);
    dataRow("up comes back", QList<int>{Qt::Key_Down, Qt::Key_Up, Qt::Key_Up}, 0, 0, 2, 0);
    dataRow("enter", QList<int>{Qt::Key_Right, Qt::Key_Enter}, 0, 1, 1, 1);
    dataRow("return and space", QList<int>{Qt::Key_Down, Qt::Key_Return, Qt::Key_Space}, 1, 0, 1, 2);
}

void TestChartView::keyboardMovesAndActivates()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, series);
    QFETCH(int, category);
    QFETCH(int, moves);
    QFETCH(int, activations);
    TChartView chart;
    chart.resize(600, 400);
    QCOMPARE(chart.focusPolicy(), Qt::StrongFocus);
    const QList<int> v{1, 2, 3, 4, 5, 6};
    chart.setData(months(6), {{QStringLiteral("A"), units(v), TChartView::Style::Bars},
                              {QStringLiteral("B"), units(v), TChartView::Style::Bars},
                              {QStringLiteral("C"), units(v), TChartView::Style::Line}});
    QSignalSpy changed(&chart, &TChartView::currentChanged);
    QSignalSpy activated(&chart, &TChartView::activated);
    for (const int key : keys)
        QTest::keyClick(&chart, Qt::Key(key));
    QCOMPARE(std::make_pair(chart.currentSeries(), chart.currentCategory()), std::make_pair(series, category));
    QCOMPARE(changed.size(), moves);
    if (moves > 0)
        QCOMPARE(changed.back(), (QVariantList{series, category}));
    QCOMPARE(activated.size(), activations);
    for (const QVariantList& a : activated)
        QCOMPARE(a, (QVariantList{series, category}));
}

void TestChartView::clickActivates()
{
    TChartView chart;
    chart.resize(600, 400);
    chart.setData(months(4), {{QStringLiteral("Spending"), units({100, 300, 200, 400}), TChartView::Style::Bars},
                              {QStringLiteral("Net"), units({50, -100, 150, 80}), TChartView::Style::Line}});
    QSignalSpy activated(&chart, &TChartView::activated);
    for (const auto& [s, c] : {std::pair{0, 2}, std::pair{1, 1}, std::pair{0, 3}}) {
        const QPoint at = chart.elementRect(s, c).center();
        QCOMPARE(chart.elementAt(at), std::make_pair(s, c));
        QTest::mouseClick(&chart, Qt::LeftButton, {}, at);
        QCOMPARE(std::make_pair(chart.currentSeries(), chart.currentCategory()), std::make_pair(s, c));
        QCOMPARE(activated.back(), (QVariantList{s, c}));
    }
    // A click beside every element activates nothing.
    QCOMPARE(chart.elementAt(QPoint(1, 1)), std::make_pair(-1, -1));
    QTest::mouseClick(&chart, Qt::LeftButton, {}, QPoint(1, 1));
    QCOMPARE(activated.size(), 3);
}

void TestChartView::describeInLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("name");
    QTest::addColumn<qlonglong>("raw");
    QTest::addColumn<QString>("text");

    dataRow("en_US", "en_US", "March 2026", "Spending", 12345600LL, "March 2026, Spending: 1,234.56");
    dataRow("en_US exact to the ten-thousandth", "en_US", "May 2026", "Net", 12345678LL, "May 2026, Net: 1,234.5678");
    dataRow("de_DE", "de_DE", QString::fromUtf8("März 2026"), "Ausgaben", 12345600LL,
            QString::fromUtf8("März 2026, Ausgaben: 1.234,56"));
    dataRow("de_DE millions", "de_DE", "Mai 2026", "Saldo", -12345678900000LL, "Mai 2026, Saldo: -1.234.567.890,00");
}

void TestChartView::describeInLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, category);
    QFETCH(QString, name);
    QFETCH(qlonglong, raw);
    QFETCH(QString, text);
    TChartView chart;
    chart.setLocale(QLocale(locale));
    chart.setData({QStringLiteral("first"), category},
                  {{QStringLiteral("other"), {Currency(), Currency()}, TChartView::Style::Bars},
                   {name, {Currency(), Currency::fromRaw(raw)}, TChartView::Style::Line}});
    QCOMPARE(chart.describe(1, 1), text);
    QCOMPARE(chart.describe(2, 1), QString());
}

void TestChartView::accessibleNameFollowsCurrent()
{
    TChartView chart;
    chart.resize(600, 400);
    chart.setTitle(QStringLiteral("Income and Spending"));
    chart.setData(months(3), {{QStringLiteral("Income"), units({10, 20, 30}), TChartView::Style::Bars},
                              {QStringLiteral("Spending"), units({5, 15, 25}), TChartView::Style::Bars}});
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&chart);
    QVERIFY(iface != nullptr);
    QCOMPARE(iface->role(), QAccessible::Chart);
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("Income and Spending"));

    // (The offscreen platform has no accessibility bridge, so the change events go nowhere here.)
    for (const auto& [s, c] : {std::pair{0, 1}, std::pair{1, 1}, std::pair{1, 2}}) {
        chart.setCurrent(s, c);
        QCOMPARE(iface->text(QAccessible::Name), chart.describe(s, c));
    }
    QTest::keyClick(&chart, Qt::Key_Left);
    QCOMPARE(iface->text(QAccessible::Name), chart.describe(1, 1));
}

void TestChartView::darkPaletteStaysReadable()
{
    TChartView chart;
    chart.resize(600, 400);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Window, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
    dark.setColor(QPalette::WindowText, QColor(0xe8, 0xe8, 0xe8));
    chart.setPalette(dark);
    chart.setTitle(QStringLiteral("Balance over Time"));
    chart.setData(months(12),
                  {{QStringLiteral("Total"), units({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}), TChartView::Style::Line}});
    const QImage image = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QColor background = image.pixelColor(0, 0);
    QVERIFY(contrast(background, dark.color(QPalette::Base)) < 1.05);

    // The strongest contrast of the title's band and of the value marks' band with the background.
    const int line = QFontMetrics(chart.font()).height();
    auto strongest = [&](const QRect& band) {
        double best = 1;
        for (int y = band.top(); y <= band.bottom(); ++y)
            for (int x = band.left(); x <= band.right(); ++x)
                best = std::max(best, contrast(image.pixelColor(x, y), background));
        return best;
    };
    QVERIFY(strongest(QRect(0, 0, image.width(), line * 3 / 2)) >= 7);
    QVERIFY(strongest(QRect(0, line * 3, line, image.height() - line * 5)) >= 7);
    // The line's colour stands out from the dark background too.
    QVERIFY(contrast(image.pixelColor(chart.elementRect(0, 5).center()), background) >= 3);
}

QTEST_MAIN(TestChartView)
#include "tst_chartview.moc"
