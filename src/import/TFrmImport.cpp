#include "import/TFrmImport.h"

#include "bookings/TBookingWidgets.h"
#include "data/DbError.h"
#include "data/TBooks.h"
#include "data/TDM.h"
#include "help/THelpRouter.h"
#include "import/TCsvSettingsBox.h"
#include "import/TExpectedPayments.h"
#include "import/TImportPreviewModel.h"
#include "import/TImportProfiles.h"
#include "import/TImportStore.h"
#include "toolkit/Named.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TFileDialogService.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TSkin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include <atomic>
#include <exception>
#include <numeric>

// One booking of the ticked rows on a worker thread: what it is given, how far it has come, and
// how it ended.
struct TFrmImport::Booking
{
    QString path;
    TImportStore::Import import;
    TNegativePolicy policy;
    std::atomic<int> done{0};
    std::atomic<int> total{0};
    std::optional<qint32> id;
    std::optional<TNegativeRefusal> refusal;
    QString failure;
};

// One reading of the file on the worker thread: what it is given and what it makes.
struct TFrmImport::Reading
{
    int generation = 0;
    TStatementFile file;
    TCsvSettings settings;
    QSet<QString> known;
    std::unique_ptr<TImportPreview> preview;
    std::atomic<bool> stop{false}; // set when the reading is no longer wanted
};

namespace {

// How often booking lets the window repaint and answer, in milliseconds.
constexpr int RepaintEveryMs = 40;

QString noHolderYet()
{
    return QCoreApplication::translate("TFrmImport",
                                       "There is no account or wallet to import into yet. Make one with New "
                                       "Account... in the Accounts menu or New Wallet... in the Wallets menu.");
}

QPushButton* button(const char* name, const QString& caption, QWidget* parent)
{
    auto* b = TBookingWidgets::makeButton(name, caption, parent);
    b->setAccessibleName(b->accessibleName().remove(QStringLiteral("...")));
    b->setAutoDefault(false);
    return b;
}

} // namespace

TFrmImport::TFrmImport(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmImport"));
    setWindowTitle(tr("Import Statement"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setSizeGripEnabled(true);
    setProperty("helpContext", HelpContext);
    TSkin::applyTo(this);
    TSkin::setDialogFont(this);
    createControls();
    resize(1120, 660);
    TErrorReport::run(this, [this] {
        fillHolders();
        fillProfiles(QString());
    });
    showMessage(hasHolders() ? QString() : noHolderYet());
    showState();
}

TFrmImport::~TFrmImport()
{
    // The worker reads only the file's bytes it was given: told to stop, it ends soon.
    if (m_thread != nullptr) {
        if (m_reading)
            m_reading->stop = true;
        m_thread->wait();
        delete m_thread;
    }
}

void TFrmImport::createControls()
{
    cbbHolder = named(new QComboBox(this), "cbbHolder");
    cbbHolder->setMaxVisibleItems(15);
    edtFile = named(new QLineEdit(this), "edtFile");
    edtFile->setReadOnly(true);
    edtFile->setPlaceholderText(tr("Choose the statement your bank gave you: CSV, OFX, QFX or QIF"));
    btnBrowse = button("btnBrowse", tr("&Browse..."), this);
    lblFormat = named(new QLabel(this), "lblFormat");
    cbbProfile = named(new QComboBox(this), "cbbProfile");
    cbbProfile->setEditable(true);
    cbbProfile->setInsertPolicy(QComboBox::NoInsert);
    cbbProfile->lineEdit()->setPlaceholderText(tr("A name for these settings, such as your bank's"));
    cbbProfile->setMinimumWidth(220);
    btnSaveProfile = button("btnSaveProfile", tr("&Save Profile"), this);
    btnSaveProfile->setToolTip(tr("Saves the settings under the name in the Profile box, to be "
                                  "offered first for this account or wallet next time"));

    grpSettings = new TCsvSettingsBox(this);
    grpSettings->setMaximumWidth(360);

    m_model = new TImportPreviewModel(this);
    tblPreview = named(new QTableView(this), "tblPreview");
    tblPreview->setModel(m_model);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPreview->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Nothing in the grid is edited: Tab leaves it for the buttons below instead of walking its cells.
    tblPreview->setTabKeyNavigation(false);
    tblPreview->setWordWrap(false);
    tblPreview->verticalHeader()->hide();
    tblPreview->verticalHeader()->setDefaultSectionSize(tblPreview->fontMetrics().height() + 6);
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    tblPreview->setAccessibleDescription(
        tr("The rows of the statement. Space ticks or unticks the selected rows for booking."));
    tblPreview->installEventFilter(this);
    // Wide enough for the longest date and a large debit as the user's locale writes them (its
    // month abbreviations, currency sign, brackets for a negative amount) in the grid's (bold) font.
    tblPreview->ensurePolished();
    const QFontMetrics metrics(tblPreview->font());
    const int pad = 16;
    int dateWidth = 0;
    for (int month = 1; month <= 12; ++month)
        dateWidth =
            std::max(dateWidth, metrics.horizontalAdvance(TImportPreviewModel::dateText(QDate(2024, month, 28))));
    const int widths[] = {44,
                          metrics.horizontalAdvance(QStringLiteral("99999")) + pad,
                          dateWidth + pad,
                          metrics.horizontalAdvance(Currency::fromRaw(-999'999'999).toMoneyString()) + pad,
                          metrics.horizontalAdvance(tr("Typed before: 28 Sep 2024, Landlord")) + pad,
                          170,
                          170};
    for (int c = 0; c < static_cast<int>(std::size(widths)); ++c)
        tblPreview->setColumnWidth(c, widths[c]);
    btnTickNew = button("btnTickNew", tr("Tic&k New Rows"), this);
    btnTickNew->setToolTip(tr("Ticks every row not imported before, and unticks the others"));
    btnUntickAll = button("btnUntickAll", tr("Untick A&ll"), this);

    lblMessage = named(new QLabel(this), "lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblTotals = named(new QLabel(this), "lblTotals");
    lblBalance = named(new QLabel(this), "lblBalance");
    lblBalance->setWordWrap(true);
    for (QLabel* l : {lblMessage, lblTotals, lblBalance})
        l->setFocusPolicy(Qt::TabFocus);
    lblTotals->setAccessibleName(tr("Totals"));
    lblBalance->setAccessibleName(tr("Balance"));
    lblMessage->setAccessibleName(tr("Message"));
    prgWork = named(new QProgressBar(this), "prgWork");
    prgWork->setAccessibleName(tr("Progress"));
    prgWork->hide();
    btnHelp = button("btnHelp", tr("&Help"), this);
    btnImport = button("btnImport", tr("&Import"), this);
    btnImport->setDefault(true);
    btnClose = button("btnClose", tr("Close"), this);

    const auto label = &TBookingWidgets::makeLabel;
    auto* top = new QGridLayout;
    top->addWidget(label("lblHolder", tr("&Account or wallet:"), cbbHolder, this), 0, 0);
    top->addWidget(cbbHolder, 0, 1, 1, 2);
    top->addWidget(label("lblFile", tr("&File:"), edtFile, this), 1, 0);
    top->addWidget(edtFile, 1, 1);
    top->addWidget(btnBrowse, 1, 2);
    top->addWidget(lblFormat, 1, 3);
    top->addWidget(label("lblProfile", tr("&Profile:"), cbbProfile, this), 2, 0);
    top->addWidget(cbbProfile, 2, 1);
    top->addWidget(btnSaveProfile, 2, 2);
    top->setColumnStretch(1, 1);

    auto* previewColumn = new QVBoxLayout;
    previewColumn->addWidget(label("lblPreview", tr("Pre&view:"), tblPreview, this));
    previewColumn->addWidget(tblPreview, 1);
    auto* ticks = new QHBoxLayout;
    ticks->addWidget(btnTickNew);
    ticks->addWidget(btnUntickAll);
    ticks->addStretch(1);
    previewColumn->addLayout(ticks);
    // The settings scroll when the dialog is made small, so that it fits a small screen whole.
    auto* settingsArea = named(new QScrollArea(this), "scrSettings");
    settingsArea->setWidgetResizable(true);
    settingsArea->setFrameShape(QFrame::NoFrame);
    settingsArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    settingsArea->setWidget(grpSettings);
    const int scrollBar = settingsArea->verticalScrollBar()->sizeHint().width();
    settingsArea->setMinimumWidth(grpSettings->minimumSizeHint().width() + scrollBar);
    settingsArea->setMaximumWidth(grpSettings->maximumWidth() + scrollBar);
    settingsArea->setFocusPolicy(Qt::NoFocus);
    // A setting reached with Tab from outside the area comes into view as well.
    connect(qApp, &QApplication::focusChanged, settingsArea, [settingsArea](QWidget*, QWidget* now) {
        if (now != nullptr && settingsArea->widget()->isAncestorOf(now))
            settingsArea->ensureWidgetVisible(now);
    });
    auto* middle = new QHBoxLayout;
    middle->addWidget(settingsArea);
    middle->addLayout(previewColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(prgWork, 1);
    buttons->addStretch(0);
    buttons->addWidget(btnHelp);
    buttons->addWidget(btnImport);
    buttons->addWidget(btnClose);

    auto* column = new QVBoxLayout(this);
    column->addLayout(top);
    column->addLayout(middle, 1);
    column->addWidget(lblMessage);
    column->addWidget(lblTotals);
    column->addWidget(lblBalance);
    column->addLayout(buttons);

    connect(cbbHolder, &QComboBox::currentIndexChanged, this, TErrorReport::guard(this, &TFrmImport::holderChanged));
    connect(cbbProfile, &QComboBox::activated, this,
            [this](int index) { TErrorReport::run(this, [this, index] { profileChosen(index); }); });
    connect(grpSettings, &TCsvSettingsBox::changed, this, TErrorReport::guard(this, &TFrmImport::settingsChanged));
    connect(btnBrowse, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmImport::btnBrowseClick));
    connect(btnSaveProfile, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmImport::btnSaveProfileClick));
    connect(btnImport, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmImport::btnImportClick));
    connect(btnClose, &QPushButton::clicked, this, &TFrmImport::btnCloseClick);
    connect(btnHelp, &QPushButton::clicked, this, &TFrmImport::btnHelpClick);
    connect(btnTickNew, &QPushButton::clicked, m_model, &TImportPreviewModel::tickNewOnly);
    connect(btnUntickAll, &QPushButton::clicked, this, [this] {
        QList<int> all(m_model->rowCount());
        std::iota(all.begin(), all.end(), 0);
        m_model->setTicked(all, false);
    });
    connect(m_model, &TImportPreviewModel::ticksChanged, this, &TFrmImport::showState);
}

void TFrmImport::fillHolders()
{
    const QSignalBlocker block(cbbHolder);
    cbbHolder->clear();
    cbbHolder->addItem(tr("Choose an account or wallet"), 0);
    for (THolderFamily family : {THolderFamily::Accounts, THolderFamily::Wallets}) {
        for (const TDataInfo& holder : TBooks::holders(family))
            cbbHolder->addItem(
                (family == THolderFamily::Wallets ? tr("%1 (wallet)") : tr("%1 (account)")).arg(holder.Name),
                holder.ID);
    }
}

void TFrmImport::fillProfiles(const QString& current)
{
    const QSignalBlocker block(cbbProfile);
    cbbProfile->clear();
    cbbProfile->addItems(TImportProfiles::names());
    cbbProfile->setCurrentIndex(cbbProfile->findText(current));
    cbbProfile->setEditText(current);
}

void TFrmImport::PresetHolder(qint32 id)
{
    const int index = cbbHolder->findData(id);
    cbbHolder->setCurrentIndex(index < 0 ? 0 : index);
}

bool TFrmImport::hasHolders() const
{
    // The first entry only asks for a choice.
    return cbbHolder->count() > 1;
}

qint32 TFrmImport::holderId() const
{
    return cbbHolder->currentData().toInt();
}

bool TFrmImport::isBusy() const
{
    return m_booking || m_thread != nullptr;
}

void TFrmImport::holderChanged()
{
    m_holder = TBooks::holder(holderId());
    // Before a file is chosen, the holder's last profile is the one to read it with.
    if (!m_file && m_holder.ID != 0)
        fillProfiles(TImportProfiles::lastFor(m_holder.ID));
    // The rows the holder imported before are others.
    startReading();
    showState();
}

void TFrmImport::btnBrowseClick()
{
    const QString folder = m_file ? QFileInfo(m_file->path).absolutePath() : QDir::homePath();
    const std::optional<TFileDialogService::Choice> choice = TFileDialogService::getOpenFileName(
        this, tr("Import Statement"), folder,
        {tr("Bank statements (*.csv *.txt *.ofx *.qfx *.qif)"), tr("All files (*)")});
    if (choice)
        openFile(choice->fileName);
}

void TFrmImport::openFile(const QString& path)
{
    QString error;
    std::optional<TStatementFile> file = TStatementFile::load(path, &error);
    if (!file) {
        TMessageService::ShowErrorBox(error, this);
        return;
    }
    m_file = std::move(file);
    edtFile->setText(QDir::toNativeSeparators(path));
    m_profile.clear();
    TCsvSettings settings = m_file->guess();
    const QString profile = cbbProfile->currentText().trimmed();
    if (m_file->format == TImportFormat::Kind::Csv && !profile.isEmpty()) {
        if (const std::optional<TCsvSettings> saved = TImportProfiles::load(profile, &error)) {
            settings = *saved;
            m_profile = TImportProfiles::find(profile);
        } else {
            showMessage(error);
        }
    }
    applySettings(settings);
}

void TFrmImport::profileChosen(int index)
{
    if (!m_file || m_file->format != TImportFormat::Kind::Csv || index < 0)
        return;
    QString error;
    const std::optional<TCsvSettings> saved = TImportProfiles::load(cbbProfile->itemText(index), &error);
    if (!saved) {
        TMessageService::ShowErrorBox(error, this);
        return;
    }
    m_profile = cbbProfile->itemText(index);
    applySettings(*saved);
}

void TFrmImport::applySettings(const TCsvSettings& settings)
{
    grpSettings->askDateOrder(false);
    grpSettings->setSettings(settings, m_file->format, m_file->columns(settings));
    startReading();
}

void TFrmImport::settingsChanged()
{
    m_profile.clear();
    // The column titles and first values follow the delimiter, the encoding and the skipped lines.
    if (m_file)
        grpSettings->setSettings(grpSettings->settings(), m_file->format, m_file->columns(grpSettings->settings()));
    startReading();
}

void TFrmImport::startReading()
{
    if (!m_file)
        return;
    if (m_thread != nullptr) {
        m_readAgain = true;
        return;
    }
    auto reading = std::make_shared<Reading>();
    reading->generation = ++m_generation;
    reading->file = *m_file;
    reading->settings = grpSettings->settings();
    if (holderId() != 0)
        reading->known = TImportStore::knownFingerprints(holderId());
    m_reading = reading;
    m_thread = QThread::create([reading] {
        reading->preview =
            std::make_unique<TImportPreview>(reading->file.preview(reading->settings, reading->known, &reading->stop));
    });
    connect(m_thread, &QThread::finished, this, [this, reading] { readingDone(reading); });
    prgWork->setRange(0, 0);
    prgWork->show();
    showMessage(tr("Reading %1...").arg(m_file->fileName()));
    showState();
    m_thread->start();
}

void TFrmImport::readingDone(const std::shared_ptr<Reading>& reading)
{
    m_thread->deleteLater();
    m_thread = nullptr;
    m_reading.reset();
    prgWork->hide();
    if (m_readAgain) {
        m_readAgain = false;
        TErrorReport::run(this, [this] { startReading(); });
        return;
    }
    if (reading->generation != m_generation) {
        showState();
        return;
    }
    const TStatement& st = reading->preview->statement();
    // Rows that are bookings the user typed before the statement came are linked, not booked again.
    m_movedAfter = Currency();
    if (m_holder.ID != 0 && !st.rows.isEmpty()) {
        QDate from = st.rows.front().date, to = from;
        for (const TImportRow& row : st.rows) {
            from = std::min(from, row.date);
            to = std::max(to, row.date);
        }
        // Payments the standing orders expect first: a booked one is linked, a due one booked.
        if (const TExpectedPayments* payments = TExpectedPayments::installed())
            reading->preview->matchExpected(payments->expected(m_holder.ID, from.addDays(-TImportPreview::TypedDays),
                                                               to.addDays(TImportPreview::TypedDays)));
        reading->preview->matchTyped(TImportStore::typedBookings(m_holder.ID, from.addDays(-TImportPreview::TypedDays),
                                                                 to.addDays(TImportPreview::TypedDays)));
        if (const TBalanceProof::Result& proof = reading->preview->proof(); proof.closing)
            m_movedAfter = TImportStore::movedAfter(m_holder.ID, proof.closingDate);
    }
    const bool datedFormat = m_file->format != TImportFormat::Kind::Ofx;
    grpSettings->askDateOrder(datedFormat && st.dateOrderAmbiguous() && !reading->settings.dateOrderChosen);
    lblFormat->setText(m_file->format == TImportFormat::Kind::Ofx || m_file->format == TImportFormat::Kind::Unsupported
                           ? tr("%1 file").arg(m_file->formatName())
                           : tr("%1 file, %2").arg(m_file->formatName(), TTextEncoding::name(st.encoding)));
    m_model->setPreview(std::move(reading->preview));
    const TImportPreview& p = *m_model->preview();
    QString message;
    if (!hasHolders())
        message = noHolderYet();
    else if (grpSettings->isAskingDateOrder())
        message = tr("Every date of this file fits more than one order: is 03.04. the 3rd of April or "
                     "the 4th of March? Choose the date order under Settings before importing.");
    else if (p.rowCount() == 0 && !st.problems.isEmpty() && st.problems.front().line == 0)
        message = st.problems.front().reason; // the file as a whole: a spreadsheet, a damaged file
    else if (p.rowCount() == 0)
        message = tr("The file holds no transactions that could be read. Check the settings.");
    else if (m_model->problemCount() > 0)
        message = m_model->problemCount() == 1
                      ? tr("%Ln of the file's lines could not be read; it is marked in red with the reason "
                           "and not booked. Check the settings, or import the rest.",
                           nullptr, m_model->problemCount())
                      : tr("%Ln of the file's lines could not be read; they are marked in red with the reason "
                           "and not booked. Check the settings, or import the rest.",
                           nullptr, m_model->problemCount());
    else if (p.count(TImportPreview::Status::Imported) == p.rowCount())
        message = tr("Every row of this file was imported before.");
    // What the statement's balances prove, and the rows left unticked for a reason of their own.
    QStringList findings{message, m_model->proofText(), m_model->untickedText()};
    findings.removeAll(QString());
    showMessage(findings.join(u'\n'));
    showState();
}

void TFrmImport::cancelReading()
{
    if (m_reading)
        m_reading->stop = true;
    ++m_generation;
    m_readAgain = false;
    m_model->setPreview(nullptr);
    showMessage(tr("Reading the file was cancelled."));
    showState();
}

void TFrmImport::showMessage(const QString& text)
{
    lblMessage->setText(text);
    lblMessage->setVisible(!text.isEmpty());
}

void TFrmImport::showState()
{
    const TImportPreview* p = m_model->preview();
    const bool reading = m_thread != nullptr;
    lblTotals->setText(p != nullptr ? m_model->totalsText() : QString());
    QString balance;
    if (p != nullptr && m_holder.ID != 0) {
        balance = m_model->balanceText(m_holder.Name, m_holder.Balance);
        if (const QString closing = m_model->reconciliationText(m_holder.Name, m_holder.Balance, m_movedAfter);
            !closing.isEmpty())
            balance += u' ' + closing;
    }
    lblBalance->setText(balance);
    btnImport->setEnabled(!m_booking && !reading && p != nullptr &&
                          (p->tickedCount() > 0 || !p->linkedRows().isEmpty()) && m_holder.ID != 0 &&
                          !grpSettings->isAskingDateOrder() && p->balanceAfter(m_holder.Balance).has_value());
    btnSaveProfile->setEnabled(!m_booking && m_file && m_file->format == TImportFormat::Kind::Csv);
    btnClose->setText(m_booking || reading ? tr("Cancel") : tr("Close"));
    btnClose->setAccessibleName(btnClose->text());
}

QString TFrmImport::profileOfImport() const
{
    return m_file && m_file->format == TImportFormat::Kind::Csv ? m_profile : QString();
}

void TFrmImport::setBooking(bool booking)
{
    m_booking = booking;
    for (QWidget* w : std::initializer_list<QWidget*>{cbbHolder, btnBrowse, cbbProfile, btnSaveProfile, grpSettings,
                                                      tblPreview, btnTickNew, btnUntickAll, btnImport})
        w->setEnabled(!booking);
    prgWork->setVisible(booking);
    showState();
}

void TFrmImport::btnImportClick()
{
    if (!btnImport->isEnabled())
        return;
    const TImportPreview& preview = *m_model->preview();
    m_holder = TBooks::holder(holderId());
    if (m_holder.ID == 0) {
        TMessageService::ShowErrorBox(tr("The account or wallet no longer exists."), this);
        // The list loses it and the dialog waits for another choice.
        fillHolders();
        holderChanged();
        return;
    }
    auto reach = [this](Currency after) {
        return tr("\nThis import would bring the balance of %1 to %2.").arg(m_holder.Name, after.toMoneyString());
    };

    // The rows are booked on a worker thread with a connection of its own, in one transaction: the
    // window answers meanwhile (progress, Cancel), and nothing the window does can write into that
    // transaction. The store judges the negative-balance rule on the balance as it is then; its
    // question comes to this thread.
    auto booking = std::make_shared<Booking>();
    booking->path = TDM::current().databasePath();
    booking->import = {m_holder.ID, m_file->fileName(), profileOfImport()};
    booking->policy = TNegativePolicy::asking([this, reach](const TDataInfo&, Currency after) {
        bool yes = false;
        QMetaObject::invokeMethod(
            this,
            [&] {
                yes = TMessageService::show(
                          this, tr("Error"),
                          tr("The balance will go negative, are you sure to continue?!") + reach(after),
                          QMessageBox::Question, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
            },
            Qt::BlockingQueuedConnection);
        return yes;
    });
    m_cancelBooking = false;
    prgWork->setRange(0, 1);
    prgWork->setValue(0);
    setBooking(true);
    showMessage(tr("Booking %1...").arg(TImportPreviewModel::rowsText(preview.tickedCount())));
    QThread* worker = QThread::create([booking, &preview, this] {
        try {
            const std::unique_ptr<TDM> dm = TDM::openForThread(booking->path);
            const TDM::ThreadScope scope(*dm);
            booking->id = TImportStore::book(
                preview, booking->import,
                [booking, this](int done, int total) {
                    booking->done = done;
                    booking->total = total;
                    return !m_cancelBooking;
                },
                booking->policy);
        } catch (const TNegativeRefusal& refusal) {
            booking->refusal = refusal;
        } catch (const DbError& e) {
            booking->failure = e.text();
        } catch (const std::exception& e) {
            booking->failure = QString::fromLocal8Bit(e.what());
        }
    });
    QTimer progress;
    connect(&progress, &QTimer::timeout, this, [this, booking] {
        prgWork->setRange(0, std::max(1, booking->total.load()));
        prgWork->setValue(booking->done);
    });
    progress.start(RepaintEveryMs);
    QEventLoop wait;
    connect(worker, &QThread::finished, &wait, &QEventLoop::quit);
    worker->start();
    wait.exec();
    worker->wait();
    delete worker;
    setBooking(false);

    if (booking->refusal) {
        showMessage(QString());
        if (booking->refusal->reason() == TNegativeRefusal::Reason::Refused)
            TMessageService::ShowErrorBox(tr("The Account or wallet is not allowed go negative!") +
                                              reach(booking->refusal->balanceAfter()),
                                          this);
        showState();
        return;
    }
    if (!booking->failure.isEmpty()) {
        showMessage(QString());
        TMessageService::ShowErrorBox(tr("The import failed; nothing was booked.\n%1").arg(booking->failure), this);
        return;
    }
    if (!booking->id) {
        showMessage(tr("The import was cancelled; nothing was booked."));
        return;
    }
    m_importedHolder = m_holder.ID;
    done(mrOk);
}

void TFrmImport::btnSaveProfileClick()
{
    const QString name = cbbProfile->currentText().trimmed();
    if (name.isEmpty()) {
        TMessageService::ShowErrorBox(tr("Type a name for the profile into the Profile box, such as your bank's."),
                                      this);
        cbbProfile->setFocus(Qt::OtherFocusReason);
        return;
    }
    const TCsvSettings settings = grpSettings->settings();
    if (const QString problem = settings.check(); !problem.isEmpty()) {
        TMessageService::ShowErrorBox(tr("These settings cannot read a file yet: %1").arg(problem), this);
        return;
    }
    const QString existing = TImportProfiles::find(name);
    if (!existing.isEmpty() && existing != m_profile &&
        !TMessageService::ask(this, tr("A profile named \"%1\" exists already. Replace it?").arg(existing),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes))
        return;
    m_profile = TImportProfiles::save(name, settings, holderId());
    fillProfiles(m_profile);
    showMessage(tr("The settings are saved as the profile \"%1\".").arg(m_profile));
}

void TFrmImport::btnCloseClick()
{
    if (m_booking)
        m_cancelBooking = true;
    else if (m_thread != nullptr)
        cancelReading();
    else
        done(mrCancel);
}

void TFrmImport::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}

void TFrmImport::reject()
{
    // Esc and the title bar's close button stop booking first; the rows already booked are rolled back.
    if (m_booking)
        m_cancelBooking = true;
    else
        done(mrCancel);
}

void TFrmImport::closeEvent(QCloseEvent* event)
{
    if (m_booking) {
        m_cancelBooking = true;
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

bool TFrmImport::eventFilter(QObject* watched, QEvent* event)
{
    // Space ticks the selected rows when any of them is unticked, else unticks them all. With none
    // selected, as when Tab or Alt+V has just brought the focus in, it acts on the current row.
    if (watched == tblPreview && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space && m_model->preview() != nullptr) {
        QList<int> rows;
        bool anyUnticked = false;
        QModelIndexList chosen = tblPreview->selectionModel()->selectedRows();
        if (chosen.isEmpty() && tblPreview->currentIndex().isValid())
            chosen.append(tblPreview->currentIndex());
        for (const QModelIndex& index : chosen) {
            const int i = m_model->transactionAt(index.row());
            if (i < 0)
                continue;
            rows.append(index.row());
            anyUnticked = anyUnticked || !m_model->preview()->isTicked(i);
        }
        m_model->setTicked(rows, anyUnticked);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
