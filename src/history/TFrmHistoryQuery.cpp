#include "history/TFrmHistoryQuery.h"

#include "bookings/TBookingWidgets.h"
#include "data/TClock.h"
#include "history/TAmountRangeCheck.h"
#include "toolkit/TDateTimeEdit.h"
#include "toolkit/TMessageService.h"
#include "toolkit/TToolIcons.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLineEdit* edit(const char* name, const QString& accessibleName, QWidget* parent)
{
    QLineEdit* e = TBookingWidgets::makeLineEdit(name, parent);
    e->setAccessibleName(accessibleName);
    return e;
}

} // namespace

TFrmHistoryQuery::TFrmHistoryQuery(QWidget* parent)
    : TDialog(QSize(300, 286), parent)
{
    setObjectName(QStringLiteral("FrmHistoryQuery"));
    setWindowTitle(tr("Query for History"));
    createControls();
    fitToContents();
    FormCreate();
}

TFrmHistoryQuery::~TFrmHistoryQuery() = default;

void TFrmHistoryQuery::createControls()
{
    grp1 = new QGroupBox(tr("Basic Info"), this);
    grp1->setObjectName(QStringLiteral("grp1"));
    dtp1 = TDateTimeEdit::datePicker("dtp1", tr("Date"), grp1);
    dtp2 = TDateTimeEdit::datePicker("dtp2", tr("Date to"), grp1);
    cbbAccWal = TBookingWidgets::makeHolderList("cbbAccWal", grp1);
    cbbType = new QComboBox(grp1);
    cbbType->setObjectName(QStringLiteral("cbbType"));
    lblDate = TBookingWidgets::makeLabel("lblDate", tr("Date:"), dtp1, grp1);
    lblDateTo = TBookingWidgets::makeLabel("lblDateTo", tr("to"), dtp2, grp1);
    lblAccWal = TBookingWidgets::makeLabel("lblAccWal", tr("Acc/Wal:"), cbbAccWal, grp1);
    lblType = TBookingWidgets::makeLabel("lblType", tr("Type:"), cbbType, grp1);
    auto* basic = new QGridLayout(grp1);
    basic->setContentsMargins(8, 6, 8, 6);
    basic->setVerticalSpacing(4);
    basic->addWidget(lblDate, 0, 0);
    basic->addWidget(dtp1, 0, 1);
    basic->addWidget(lblDateTo, 0, 2);
    basic->addWidget(dtp2, 0, 3);
    basic->addWidget(lblAccWal, 1, 0);
    basic->addWidget(cbbAccWal, 1, 1, 1, 3);
    basic->addWidget(lblType, 2, 0);
    basic->addWidget(cbbType, 2, 1, 1, 3);
    basic->setColumnStretch(1, 1);
    basic->setColumnStretch(3, 1);

    grp2 = new QGroupBox(tr("Match info"), this);
    grp2->setObjectName(QStringLiteral("grp2"));
    edtFrom = edit("edtFrom", tr("From"), grp2);
    edtAmount1 = edit("edtAmount1", tr("Minimum amount"), grp2);
    edtAmount2 = edit("edtAmount2", tr("Maximum amount"), grp2);
    edtTo = edit("edtTo", tr("To"), grp2);
    edtMemo = edit("edtMemo", tr("Memo"), grp2);
    for (QLineEdit* amount : {edtAmount1, edtAmount2})
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblFrom = TBookingWidgets::makeLabel("lblFrom", tr("From:"), edtFrom, grp2);
    lblAmount = TBookingWidgets::makeLabel("lblAmount", tr("Amount:"), edtAmount1, grp2);
    lblAmountTo = TBookingWidgets::makeLabel("lblAmountTo", tr("to"), edtAmount2, grp2);
    lblTo = TBookingWidgets::makeLabel("lblTo", tr("To:"), edtTo, grp2);
    lblMemo = TBookingWidgets::makeLabel("lblMemo", tr("Memo:"), edtMemo, grp2);
    auto* match = new QGridLayout(grp2);
    match->setContentsMargins(8, 6, 8, 6);
    match->setVerticalSpacing(4);
    match->addWidget(lblFrom, 0, 0);
    match->addWidget(edtFrom, 0, 1, 1, 3);
    match->addWidget(lblAmount, 1, 0);
    match->addWidget(edtAmount1, 1, 1);
    match->addWidget(lblAmountTo, 1, 2);
    match->addWidget(edtAmount2, 1, 3);
    match->addWidget(lblTo, 2, 0);
    match->addWidget(edtTo, 2, 1, 1, 3);
    match->addWidget(lblMemo, 3, 0);
    match->addWidget(edtMemo, 3, 1, 1, 3);
    match->setColumnStretch(1, 1);
    match->setColumnStretch(3, 1);

    btnOK = TBookingWidgets::makeButton("btnOK", tr("&Query"), this);
    btnOK->setIcon(TToolIcons::icon(QStringLiteral("query")));
    btnOK->setDefault(true);
    btnClose = TBookingWidgets::makeButton("btnClose", tr("&Close"), this);
    btnClose->setIcon(TToolIcons::icon(QStringLiteral("exit")));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK);
    buttons->addWidget(btnClose);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 6, 8, 8);
    column->addWidget(grp1);
    column->addWidget(grp2, 1);
    column->addLayout(buttons);

    QWidget* order[] = {dtp1,       dtp2,  cbbAccWal, cbbType, edtFrom, edtAmount1,
                        edtAmount2, edtTo, edtMemo,   btnOK,   btnClose};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(btnOK, &QPushButton::clicked, this, &TFrmHistoryQuery::btnOKClick);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TFrmHistoryQuery::FormCreate()
{
    LoadHolderList(cbbAccWal);
    dtp1->setDateTime(TClock::now());
    dtp2->setDateTime(TClock::now());
    cbbType->addItems(THistorySearch::typeEntries());
    cbbType->setCurrentIndex(0);
}

void TFrmHistoryQuery::LoadHolderList(QComboBox* list)
{
    list->clear();
    for (const THistorySearch::HolderEntry& entry : THistorySearch::holderEntries()) {
        if (entry.id > 0)
            list->addItem(entry.text, QVariant::fromValue(TCboItem(entry.id, entry.text)));
        else
            list->addItem(entry.text);
        list->setItemData(list->count() - 1, static_cast<int>(entry.family), FamilyRole);
    }
    if (list->count() > 0)
        list->setCurrentIndex(0);
}

THolderFamily TFrmHistoryQuery::selectedFamily(const QComboBox* list)
{
    const QVariant family = list->currentData(FamilyRole);
    return family.isValid() ? static_cast<THolderFamily>(family.toInt()) : THolderFamily::All;
}

std::optional<TCboItem> TFrmHistoryQuery::selectedHolder(const QComboBox* list)
{
    const int index = list->currentIndex();
    if (index < 2 || list->itemText(index).isEmpty())
        return std::nullopt;
    const QVariant data = list->itemData(index);
    if (!data.canConvert<TCboItem>())
        return std::nullopt;
    return data.value<TCboItem>();
}

void TFrmHistoryQuery::btnOKClick()
{
    setResult(0);
    const TAmountRangeCheck::Problem problem = TAmountRangeCheck::check(edtAmount1->text(), edtAmount2->text());
    if (problem != TAmountRangeCheck::Problem::None) {
        TMessageService::ShowErrorBox(TAmountRangeCheck::message(problem), this);
        TBookingWidgets::focusSelected(problem == TAmountRangeCheck::Problem::MinNotANumber ? edtAmount1 : edtAmount2);
        return;
    }
    done(mrOk);
}

QDateTime TFrmHistoryQuery::GetDateFrom() const
{
    return dtp1->dateTime();
}

QDateTime TFrmHistoryQuery::GetDateTo() const
{
    return dtp2->dateTime();
}

int TFrmHistoryQuery::GetHolderIndex() const
{
    return cbbAccWal->currentIndex();
}

std::optional<TCboItem> TFrmHistoryQuery::GetSelectedHolder() const
{
    return selectedHolder(cbbAccWal);
}

int TFrmHistoryQuery::GetTypeIndex() const
{
    return cbbType->currentIndex();
}

QString TFrmHistoryQuery::GetFromText() const
{
    return edtFrom->text().trimmed();
}

QString TFrmHistoryQuery::GetMinAmountText() const
{
    return edtAmount1->text();
}

QString TFrmHistoryQuery::GetMaxAmountText() const
{
    return edtAmount2->text();
}

QString TFrmHistoryQuery::GetToText() const
{
    return edtTo->text();
}

QString TFrmHistoryQuery::GetMemoText() const
{
    return edtMemo->text();
}

THistorySearch::Advanced TFrmHistoryQuery::criteria() const
{
    THistorySearch::Advanced c;
    c.first = GetDateFrom().date();
    c.last = GetDateTo().date();
    c.family = selectedFamily(cbbAccWal);
    const std::optional<TCboItem> holder = GetSelectedHolder();
    c.holderId = holder ? holder->ID : 0;
    c.typeIndex = GetTypeIndex();
    c.fromText = GetFromText();
    c.minText = GetMinAmountText();
    c.maxText = GetMaxAmountText();
    c.toText = GetToText();
    c.memoText = GetMemoText();
    return c;
}
