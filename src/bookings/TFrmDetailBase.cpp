#include "bookings/TFrmDetailBase.h"

#include "bookings/TAmountInput.h"
#include "bookings/TBookingStore.h"
#include "bookings/TBookingWidgets.h"
#include "bookings/TNegativePolicy.h"
#include "data/TBooks.h"
#include "data/TClock.h"
#include "data/TDM.h"
#include "help/THelpRouter.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TImageBase.h"
#include "toolkit/TMessageService.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <exception>

namespace {

// What sets the twins apart, by DetailKind.
struct Texts
{
    const char* caption;
    const char* editCaption;
    int helpContext;
    const char* group;
    const char* counterpartyLabel;
    const char* counterpartyName;
    QSize clientSize;
};

const Texts& textsOf(int type)
{
    static const Texts deposit{QT_TRANSLATE_NOOP("TFrmDetailBase", "Deposit"),
                               QT_TRANSLATE_NOOP("TFrmDetailBase", "Edit Deposit"),
                               1009,
                               QT_TRANSLATE_NOOP("TFrmDetailBase", "Receive info"),
                               QT_TRANSLATE_NOOP("TFrmDetailBase", "From:"),
                               "cbbFrom",
                               QSize(537, 241)};
    static const Texts debit{QT_TRANSLATE_NOOP("TFrmDetailBase", "Debit"),
                             QT_TRANSLATE_NOOP("TFrmDetailBase", "Edit Debit"),
                             1010,
                             QT_TRANSLATE_NOOP("TFrmDetailBase", "Debit info"),
                             QT_TRANSLATE_NOOP("TFrmDetailBase", "To:"),
                             "cbbTo",
                             QSize(540, 240)};
    return type == TDetailRow::Debit ? debit : deposit;
}

} // namespace

TFrmDetailBase::TFrmDetailBase(int type, QWidget* parent)
    : TDialog(textsOf(type).clientSize, parent)
    , m_Type(type)
{
    const Texts& texts = textsOf(m_Type);
    setObjectName(m_Type == TDetailRow::Debit ? QStringLiteral("FrmDebit") : QStringLiteral("FrmDeposit"));
    setWindowTitle(tr(texts.caption));
    createControls();
    fitToContents();
    FormCreate();
}

TFrmDetailBase::~TFrmDetailBase() = default;

int TFrmDetailBase::helpContext() const
{
    return textsOf(m_Type).helpContext;
}

bool TFrmDetailBase::isDebit() const
{
    return m_Type == TDetailRow::Debit;
}

void TFrmDetailBase::createControls()
{
    const Texts& texts = textsOf(m_Type);

    // Left: the holder on its tile, the family and the holder list.
    grpPanel = new QGroupBox(tr("Account info"), this);
    grpPanel->setObjectName(QStringLiteral("grpPanel"));
    m_Tile = new TImageBase(grpPanel);
    m_Tile->setObjectName(QStringLiteral("imgHolder"));
    auto* tileLayout = new QVBoxLayout(grpPanel);
    tileLayout->setContentsMargins(10, 10, 10, 10);
    tileLayout->addWidget(m_Tile, 0, Qt::AlignLeft | Qt::AlignTop);
    grpPanel->setMinimumSize(162, 116);

    rbAccount = new QRadioButton(tr("Account"), this);
    rbAccount->setObjectName(QStringLiteral("rbAccount"));
    rbWallet = new QRadioButton(tr("Wallet"), this);
    rbWallet->setObjectName(QStringLiteral("rbWallet"));
    cbbInf = TBookingWidgets::makeHolderList("cbbInf", this);
    lbl6 = TBookingWidgets::makeLabel("lbl6", tr("Change Account/Wallet"), cbbInf, this);

    auto* family = new QHBoxLayout;
    family->addWidget(rbAccount);
    family->addWidget(rbWallet);
    family->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(grpPanel);
    left->addLayout(family);
    left->addWidget(lbl6);
    left->addWidget(cbbInf);
    left->addStretch(1);

    // Right: the booking fields.
    grp2 = new QGroupBox(tr(texts.group), this);
    grp2->setObjectName(QStringLiteral("grp2"));
    dtpDate = TBookingWidgets::makeDatePicker("dtpDate", grp2);
    lbl4 = TBookingWidgets::makeLabel("lbl4", tr("Date:"), dtpDate, grp2);
    m_Counterparty = TBookingWidgets::makeCounterparty(texts.counterpartyName, grp2);
    lbl1 = TBookingWidgets::makeLabel("lbl1", tr(texts.counterpartyLabel), m_Counterparty, grp2);
    edtAmmount = TBookingWidgets::makeAmountEdit(grp2);
    lbl5 = TBookingWidgets::makeLabel("lbl5", tr("Amount:"), edtAmmount, grp2);
    edtFor = TBookingWidgets::makeLineEdit("edtFor", grp2);
    lbl2 = TBookingWidgets::makeLabel("lbl2", tr("For:"), edtFor, grp2);
    mmoMemo = TBookingWidgets::makeMemo(grp2);
    lbl3 = TBookingWidgets::makeLabel("lbl3", tr("Memo:"), mmoMemo, grp2);

    auto* fields = new QGridLayout(grp2);
    fields->setContentsMargins(8, 6, 8, 6);
    fields->setVerticalSpacing(4);
    int row = 0;
    for (auto [label, field] : {std::pair<QLabel*, QWidget*>{lbl4, dtpDate},
                                {lbl1, m_Counterparty},
                                {lbl5, edtAmmount},
                                {lbl2, edtFor},
                                {lbl3, mmoMemo}}) {
        fields->addWidget(label, row, 0, Qt::AlignLeft | Qt::AlignTop);
        fields->addWidget(field, row, 1);
        ++row;
    }
    fields->setRowStretch(row - 1, 1);
    fields->setColumnStretch(1, 1);

    // The buttons.
    pnl1 = new QFrame(this);
    pnl1->setObjectName(QStringLiteral("pnl1"));
    pnl1->setFrameShape(QFrame::NoFrame);
    btnHelp = TBookingWidgets::makeButton("btnHelp", tr("&Help"), pnl1);
    btnOK = TBookingWidgets::makeButton("btnOK", tr("&OK"), pnl1);
    btnOK->setDefault(true);
    btnClose = TBookingWidgets::makeButton("btnClose", tr("&Close"), pnl1);
    auto* buttons = new QHBoxLayout(pnl1);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);

    auto* right = new QVBoxLayout;
    right->addWidget(grp2, 1);
    right->addWidget(pnl1);

    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(8, 6, 8, 8);
    columns->addLayout(left);
    columns->addLayout(right, 1);

    setTabOrder(rbAccount, rbWallet);
    setTabOrder(rbWallet, cbbInf);
    setTabOrder(cbbInf, dtpDate);
    setTabOrder(dtpDate, m_Counterparty);
    setTabOrder(m_Counterparty, edtAmmount);
    setTabOrder(edtAmmount, edtFor);
    setTabOrder(edtFor, mmoMemo);
    setTabOrder(mmoMemo, btnHelp);
    setTabOrder(btnHelp, btnOK);
    setTabOrder(btnOK, btnClose);

    connect(rbAccount, &QRadioButton::clicked, this, &TFrmDetailBase::rbAccountClick);
    connect(rbWallet, &QRadioButton::clicked, this, &TFrmDetailBase::rbAccountClick);
    connect(cbbInf, &QComboBox::activated, this, &TFrmDetailBase::cbbInfChange);
    connect(btnOK, &QPushButton::clicked, this, &TFrmDetailBase::btnOKClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TFrmDetailBase::btnHelpClick);
    // F1 asks for the same context through the dialog's property.
    setProperty("helpContext", helpContext());
}

void TFrmDetailBase::FormCreate()
{
    // The text fields start empty.
    dtpDate->setDateTime(TClock::now());
    m_Activated = false;
    m_Holder = TDataInfo();
    m_IsWallet = false;
    // Every counterparty of earlier bookings of the same kind.
    TBookingWidgets::setSuggestions(m_Counterparty, TBookingStore::detailCounterparties(m_Type));
}

void TFrmDetailBase::PresetHolder(qint32 holderId)
{
    m_Holder = TBooks::holder(holderId);
    m_IsWallet = m_Holder.isWallet();
    if (m_Activated)
        showHolder();
}

void TFrmDetailBase::LoadForEdit(qint32 detailId)
{
    m_EditID = detailId;
    // A missing row reads as empty fields and no holder.
    const std::optional<TDetailRow> row = TBookingStore::loadDetail(detailId);
    if (row) {
        dtpDate->setDateTime(row->Date);
        m_Counterparty->setEditText(row->From);
        m_OldAmount = row->Amount;
        edtAmmount->setText(m_OldAmount.toPlainString());
        edtFor->setText(row->For);
        mmoMemo->setPlainText(row->Memo);
    }
    m_OldHolderID = row ? row->DestID : 0;
    PresetHolder(m_OldHolderID);
    setWindowTitle(tr(textsOf(m_Type).editCaption));
}

bool TFrmDetailBase::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_Activated)
        TErrorReport::run(this, [this] { FormActivate(); });
    return QDialog::event(event);
}

void TFrmDetailBase::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TErrorReport::run(this, [this] { FormActivate(); });
    // The holder is chosen already (from its tile, or the booking's own): the typing starts with
    // the counterparty.
    if (m_Holder.ID > 0)
        m_Counterparty->setFocus(Qt::OtherFocusReason);
}

void TFrmDetailBase::FormActivate()
{
    rbAccount->setChecked(!m_IsWallet);
    rbWallet->setChecked(m_IsWallet);
    fillHolderList();
    // The holder is found in the list by its id: two holders may share a name.
    const int row = cbbInf->findData(m_Holder.ID);
    if (row >= 0)
        cbbInf->setCurrentIndex(row);
    showHolder();
    m_Activated = true;
}

void TFrmDetailBase::fillHolderList()
{
    cbbInf->clear();
    m_ListIsWallet = !rbAccount->isChecked();
    for (const TDataInfo& holder : TBooks::holders(m_ListIsWallet ? THolderFamily::Wallets : THolderFamily::Accounts))
        cbbInf->addItem(holder.Name, holder.ID);
    if (cbbInf->count() > 0)
        cbbInf->setCurrentIndex(0);
}

void TFrmDetailBase::showHolder()
{
    m_Tile->SetData(&m_Holder, m_IsWallet);
}

void TFrmDetailBase::rbAccountClick()
{
    // Only a change of family refills the list: clicking the family already shown keeps the holder.
    if (!m_Activated || rbWallet->isChecked() == m_ListIsWallet)
        return;
    TErrorReport::run(this, [this] {
        fillHolderList();
        // The first holder of the family becomes current; with none, the current holder stays.
        if (cbbInf->currentIndex() >= 0)
            cbbInfChange(cbbInf->currentIndex());
    });
}

void TFrmDetailBase::cbbInfChange(int index)
{
    if (index < 0)
        return;
    TErrorReport::run(this, [this, index] {
        m_IsWallet = rbWallet->isChecked();
        m_Holder = TBooks::holder(cbbInf->itemData(index).toInt());
        showHolder();
    });
}

QString TFrmDetailBase::counterpartyText() const
{
    return m_Counterparty->currentText().trimmed();
}

void TFrmDetailBase::btnOKClick()
{
    // The same texts serve both kinds, so the debit speaks of "From" and of "deposit" too.
    if (counterpartyText().isEmpty()) {
        TMessageService::ShowErrorBox(tr("Please input inofrmation for \"From\""), this);
        m_Counterparty->setFocus(Qt::OtherFocusReason);
        return;
    }
    const TAmountInput::Result amount = TAmountInput::read(edtAmmount->text());
    switch (amount.status) {
    case TAmountInput::Status::Empty:
        TMessageService::ShowErrorBox(tr("Please input the AMOUNT for deposit"), this);
        edtAmmount->setFocus(Qt::OtherFocusReason);
        return;
    case TAmountInput::Status::NotANumber:
        TMessageService::ShowErrorBox(tr("The AMOUNT for deposit is not a valid number."), this);
        TBookingWidgets::focusSelected(edtAmmount);
        return;
    case TAmountInput::Status::NotPositive:
        TMessageService::ShowErrorBox(tr("The AMOUNT for deposit must be a positive number."), this);
        TBookingWidgets::focusSelected(edtAmmount);
        return;
    case TAmountInput::Status::Ok:
        break;
    }

    TDetailRow row;
    row.ID = m_EditID;
    row.Type = m_Type;
    row.DestID = m_Holder.ID;
    row.Date = dtpDate->dateTime();
    row.From = counterpartyText();
    row.Amount = amount.value;
    row.For = edtFor->text();
    row.Memo = mmoMemo->toPlainText();
    // The store judges a debit's negative-balance rule as it writes (an edit gives the stored debit
    // back to its holder first: making a debit smaller is never refused, and a debit moved to another
    // holder is judged on that holder's balance alone), and asks this dialog's question.
    try {
        TBookingStore::saveDetail(
            row, TBookingWidgets::negativePolicy(this, tr("The balance will go negative, are you sure to continue?!")));
    } catch (const TNegativeRefusal& refusal) {
        TBookingWidgets::refused(this, refusal, tr("The Account or wallet is not allowed go negative!"), edtAmmount);
        return;
    } catch (const std::exception&) {
        // Rolled back: nothing was written, and the dialog keeps everything as typed.
        TMessageService::ShowErrorBox(tr("Error occured!"), this);
        return;
    }
    accept();
}

void TFrmDetailBase::btnHelpClick()
{
    THelpRouter::showContext(helpContext());
}
