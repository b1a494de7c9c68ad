#include "orders/TFrmStandingOrder.h"

#include "bookings/TAmountInput.h"
#include "bookings/TBookingStore.h"
#include "bookings/TBookingWidgets.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "help/THelpRouter.h"
#include "orders/TOrderStore.h"
#include "orders/TOrderTexts.h"
#include "toolkit/TDateTimeEdit.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

QRadioButton* radio(const char* name, const QString& caption, QWidget* parent)
{
    auto* button = new QRadioButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

TFrmStandingOrder::TFrmStandingOrder(QWidget* parent)
    : TDialog(QSize(560, 380), parent)
{
    setObjectName(QStringLiteral("FrmStandingOrder"));
    setWindowTitle(tr("New Standing Order"));
    createControls();
    fitToContents();
    rbDebit->setChecked(true);
    kindChanged();
    rbNoEnd->setChecked(true);
    endChanged();
}

TFrmStandingOrder::~TFrmStandingOrder() = default;

void TFrmStandingOrder::createControls()
{
    // The booking: kind, holders, counterparty, amount, For and Memo.
    auto* grpBooking = new QGroupBox(tr("Booking"), this);
    grpBooking->setObjectName(QStringLiteral("grpBooking"));
    rbDeposit = radio("rbDeposit", tr("D&eposit"), grpBooking);
    rbDebit = radio("rbDebit", tr("&Debit"), grpBooking);
    rbTransfer = radio("rbTransfer", tr("&Transfer"), grpBooking);
    auto* kinds = new QHBoxLayout;
    for (QRadioButton* button : {rbDeposit, rbDebit, rbTransfer})
        kinds->addWidget(button);
    kinds->addStretch(1);

    cbbHolder = TBookingWidgets::makeHolderList("cbbHolder", grpBooking);
    lblHolder = TBookingWidgets::makeLabel("lblHolder", tr("Acc/&Wal:"), cbbHolder, grpBooking);
    cbbDest = TBookingWidgets::makeHolderList("cbbDest", grpBooking);
    lblDest = TBookingWidgets::makeLabel("lblDest", tr("De&stination:"), cbbDest, grpBooking);
    cbbCounterparty = TBookingWidgets::makeCounterparty("cbbCounterparty", grpBooking);
    lblCounterparty = TBookingWidgets::makeLabel("lblCounterparty", tr("&From/To:"), cbbCounterparty, grpBooking);
    edtAmount = TBookingWidgets::makeAmountEdit(grpBooking);
    edtAmount->setObjectName(QStringLiteral("edtAmount"));
    auto* lblAmount = TBookingWidgets::makeLabel("lblAmount", tr("&Amount:"), edtAmount, grpBooking);
    edtFor = TBookingWidgets::makeLineEdit("edtFor", grpBooking);
    auto* lblFor = TBookingWidgets::makeLabel("lblFor", tr("F&or:"), edtFor, grpBooking);
    mmoMemo = TBookingWidgets::makeMemo(grpBooking);
    auto* lblMemo = TBookingWidgets::makeLabel("lblMemo", tr("&Memo:"), mmoMemo, grpBooking);

    auto* booking = new QGridLayout(grpBooking);
    booking->setContentsMargins(8, 6, 8, 6);
    booking->setVerticalSpacing(4);
    booking->addLayout(kinds, 0, 0, 1, 2);
    int row = 1;
    for (auto [label, field] : {std::pair<QLabel*, QWidget*>{lblHolder, cbbHolder},
                                {lblDest, cbbDest},
                                {lblCounterparty, cbbCounterparty},
                                {lblAmount, edtAmount},
                                {lblFor, edtFor},
                                {lblMemo, mmoMemo}}) {
        booking->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
        booking->addWidget(field, row, 1);
        ++row;
    }
    booking->setRowStretch(row - 1, 1);
    booking->setColumnStretch(1, 1);

    // The rhythm: every N units from the first date, its end, the weekend, and how it is booked.
    auto* grpRhythm = new QGroupBox(tr("Rhythm"), this);
    grpRhythm->setObjectName(QStringLiteral("grpRhythm"));
    spnEvery = new QSpinBox(grpRhythm);
    spnEvery->setObjectName(QStringLiteral("spnEvery"));
    spnEvery->setRange(1, 999);
    auto* lblEvery = TBookingWidgets::makeLabel("lblEvery", tr("E&very:"), spnEvery, grpRhythm);
    cbbUnit = new QComboBox(grpRhythm);
    cbbUnit->setObjectName(QStringLiteral("cbbUnit"));
    cbbUnit->addItems(TOrderTexts::units());
    cbbUnit->setCurrentIndex(int(TStandingOrder::Unit::Months));
    cbbUnit->setAccessibleName(tr("Unit"));
    dtpFirst = TDateTimeEdit::datePicker("dtpFirst", tr("First date"), grpRhythm);
    dtpFirst->setDate(TClock::now().date());
    auto* lblFirst = TBookingWidgets::makeLabel("lblFirst", tr("F&irst date:"), dtpFirst, grpRhythm);

    rbNoEnd = radio("rbNoEnd", tr("&No end"), grpRhythm);
    rbUntil = radio("rbUntil", tr("&Until:"), grpRhythm);
    dtpUntil = TDateTimeEdit::datePicker("dtpUntil", tr("Last date"), grpRhythm);
    dtpUntil->setDate(TClock::now().date());
    rbTimes = radio("rbTimes", tr("Num&ber of times:"), grpRhythm);
    spnTimes = new QSpinBox(grpRhythm);
    spnTimes->setObjectName(QStringLiteral("spnTimes"));
    spnTimes->setRange(1, 9999);
    spnTimes->setValue(12);
    spnTimes->setAccessibleName(tr("Number of times"));
    auto* ends = new QButtonGroup(this);
    for (QRadioButton* button : {rbNoEnd, rbUntil, rbTimes})
        ends->addButton(button);

    cbbWeekend = new QComboBox(grpRhythm);
    cbbWeekend->setObjectName(QStringLiteral("cbbWeekend"));
    cbbWeekend->addItems(TOrderTexts::weekendRules());
    auto* lblWeekend = TBookingWidgets::makeLabel("lblWeekend", tr("On a Saturday or Sunday:"), cbbWeekend, grpRhythm);
    cbbWeekend->setAccessibleName(tr("On a Saturday or Sunday"));
    chkVarying = new QCheckBox(tr("Amount &varies"), grpRhythm);
    chkVarying->setObjectName(QStringLiteral("chkVarying"));
    chkAutomatic = new QCheckBox(tr("Book by itself without &asking"), grpRhythm);
    chkAutomatic->setObjectName(QStringLiteral("chkAutomatic"));

    auto* rhythm = new QGridLayout(grpRhythm);
    rhythm->setContentsMargins(8, 6, 8, 6);
    rhythm->setVerticalSpacing(4);
    auto* every = new QHBoxLayout;
    every->addWidget(spnEvery);
    every->addWidget(cbbUnit, 1);
    rhythm->addWidget(lblEvery, 0, 0);
    rhythm->addLayout(every, 0, 1);
    rhythm->addWidget(lblFirst, 1, 0);
    rhythm->addWidget(dtpFirst, 1, 1);
    rhythm->addWidget(rbNoEnd, 2, 0, 1, 2);
    rhythm->addWidget(rbUntil, 3, 0);
    rhythm->addWidget(dtpUntil, 3, 1);
    rhythm->addWidget(rbTimes, 4, 0);
    rhythm->addWidget(spnTimes, 4, 1);
    rhythm->addWidget(lblWeekend, 5, 0, 1, 2);
    rhythm->addWidget(cbbWeekend, 6, 0, 1, 2);
    rhythm->addWidget(chkVarying, 7, 0, 1, 2);
    rhythm->addWidget(chkAutomatic, 8, 0, 1, 2);
    rhythm->setRowStretch(9, 1);

    btnHelp = TBookingWidgets::makeButton("btnHelp", tr("&Help"), this);
    btnOK = TBookingWidgets::makeButton("btnOK", tr("&OK"), this);
    btnOK->setDefault(true);
    btnClose = TBookingWidgets::makeButton("btnClose", tr("&Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);

    auto* columns = new QHBoxLayout;
    columns->addWidget(grpBooking, 3);
    columns->addWidget(grpRhythm, 2);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(8, 6, 8, 8);
    all->addLayout(columns, 1);
    all->addLayout(buttons);

    const QList<QWidget*> order{rbDeposit,  rbDebit,      rbTransfer, cbbHolder, cbbDest,  cbbCounterparty,
                                edtAmount,  edtFor,       mmoMemo,    spnEvery,  cbbUnit,  dtpFirst,
                                rbNoEnd,    rbUntil,      dtpUntil,   rbTimes,   spnTimes, cbbWeekend,
                                chkVarying, chkAutomatic, btnHelp,    btnOK,     btnClose};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    for (QRadioButton* button : {rbDeposit, rbDebit, rbTransfer})
        connect(button, &QRadioButton::toggled, this, &TFrmStandingOrder::kindChanged);
    for (QRadioButton* button : {rbNoEnd, rbUntil, rbTimes})
        connect(button, &QRadioButton::toggled, this, &TFrmStandingOrder::endChanged);
    connect(btnOK, &QPushButton::clicked, this, &TFrmStandingOrder::btnOKClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TFrmStandingOrder::btnHelpClick);
    setProperty("helpContext", HelpContext);

    TErrorReport::run(this, [this] {
        fillHolderList(cbbHolder);
        fillHolderList(cbbDest);
    });
}

void TFrmStandingOrder::fillHolderList(QComboBox* list)
{
    list->clear();
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All))
        list->addItem(holder.Name, holder.ID);
    list->setCurrentIndex(-1);
}

void TFrmStandingOrder::choose(QComboBox* list, qint32 id)
{
    list->setCurrentIndex(list->findData(id));
}

void TFrmStandingOrder::kindChanged()
{
    const bool transfer = rbTransfer->isChecked();
    lblHolder->setText(transfer ? tr("Acc/&Wal (source):") : tr("Acc/&Wal:"));
    lblDest->setEnabled(transfer);
    cbbDest->setEnabled(transfer);
    // The counterparties of earlier bookings of the kind chosen.
    const QString typed = cbbCounterparty->currentText();
    cbbCounterparty->clear();
    TErrorReport::run(this, [this, transfer] {
        TBookingWidgets::setSuggestions(cbbCounterparty,
                                        transfer ? TBookingStore::transferCounterparties()
                                                 : TBookingStore::detailCounterparties(rbDeposit->isChecked() ? 0 : 1));
    });
    cbbCounterparty->setEditText(typed);
}

void TFrmStandingOrder::endChanged()
{
    dtpUntil->setEnabled(rbUntil->isChecked());
    spnTimes->setEnabled(rbTimes->isChecked());
}

void TFrmStandingOrder::setOrder(const TStandingOrder& order)
{
    m_order = order;
    switch (order.kind) {
    case TStandingOrder::Kind::Deposit:
        rbDeposit->setChecked(true);
        break;
    case TStandingOrder::Kind::Debit:
        rbDebit->setChecked(true);
        break;
    case TStandingOrder::Kind::Transfer:
        rbTransfer->setChecked(true);
        break;
    }
    kindChanged();
    choose(cbbHolder, order.holder);
    choose(cbbDest, order.destination);
    cbbCounterparty->setEditText(order.counterparty);
    edtAmount->setText(order.amount.isZero() ? QString() : order.amount.toPlainString());
    edtFor->setText(order.forText);
    mmoMemo->setPlainText(order.memo);
    spnEvery->setValue(order.every);
    cbbUnit->setCurrentIndex(int(order.unit));
    if (order.first.isValid())
        dtpFirst->setDate(order.first);
    if (order.last.isValid()) {
        rbUntil->setChecked(true);
        dtpUntil->setDate(order.last);
    } else if (order.times > 0) {
        rbTimes->setChecked(true);
        spnTimes->setValue(order.times);
    } else {
        rbNoEnd->setChecked(true);
    }
    endChanged();
    cbbWeekend->setCurrentIndex(int(order.weekend));
    chkVarying->setChecked(order.varying);
    chkAutomatic->setChecked(order.automatic);
    setWindowTitle(order.ID > 0 ? tr("Edit Standing Order") : tr("New Standing Order"));
}

void TFrmStandingOrder::refuse(const QString& text, QWidget* field)
{
    TMessageService::ShowErrorBox(text, this);
    field->setFocus(Qt::OtherFocusReason);
}

bool TFrmStandingOrder::readInput(TStandingOrder& order)
{
    order.kind = rbDeposit->isChecked()    ? TStandingOrder::Kind::Deposit
                 : rbTransfer->isChecked() ? TStandingOrder::Kind::Transfer
                                           : TStandingOrder::Kind::Debit;
    const bool transfer = order.kind == TStandingOrder::Kind::Transfer;
    order.holder = cbbHolder->currentIndex() >= 0 ? cbbHolder->currentData().toInt() : 0;
    order.destination = transfer && cbbDest->currentIndex() >= 0 ? cbbDest->currentData().toInt() : 0;
    if (order.holder <= 0) {
        refuse(transfer ? tr("Please select Source Account/Wallet!") : tr("Please select an Account/Wallet!"),
               cbbHolder);
        return false;
    }
    if (transfer && order.destination <= 0) {
        refuse(tr("Please select Destination Account/Wallet!"), cbbDest);
        return false;
    }
    if (transfer && order.destination == order.holder) {
        refuse(tr("The source and the destination must be two different Accounts/Wallets."), cbbDest);
        return false;
    }
    order.counterparty = cbbCounterparty->currentText().trimmed();
    if (order.counterparty.isEmpty()) {
        refuse(tr("Please input inofrmation for \"From\""), cbbCounterparty);
        return false;
    }
    const TAmountInput::Result amount = TAmountInput::read(edtAmount->text());
    switch (amount.status) {
    case TAmountInput::Status::Empty:
        refuse(tr("Please input the amount of the standing order."), edtAmount);
        return false;
    case TAmountInput::Status::NotANumber:
        refuse(tr("The amount of the standing order is not a valid number."), edtAmount);
        edtAmount->selectAll();
        return false;
    case TAmountInput::Status::NotPositive:
        refuse(tr("The amount of the standing order must be a positive number."), edtAmount);
        edtAmount->selectAll();
        return false;
    case TAmountInput::Status::Ok:
        break;
    }
    order.amount = amount.value;
    order.forText = edtFor->text();
    order.memo = mmoMemo->toPlainText();
    order.every = spnEvery->value();
    order.unit = TStandingOrder::Unit(cbbUnit->currentIndex());
    order.first = dtpFirst->date();
    order.last = rbUntil->isChecked() ? dtpUntil->date() : QDate();
    order.times = rbTimes->isChecked() ? spnTimes->value() : 0;
    if (order.last.isValid() && order.last < order.first) {
        refuse(tr("The last date lies before the first date."), dtpUntil);
        return false;
    }
    order.weekend = TStandingOrder::Weekend(cbbWeekend->currentIndex());
    order.varying = chkVarying->isChecked();
    order.automatic = chkAutomatic->isChecked();
    return true;
}

void TFrmStandingOrder::btnOKClick()
{
    TStandingOrder order = m_order;
    if (!readInput(order))
        return;
    try {
        order.ID = TOrderStore::save(order);
    } catch (const std::invalid_argument& wrong) {
        TMessageService::ShowErrorBox(
            tr("This is not a standing order that can be kept: %1").arg(QString::fromUtf8(wrong.what())), this);
        return;
    } catch (const std::exception&) {
        // Rolled back: nothing was written, and the dialog keeps everything as typed.
        TMessageService::ShowErrorBox(tr("Error occured!"), this);
        return;
    }
    m_order = order;
    accept();
}

void TFrmStandingOrder::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}
