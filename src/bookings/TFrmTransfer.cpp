#include "bookings/TFrmTransfer.h"

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
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <exception>

namespace {

QString accountSection()
{
    return QCoreApplication::translate("TFrmTransfer", "---Account---");
}
QString walletSection()
{
    return QCoreApplication::translate("TFrmTransfer", "---Wallet---");
}
// Item data of a holder row: its id (section rows carry none) and whether it is a wallet.
constexpr int IdRole = Qt::UserRole;
constexpr int WalletRole = Qt::UserRole + 1;

// A group box that shows one side's holder tile (blank until a holder is chosen); the side's list
// with its "Change" label goes under the tile.
QGroupBox* sideBox(const char* name, const QString& title, TImageBase*& tile, QWidget* parent)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QString::fromLatin1(name));
    tile = new TImageBase(box);
    tile->setObjectName(QString::fromLatin1(name) + QStringLiteral("Tile"));
    tile->setMinimumSize(140, 80);
    return box;
}

} // namespace

TFrmTransfer::TFrmTransfer(QWidget* parent)
    : TDialog(QSize(541, 325), parent)
{
    setObjectName(QStringLiteral("FrmTransfer"));
    setWindowTitle(tr("Transfer"));
    createControls();
    fitToContents();
    FormCreate();
}

TFrmTransfer::~TFrmTransfer() = default;

QString TFrmTransfer::holderRowText(const QString& name)
{
    return QStringLiteral("    ") + name;
}

void TFrmTransfer::createControls()
{
    grpSource = sideBox("grpSource", tr("Source"), m_SourceTile, this);
    cbbInf1 = TBookingWidgets::makeHolderList("cbbInf1", grpSource);
    lbl6 = TBookingWidgets::makeLabel("lbl6", tr("Change"), cbbInf1, grpSource);
    cbbInf1->setAccessibleName(tr("Source"));
    grpDest = sideBox("grpDest", tr("Destination"), m_DestTile, this);
    cbbInf2 = TBookingWidgets::makeHolderList("cbbInf2", grpDest);
    lbl1 = TBookingWidgets::makeLabel("lbl1", tr("Change"), cbbInf2, grpDest);
    cbbInf2->setAccessibleName(tr("Destination"));
    for (auto [box, tile, label, list] :
         {std::tuple{grpSource, m_SourceTile, lbl6, cbbInf1}, std::tuple{grpDest, m_DestTile, lbl1, cbbInf2}}) {
        auto* layout = new QGridLayout(box);
        layout->setContentsMargins(10, 10, 10, 8);
        layout->setVerticalSpacing(2);
        layout->addWidget(tile, 0, 0, 1, 2, Qt::AlignLeft | Qt::AlignTop);
        layout->addWidget(label, 1, 0);
        layout->addWidget(list, 1, 1);
        layout->setColumnStretch(1, 1);
    }

    grp3 = new QGroupBox(tr("Transfer info"), this);
    grp3->setObjectName(QStringLiteral("grp3"));
    dtpDate = TBookingWidgets::makeDatePicker("dtpDate", grp3);
    lbl4 = TBookingWidgets::makeLabel("lbl4", tr("Date:"), dtpDate, grp3);
    cbbFrom = TBookingWidgets::makeCounterparty("cbbFrom", grp3);
    lbl5 = TBookingWidgets::makeLabel("lbl5", tr("From:"), cbbFrom, grp3);
    edtAmmount = TBookingWidgets::makeAmountEdit(grp3);
    lbl7 = TBookingWidgets::makeLabel("lbl7", tr("Amount:"), edtAmmount, grp3);
    edtFor = TBookingWidgets::makeLineEdit("edtFor", grp3);
    lbl2 = TBookingWidgets::makeLabel("lbl2", tr("For:"), edtFor, grp3);
    mmoMemo = TBookingWidgets::makeMemo(grp3);
    lbl3 = TBookingWidgets::makeLabel("lbl3", tr("Memo:"), mmoMemo, grp3);

    // Date, From and Amount on the left; For and the memo on the right.
    auto* fields = new QGridLayout(grp3);
    fields->setContentsMargins(8, 6, 8, 6);
    fields->setVerticalSpacing(4);
    fields->addWidget(lbl4, 0, 0);
    fields->addWidget(dtpDate, 0, 1);
    fields->addWidget(lbl5, 1, 0);
    fields->addWidget(cbbFrom, 1, 1);
    fields->addWidget(lbl7, 2, 0);
    fields->addWidget(edtAmmount, 2, 1);
    fields->addWidget(lbl2, 0, 2);
    fields->addWidget(edtFor, 0, 3);
    fields->addWidget(lbl3, 1, 2, Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(mmoMemo, 1, 3, 2, 1);
    fields->setColumnStretch(1, 1);
    fields->setColumnStretch(3, 1);
    fields->setRowStretch(3, 1);

    btn1 = TBookingWidgets::makeButton("btn1", tr("&Help"), this);
    btnSave = TBookingWidgets::makeButton("btnSave", tr("&Save"), this);
    btnSave->setDefault(true);
    btn3 = TBookingWidgets::makeButton("btn3", tr("&Close"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btn1);
    buttons->addStretch(1);
    buttons->addWidget(btnSave);
    buttons->addWidget(btn3);

    auto* sides = new QHBoxLayout;
    sides->addWidget(grpSource, 1);
    sides->addWidget(grpDest, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addLayout(sides);
    layout->addWidget(grp3, 1);
    layout->addLayout(buttons);

    setTabOrder(cbbInf1, cbbInf2);
    setTabOrder(cbbInf2, dtpDate);
    setTabOrder(dtpDate, cbbFrom);
    setTabOrder(cbbFrom, edtAmmount);
    setTabOrder(edtAmmount, edtFor);
    setTabOrder(edtFor, mmoMemo);
    setTabOrder(mmoMemo, btn1);
    setTabOrder(btn1, btnSave);
    setTabOrder(btnSave, btn3);

    connect(cbbInf1, &QComboBox::activated, this, &TFrmTransfer::cbbInf1Change);
    connect(cbbInf2, &QComboBox::activated, this, &TFrmTransfer::cbbInf2Change);
    connect(btnSave, &QPushButton::clicked, this, &TFrmTransfer::btnSaveClick);
    connect(btn3, &QPushButton::clicked, this, &QDialog::reject);
    connect(btn1, &QPushButton::clicked, this, &TFrmTransfer::btn1Click);
    // F1 asks for the same context through the dialog's property.
    setProperty("helpContext", HelpContext);
}

void TFrmTransfer::FormCreate()
{
    // The text fields start empty; both tiles stay blank until a holder is chosen on their side.
    dtpDate->setDateTime(TClock::now());
    m_Source = TDataInfo();
    m_Dest = TDataInfo();
    TBookingWidgets::setSuggestions(cbbFrom, TBookingStore::transferCounterparties());
    FillHolderLists();
}

void TFrmTransfer::FillHolderLists()
{
    for (QComboBox* list : {cbbInf1, cbbInf2}) {
        list->clear();
        list->addItem(accountSection());
    }
    bool walletsBegun = false;
    for (const TDataInfo& holder : TBooks::holders(THolderFamily::All, true)) {
        const bool wallet = holder.isWallet();
        for (QComboBox* list : {cbbInf1, cbbInf2}) {
            if (wallet && !walletsBegun)
                list->addItem(walletSection());
            list->addItem(holderRowText(holder.Name), holder.ID);
            list->setItemData(list->count() - 1, wallet, WalletRole);
        }
        walletsBegun = walletsBegun || wallet;
    }
    cbbInf1->setCurrentIndex(0);
    cbbInf2->setCurrentIndex(0);
}

qint32 TFrmTransfer::rowHolder(const QComboBox* list, int index)
{
    // Section rows carry no id.
    return index < 0 ? 0 : list->itemData(index, IdRole).toInt();
}

TFrmTransfer::Side TFrmTransfer::sourceSide()
{
    return {cbbInf1, m_SourceTile, &m_Source};
}

TFrmTransfer::Side TFrmTransfer::destSide()
{
    return {cbbInf2, m_DestTile, &m_Dest};
}

void TFrmTransfer::PresetHolders(qint32 sourceId, qint32 destId)
{
    m_PresetSourceID = sourceId;
    m_PresetDestID = destId;
}

void TFrmTransfer::LoadForEdit(qint32 transferId)
{
    m_EditID = transferId;
    // A missing row reads as empty fields and no holders.
    const std::optional<TTransferRow> row = TBookingStore::loadTransfer(transferId);
    if (row) {
        dtpDate->setDateTime(row->Date);
        cbbFrom->setEditText(row->From);
        m_OldAmount = row->Amount;
        edtAmmount->setText(m_OldAmount.toPlainString());
        edtFor->setText(row->For);
        mmoMemo->setPlainText(row->Memo);
    }
    m_OldSourceID = row ? row->SourceID : 0;
    m_OldDestID = row ? row->DestID : 0;
    PresetHolders(m_OldSourceID, m_OldDestID);
    setWindowTitle(tr("Edit Transfer"));
}

bool TFrmTransfer::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        TErrorReport::run(this, [this] { FormActivate(); });
    return QDialog::event(event);
}

void TFrmTransfer::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    TErrorReport::run(this, [this] { FormActivate(); });
}

void TFrmTransfer::FormActivate()
{
    // Only the first activation: a message box hands the activation back to the dialog, and the
    // holders the user has chosen must not silently return to the presets then.
    if (m_PresetsSelected)
        return;
    m_PresetsSelected = true;
    SelectPresetHolders();
    // The typing starts at the first thing still to choose: the source, the destination, or (both
    // chosen, as after a drop of one tile on another) the counterparty.
    QWidget* first = m_Source.ID <= 0 ? static_cast<QWidget*>(cbbInf1)
                     : m_Dest.ID <= 0 ? static_cast<QWidget*>(cbbInf2)
                                      : static_cast<QWidget*>(cbbFrom);
    first->setFocus(Qt::OtherFocusReason);
}

void TFrmTransfer::SelectPresetHolders()
{
    selectPreset(sourceSide(), m_PresetSourceID);
    selectPreset(destSide(), m_PresetDestID);
}

void TFrmTransfer::selectPreset(const Side& side, qint32 presetId)
{
    // The holder's row is found by its id, so an account and a wallet (or two holders) of one name
    // are told apart. No row (for instance for 0): this side stays as it is.
    if (presetId == 0)
        return;
    const int row = side.list->findData(presetId, IdRole);
    if (row < 0)
        return;
    side.list->setCurrentIndex(row);
    chooseRow(side, row);
}

void TFrmTransfer::chooseRow(const Side& side, int index)
{
    const qint32 id = rowHolder(side.list, index);
    // A section row changes neither the side's holder nor its tile.
    if (id == 0)
        return;
    *side.holder = TBooks::holder(id);
    side.tile->SetData(side.holder, side.list->itemData(index, WalletRole).toBool());
}

void TFrmTransfer::cbbInf1Change(int index)
{
    TErrorReport::run(this, [this, index] { chooseRow(sourceSide(), index); });
}

void TFrmTransfer::cbbInf2Change(int index)
{
    TErrorReport::run(this, [this, index] { chooseRow(destSide(), index); });
}

void TFrmTransfer::btnSaveClick()
{
    if (rowHolder(cbbInf1, cbbInf1->currentIndex()) == 0) {
        TMessageService::ShowErrorBox(tr("Please select Source Account/Wallet!"), this);
        return;
    }
    if (rowHolder(cbbInf2, cbbInf2->currentIndex()) == 0) {
        TMessageService::ShowErrorBox(tr("Please select Destination Account/Wallet!"), this);
        return;
    }
    const QString from = cbbFrom->currentText().trimmed();
    if (from.isEmpty()) {
        TMessageService::ShowErrorBox(tr("Please input inofrmation for \"From\""), this);
        cbbFrom->setFocus(Qt::OtherFocusReason);
        return;
    }
    const TAmountInput::Result amount = TAmountInput::read(edtAmmount->text());
    if (amount.status == TAmountInput::Status::Empty) {
        TMessageService::ShowErrorBox(tr("Please input the AMOUNT for deposit"), this);
        edtAmmount->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (amount.status != TAmountInput::Status::Ok) {
        TMessageService::ShowErrorBox(tr("The AMOUNT for deposit is not a valid number."), this);
        TBookingWidgets::focusSelected(edtAmmount);
        return;
    }

    TTransferRow row;
    row.ID = m_EditID;
    row.SourceID = m_Source.ID;
    row.DestID = m_Dest.ID;
    row.Date = dtpDate->dateTime();
    row.From = from;
    row.Amount = amount.value;
    row.For = edtFor->text();
    row.Memo = mmoMemo->toPlainText();
    // The store judges the rules of the source only, on its balance after everything the save
    // changes on it (an edit gives the stored transfer back first, whichever holders it had), and
    // asks this dialog's question.
    try {
        TBookingStore::saveTransfer(row,
                                    TBookingWidgets::negativePolicy(
                                        this, tr("The source balance will go negative, are you sure to continue?!")));
    } catch (const TNegativeRefusal& refusal) {
        TBookingWidgets::refused(this, refusal, tr("The source Account or wallet is not allowed go negative!"),
                                 edtAmmount);
        return;
    } catch (const std::exception&) {
        // Rolled back: nothing was written, and the dialog keeps everything as typed.
        TMessageService::ShowErrorBox(tr("Error occured!"), this);
        return;
    }
    accept();
}

void TFrmTransfer::btn1Click()
{
    THelpRouter::showContext(HelpContext);
}
