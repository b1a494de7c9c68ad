// budget-helpshots: the pictures of the help, taken from the running program.
//
//   budget-helpshots OUTDIR [--locale NAME] [--dark]
//
// Builds a small data file of fixed holders and bookings in a temporary folder, starts the program
// on it as main does (application, skin, program and main window) with the clock pinned, opens each
// window through the main window's own commands and saves what it shows as OUTDIR/<name>.png. The
// locale is en_US unless --locale names another; the program's windows take their language from it.
// With --dark the application gets a dark palette (dark window and base, light text) and each picture
// is saved as <name>-dark.png. The Reports window is taken on each of its reports over the last twelve
// months: docs/reports-*.png are these pictures, light and dark.
// Run it with QT_QPA_PLATFORM=offscreen: nothing appears on the screen.

#include "app/TApplication.h"
#include "app/TFrmMain.h"
#include "app/TImageCtrl.h"
#include "app/TProgram.h"
#include "bookings/TBookingStore.h"
#include "data/Currency.h"
#include "data/DbError.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "data/THolderType.h"
#include "data/TSchema.h"
#include "holders/THolderStore.h"
#include "import/TFrmImport.h"
#include "reports/TFrmReports.h"
#include "toolkit/TSkin.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMouseEvent>
#include <QPalette>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// The moment the pictures are taken: "today" and "this month" of every window.
const QDateTime Now(QDate(2026, 3, 14), QTime(16, 20));

struct Options
{
    QString outDir;
    QString locale = QStringLiteral("en_US");
    bool dark = false;
};

bool parse(int argc, char** argv, Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--locale") && i + 1 < argc)
            options.locale = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--dark"))
            options.dark = true;
        else if (options.outDir.isEmpty() && !arg.startsWith(u'-'))
            options.outDir = arg;
        else
            return false;
    }
    return !options.outDir.isEmpty();
}

Currency amount(const char* text)
{
    return Currency::parse(QString::fromLatin1(text), QLocale::c()).value();
}

QDateTime day(int d, int hour = 10, int minute = 0)
{
    return QDateTime(QDate(Now.date().year(), Now.date().month(), d), QTime(hour, minute));
}

// Day `d` of the month `back` months before this one.
QDateTime dayBefore(int back, int d, int hour = 10)
{
    const QDate month = Now.date().addMonths(-back);
    return QDateTime(QDate(month.year(), month.month(), d), QTime(hour, 0));
}

// The household's names and texts, in the language of the pictures (translations/budget_*.ts,
// context "HelpPictures").
QString text(const char* english)
{
    return *english ? QCoreApplication::translate("HelpPictures", english) : QString();
}

qint32 holder(const char* name, THolderType kind, bool negative)
{
    THolderStore::Fields f;
    f.name = text(name);
    f.kind = static_cast<int>(kind);
    f.negative = negative;
    THolderStore::insertHolder(f);
    QSqlQuery q = TDM::current().select(QStringLiteral("select max(ID) from Account"));
    q.next();
    return qint32(q.value(0).toInt());
}

void detail(int type, qint32 holderId, const QDateTime& date, const char* money, const char* from,
            const char* forText = "")
{
    TDetailRow row;
    row.Type = type;
    row.DestID = holderId;
    row.Date = date;
    row.Amount = amount(money);
    row.From = text(from);
    row.For = text(forText);
    TBookingStore::saveDetail(row);
}

void transfer(qint32 source, qint32 dest, const QDateTime& date, const char* money, const char* from,
              const char* forText)
{
    TTransferRow row;
    row.SourceID = source;
    row.DestID = dest;
    row.Date = date;
    row.Amount = amount(money);
    row.From = text(from);
    row.For = text(forText);
    TBookingStore::saveTransfer(row);
}

// The money as an amount in the C locale's text ("1234.50"), for amounts worked out in cents.
QByteArray cents(qint64 value)
{
    return QByteArray::number(value / 100) + '.' + QByteArray::number(value % 100).rightJustified(2, '0');
}

// The eleven months before this one, as a household books them: the opening balances a month before,
// then every month the salary, the rent, a standing order to the savings account, cash for the purse,
// groceries on the card and at the market, power and phone, and the card paid off at the month's end;
// now and then shoes, books, the yearly insurance, a tax refund and a Christmas bonus. The amounts
// vary from month to month by fixed rules, so every run books the same.
void fillYear(qint32 checking, qint32 card, qint32 savings, qint32 purse)
{
    const int months = 11;
    detail(TDetailRow::Deposit, checking, dayBefore(months + 1, 1, 8), "1250.00",
           QT_TRANSLATE_NOOP("HelpPictures", "Opening balance"));
    detail(TDetailRow::Deposit, purse, dayBefore(months + 1, 1, 8), "45.50",
           QT_TRANSLATE_NOOP("HelpPictures", "Opening balance"));
    for (int back = months; back >= 1; --back) {
        const int season = (back * 7) % 11; // 0 to 10, different each month
        const int month = Now.date().addMonths(-back).month();
        detail(TDetailRow::Deposit, checking, dayBefore(back, 2), "3200.00",
               QT_TRANSLATE_NOOP("HelpPictures", "Employer Ltd"), QT_TRANSLATE_NOOP("HelpPictures", "Salary"));
        if (month == 11)
            detail(TDetailRow::Deposit, checking, dayBefore(back, 25), "1600.00",
                   QT_TRANSLATE_NOOP("HelpPictures", "Employer Ltd"),
                   QT_TRANSLATE_NOOP("HelpPictures", "Christmas bonus"));
        if (month == 7)
            detail(TDetailRow::Deposit, checking, dayBefore(back, 18), "286.00",
                   QT_TRANSLATE_NOOP("HelpPictures", "Tax office"), QT_TRANSLATE_NOOP("HelpPictures", "Tax refund"));
        detail(TDetailRow::Debit, checking, dayBefore(back, 3), "950.00", QT_TRANSLATE_NOOP("HelpPictures", "Landlord"),
               QT_TRANSLATE_NOOP("HelpPictures", "Rent"));
        transfer(checking, savings, dayBefore(back, 4), "400.00", QT_TRANSLATE_NOOP("HelpPictures", "Standing order"),
                 QT_TRANSLATE_NOOP("HelpPictures", "Savings"));
        transfer(checking, purse, dayBefore(back, 5, 12), "200.00",
                 QT_TRANSLATE_NOOP("HelpPictures", "ATM Main Street"), QT_TRANSLATE_NOOP("HelpPictures", "Cash"));
        qint64 onCard = 0;
        for (int week = 0; week < 4; ++week) {
            const qint64 groceries = 6200 + ((season + 3 * week) % 7) * 830;
            onCard += groceries;
            detail(TDetailRow::Debit, card, dayBefore(back, 6 + 6 * week, 18), cents(groceries).constData(),
                   QT_TRANSLATE_NOOP("HelpPictures", "Supermarket"), QT_TRANSLATE_NOOP("HelpPictures", "Groceries"));
        }
        for (int visit = 0; visit < 2; ++visit)
            detail(TDetailRow::Debit, purse, dayBefore(back, 9 + 10 * visit, 9),
                   cents(1240 + ((season + visit) % 5) * 310).constData(), QT_TRANSLATE_NOOP("HelpPictures", "Market"),
                   QT_TRANSLATE_NOOP("HelpPictures", "Vegetables"));
        detail(TDetailRow::Debit, purse, dayBefore(back, 15, 17), cents(1880 + season * 120).constData(),
               QT_TRANSLATE_NOOP("HelpPictures", "Bakery"), QT_TRANSLATE_NOOP("HelpPictures", "Bread and cake"));
        // Power costs more in the dark months.
        const bool winter = month >= 10 || month <= 3;
        detail(TDetailRow::Debit, checking, dayBefore(back, 12),
               cents(winter ? 7420 + season * 95 : 5140 + season * 60).constData(),
               QT_TRANSLATE_NOOP("HelpPictures", "City Power"), QT_TRANSLATE_NOOP("HelpPictures", "Electricity"));
        detail(TDetailRow::Debit, checking, dayBefore(back, 14, 11), "35.00",
               QT_TRANSLATE_NOOP("HelpPictures", "Phone company"), QT_TRANSLATE_NOOP("HelpPictures", "Phone"));
        if (season % 4 == 1) {
            onCard += 8990;
            detail(TDetailRow::Debit, card, dayBefore(back, 20, 19), "89.90",
                   QT_TRANSLATE_NOOP("HelpPictures", "Shoe shop"), QT_TRANSLATE_NOOP("HelpPictures", "Shoes"));
        }
        if (season % 3 == 0) {
            onCard += 2400 + season * 150;
            detail(TDetailRow::Debit, card, dayBefore(back, 22, 20), cents(2400 + season * 150).constData(),
                   QT_TRANSLATE_NOOP("HelpPictures", "Bookshop"), QT_TRANSLATE_NOOP("HelpPictures", "Books"));
        }
        if (month == 1)
            detail(TDetailRow::Debit, checking, dayBefore(back, 15), "224.80",
                   QT_TRANSLATE_NOOP("HelpPictures", "Insurer"),
                   QT_TRANSLATE_NOOP("HelpPictures", "Household insurance"));
        transfer(checking, card, dayBefore(back, 28), cents(onCard).constData(),
                 QT_TRANSLATE_NOOP("HelpPictures", "Card payment"), QT_TRANSLATE_NOOP("HelpPictures", "Card bill"));
    }
}

// A year of a household's bookings, and this month's: salary, rent, cash from the bank, card
// purchases and the card paid off.
void fillBooks(const QString& path)
{
    TDM dm(path, false);
    dm.DataModuleCreate();
    const qint32 checking = holder(QT_TRANSLATE_NOOP("HelpPictures", "Checking"), THolderType::BankAccount, false);
    const qint32 card = holder(QT_TRANSLATE_NOOP("HelpPictures", "Visa card"), THolderType::CreditCard, true);
    const qint32 savings = holder(QT_TRANSLATE_NOOP("HelpPictures", "Savings"), THolderType::BankAccount, false);
    const qint32 purse = holder(QT_TRANSLATE_NOOP("HelpPictures", "Purse"), THolderType::Wallet, false);
    holder(QT_TRANSLATE_NOOP("HelpPictures", "Money box"), THolderType::Wallet, false);

    fillYear(checking, card, savings, purse);
    detail(TDetailRow::Deposit, checking, day(2), "3200.00", QT_TRANSLATE_NOOP("HelpPictures", "Employer Ltd"),
           QT_TRANSLATE_NOOP("HelpPictures", "Salary"));
    detail(TDetailRow::Debit, checking, day(3), "950.00", QT_TRANSLATE_NOOP("HelpPictures", "Landlord"),
           QT_TRANSLATE_NOOP("HelpPictures", "Rent"));
    transfer(checking, purse, day(5, 12), "200.00", QT_TRANSLATE_NOOP("HelpPictures", "ATM Main Street"),
             QT_TRANSLATE_NOOP("HelpPictures", "Cash"));
    detail(TDetailRow::Debit, purse, day(6, 17), "23.80", QT_TRANSLATE_NOOP("HelpPictures", "Bakery"),
           QT_TRANSLATE_NOOP("HelpPictures", "Bread and cake"));
    detail(TDetailRow::Debit, card, day(8, 19), "89.90", QT_TRANSLATE_NOOP("HelpPictures", "Shoe shop"),
           QT_TRANSLATE_NOOP("HelpPictures", "Shoes"));
    detail(TDetailRow::Debit, card, day(11, 20), "42.00", QT_TRANSLATE_NOOP("HelpPictures", "Bookshop"),
           QT_TRANSLATE_NOOP("HelpPictures", "Books"));
    detail(TDetailRow::Debit, checking, day(12), "61.35", QT_TRANSLATE_NOOP("HelpPictures", "City Power"),
           QT_TRANSLATE_NOOP("HelpPictures", "Electricity"));
    transfer(checking, card, day(13), "131.90", QT_TRANSLATE_NOOP("HelpPictures", "Card payment"),
             QT_TRANSLATE_NOOP("HelpPictures", "February statement"));
    detail(TDetailRow::Debit, purse, day(14, 9), "12.40", QT_TRANSLATE_NOOP("HelpPictures", "Market"),
           QT_TRANSLATE_NOOP("HelpPictures", "Vegetables"));
    detail(TDetailRow::Debit, checking, day(14, 11), "35.00", QT_TRANSLATE_NOOP("HelpPictures", "Phone company"),
           QT_TRANSLATE_NOOP("HelpPictures", "Phone"));
}

// The bank's statement of the same days, as a bank of the pictures' country writes it: its
// separator, its decimal sign and its order of dates. Two of its lines were typed by hand already
// (the electricity and the phone), the others are new.
QString writeStatement(const QDir& folder)
{
    const QLocale locale;
    const QChar comma = locale.decimalPoint() == u',' ? u';' : u',';
    auto money = [&](const char* text) {
        return locale.toString(amount(text).toDouble(), 'f', 2).remove(locale.groupSeparator());
    };
    auto line = [&](int d, const char* payee, const char* forText, const char* value) {
        return QStringList{locale.toString(day(d).date(), QLocale::ShortFormat), text(payee), text(forText),
                           money(value)}
            .join(comma);
    };
    const QStringList lines{
        QStringList{text(QT_TRANSLATE_NOOP("HelpPictures", "Date")), text(QT_TRANSLATE_NOOP("HelpPictures", "Payee")),
                    text(QT_TRANSLATE_NOOP("HelpPictures", "Purpose")),
                    text(QT_TRANSLATE_NOOP("HelpPictures", "Amount"))}
            .join(comma),
        line(12, QT_TRANSLATE_NOOP("HelpPictures", "City Power"), QT_TRANSLATE_NOOP("HelpPictures", "Electricity"),
             "-61.35"),
        line(14, QT_TRANSLATE_NOOP("HelpPictures", "Phone company"), QT_TRANSLATE_NOOP("HelpPictures", "Phone"),
             "-35.00"),
        line(15, QT_TRANSLATE_NOOP("HelpPictures", "Market"), QT_TRANSLATE_NOOP("HelpPictures", "Vegetables"),
             "-18.60"),
        line(16, QT_TRANSLATE_NOOP("HelpPictures", "Bookshop"), QT_TRANSLATE_NOOP("HelpPictures", "Books"), "-24.90"),
        line(17, QT_TRANSLATE_NOOP("HelpPictures", "Insurer"), QT_TRANSLATE_NOOP("HelpPictures", "Household insurance"),
             "-112.40"),
        line(18, QT_TRANSLATE_NOOP("HelpPictures", "Tax office"), QT_TRANSLATE_NOOP("HelpPictures", "Tax refund"),
             "286.00"),
    };
    const QString path = folder.filePath(text(QT_TRANSLATE_NOOP("HelpPictures", "statement-march.csv")));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(lines.join(u'\n').append(u'\n').toUtf8());
    return path;
}

// Lets the window lay itself out and its lists arrive from their worker threads.
void settle(int ms = 400)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int rowCount(QWidget* window, const char* name)
{
    auto* list = window->findChild<QAbstractItemView*>(QString::fromLatin1(name));
    return list && list->model() ? list->model()->rowCount() : -1;
}

// Waits, at most five seconds, until the list `name` in `window` no longer shows `before` rows:
// lists arrive from a worker thread.
void waitForRows(QWidget* window, const char* name, int before = 0)
{
    for (int waited = 0; rowCount(window, name) == before && waited < 5000; waited += 50)
        settle(50);
}

class Shooter
{
public:
    using Step = std::function<void(QDialog*)>;

    Shooter(const QString& outDir, const QString& suffix)
        : m_dir(outDir)
        , m_suffix(suffix)
    {}

    bool save(QWidget* window, const QString& name)
    {
        settle();
        const QString file = m_dir.filePath(name + m_suffix + QStringLiteral(".png"));
        if (!window->grab().save(file)) {
            std::fprintf(stderr, "budget-helpshots: cannot write %s\n", qPrintable(file));
            m_failed = true;
            return false;
        }
        ++m_saved;
        return true;
    }

    // Runs `command`, which opens a modal dialog. Once the dialog is up, `prepare` runs on it, its
    // picture is saved, `then` runs on it (it may open a dialog of its own) and the dialog is closed.
    void modal(const std::function<void()>& command, const QString& name, const Step& prepare = {},
               const Step& then = {})
    {
        bool seen = false;
        poll(name, prepare, then, seen);
        command();
        if (!seen) {
            std::fprintf(stderr, "budget-helpshots: %s did not open\n", qPrintable(name));
            m_failed = true;
        }
    }

    void fail() { m_failed = true; }
    bool failed() const { return m_failed; }
    int saved() const { return m_saved; }

private:
    void poll(const QString& name, const Step& prepare, const Step& then, bool& seen,
              QWidget* before = QApplication::activeModalWidget())
    {
        QTimer::singleShot(50, [this, name, prepare, then, &seen, before] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == before) {
                poll(name, prepare, then, seen, before);
                return;
            }
            seen = true;
            if (prepare)
                prepare(dialog);
            save(dialog, name);
            if (then)
                then(dialog);
            dialog->reject();
        });
    }

    QDir m_dir;
    QString m_suffix;
    bool m_failed = false;
    int m_saved = 0;
};

void click(QWidget* widget)
{
    const QPointF at(widget->width() / 2.0, widget->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QCoreApplication::sendEvent(widget, &release);
}

TImageCtrl* tile(TFrmMain* window, bool wallet, int index)
{
    int n = 0;
    for (TImageCtrl* t : window->findChildren<TImageCtrl*>()) {
        if (t->isWallet() == wallet && n++ == index)
            return t;
    }
    return nullptr;
}

// A dark desktop: dark window and base, light text, the program's own selection colour.
QPalette darkPalette(QPalette palette)
{
    const QColor window(0x2b, 0x2f, 0x36);
    const QColor base(0x1e, 0x21, 0x26);
    const QColor text(0xe8, 0xea, 0xee);
    const QColor muted(0x8a, 0x90, 0x9a);
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, QColor(0x2a, 0x2e, 0x36));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, QColor(0x35, 0x3a, 0x42));
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::PlaceholderText, muted);
    palette.setColor(QPalette::BrightText, Qt::white);
    palette.setColor(QPalette::Light, QColor(0x4a, 0x50, 0x5a));
    palette.setColor(QPalette::Midlight, QColor(0x40, 0x45, 0x4e));
    palette.setColor(QPalette::Mid, QColor(0x24, 0x27, 0x2d));
    palette.setColor(QPalette::Dark, QColor(0x18, 0x1a, 0x1e));
    palette.setColor(QPalette::Shadow, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6f, 0xc4));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0x7a, 0xb0, 0xff));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, muted);
    return palette;
}

// The Reports window over the last twelve months of all holders, on each of its reports.
void reportShots(TFrmMain* window, Shooter& shots)
{
    window->btnToolReportsClick();
    TFrmReports* reports = window->reportsWindow();
    if (!reports) {
        std::fprintf(stderr, "budget-helpshots: the Reports window did not open\n");
        shots.fail();
        return;
    }
    reports->resize(900, 640);
    settle();
    if (auto* holders = reports->findChild<QComboBox*>(QStringLiteral("cbbHolder")))
        holders->setCurrentIndex(0);
    if (auto* period = reports->findChild<QComboBox*>(QStringLiteral("cbbPeriod")))
        period->setCurrentIndex(int(TFrmReports::PeriodChoice::Last12Months));
    auto* tabs = reports->findChild<QTabWidget*>(QStringLiteral("tabReports"));
    const char* const names[] = {"reports-income", "reports-spending", "reports-balance"};
    for (int i = 0; tabs && i < tabs->count(); ++i) {
        tabs->setCurrentIndex(i);
        shots.save(reports, QString::fromLatin1(names[i]));
    }
    reports->close();
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: budget-helpshots OUTDIR [--locale NAME] [--dark]\n");
        return 2;
    }
    // The locale of the pictures, for the program's windows as for the desktop's: set before the
    // application starts, so that everything which reads the user's language reads this one.
    const QByteArray localeName = options.locale.toLatin1() + ".UTF-8";
    ::setenv("LC_ALL", localeName.constData(), 1);
    ::setenv("LANG", localeName.constData(), 1);
    ::setenv("LANGUAGE", options.locale.toLatin1().constData(), 1);
    QLocale::setDefault(QLocale(options.locale));

    TApplication app(argc, argv);
    // The windows' kept sizes go to Qt's test folder: the pictures never change the user's settings.
    QStandardPaths::setTestModeEnabled(true);
    // A text cursor that never blinks: each run's pictures are the same whenever they are taken.
    QApplication::setCursorFlashTime(0);
    if (!QDir().mkpath(options.outDir)) {
        std::fprintf(stderr, "budget-helpshots: cannot create %s\n", qPrintable(options.outDir));
        return 1;
    }
    QTemporaryDir work;
    const QString dataFile = work.filePath(QStringLiteral("Data.mdb"));
    TClock::setFixed(Now);
    try {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("helpshots"));
            db.setDatabaseName(dataFile);
            if (!db.open())
                throw DbError(db.lastError().text());
            TSchema::create(db);
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("helpshots"));
        fillBooks(dataFile);
    } catch (const DbError& e) {
        std::fprintf(stderr, "budget-helpshots: %s\n", qPrintable(e.text()));
        return 1;
    }

    // As main starts the program.
    TSkin::applyTo(app);
    if (options.dark)
        QApplication::setPalette(darkPalette(QApplication::palette()));
    TProgram program(dataFile);
    program.start();
    TFrmMain* window = program.window();
    Shooter shots(options.outDir, options.dark ? QStringLiteral("-dark") : QString());

    // The main window with the checking account and the purse selected, the month's bookings listed.
    settle();
    if (TImageCtrl* purse = tile(window, true, 0))
        click(purse);
    if (TImageCtrl* checking = tile(window, false, 0))
        click(checking);
    if (auto* period = window->findChild<QComboBox*>(QStringLiteral("cbbDate")))
        period->setCurrentIndex(period->count() - 1);
    waitForRows(window, "dbgrdh1");
    shots.save(window, QStringLiteral("main-window"));

    shots.modal([window] { window->AccountInfoClick(); }, QStringLiteral("account-dialog"));
    shots.modal([window] { window->WalletInfoClick(); }, QStringLiteral("wallet-dialog"));
    shots.modal([window] { window->PopAccDepositClick(); }, QStringLiteral("deposit-dialog"));
    shots.modal([window] { window->PopWalDebitClick(); }, QStringLiteral("debit-dialog"));
    // Cash from the bank: the checking account's tile dropped on the purse's.
    const qint32 checking = tile(window, false, 0) ? tile(window, false, 0)->GetID() : 0;
    const qint32 purse = tile(window, true, 0) ? tile(window, true, 0)->GetID() : 0;
    shots.modal([=] { window->WMHolderTransfer(checking, purse); }, QStringLiteral("transfer-dialog"));
    // The import with the checking account's statement read and previewed.
    const QString statement = writeStatement(QDir(work.path()));
    shots.modal([window] { window->PopAccImportClick(); }, QStringLiteral("import-dialog"),
                [statement](QDialog* dialog) {
                    if (auto* import = qobject_cast<TFrmImport*>(dialog)) {
                        import->openFile(statement);
                        waitForRows(dialog, "tblPreview");
                        // The file's name alone: the temporary folder would make each run's picture differ.
                        if (auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("edtFile")))
                            file->setText(QFileInfo(statement).fileName());
                    }
                });
    // The history window over the month, then its query dialog opened from it.
    shots.modal([window] { window->btnToolAccHistoryClick(); }, QStringLiteral("history-window"),
                [](QDialog* history) {
                    const int today = rowCount(history, "dbgrdh1");
                    if (auto* month = history->findChild<QAbstractButton*>(QStringLiteral("rbMonth")))
                        month->click();
                    waitForRows(history, "dbgrdh1", today);
                },
                [&shots](QDialog* history) {
                    if (auto* query = history->findChild<QAction*>(QStringLiteral("mniQuery")))
                        shots.modal([query] { query->trigger(); }, QStringLiteral("query-dialog"));
                });
    reportShots(window, shots);
    std::printf("budget-helpshots: %d pictures in %s\n", shots.saved(), qPrintable(options.outDir));
    return shots.failed() ? 1 : 0;
}
