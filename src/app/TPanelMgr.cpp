#include "app/TPanelMgr.h"

#include "app/TImageCtrl.h"
#include "app/TTileBox.h"
#include "data/TBooks.h"
#include "toolkit/TErrorReport.h"

#include <algorithm>

TPanelMgr* PanelMgr = nullptr;

namespace {
// Tiles stand this far from the box's edges (the box keeps them there when it fits its canvas).
constexpr int Margin = TTileBox::Margin;
constexpr int Pitch = 90;
} // namespace

TPanelMgr::TPanelMgr(TTileBox* accountBox, TTileBox* walletBox, QObject* messageTarget, QObject* parent)
    : QObject(parent)
    , FAccountBox(accountBox)
    , FWalletBox(walletBox)
    , m_target(messageTarget)
{
    connect(FAccountBox, &TTileBox::emptyClicked, this, &TPanelMgr::AccountBoxClick);
    connect(FWalletBox, &TTileBox::emptyClicked, this, &TPanelMgr::WalletBoxClick);
    if (PanelMgr == nullptr)
        PanelMgr = this;
}

TPanelMgr::~TPanelMgr()
{
    if (PanelMgr == this)
        PanelMgr = nullptr;
}

void TPanelMgr::setTileMenus(QMenu* accountMenu, QMenu* walletMenu)
{
    m_accountMenu = accountMenu;
    m_walletMenu = walletMenu;
}

QPoint TPanelMgr::tilePosition(bool isWallet, int index)
{
    return isWallet ? QPoint(Margin + Pitch * index, Margin) : QPoint(Margin, Margin + Pitch * index);
}

void TPanelMgr::LoadAccountTiles()
{
    rebuild(false);
}

void TPanelMgr::LoadWalletTiles()
{
    rebuild(true);
}

void TPanelMgr::rebuild(bool wallets)
{
    TTileBox* box = wallets ? FWalletBox : FAccountBox;
    Records& records = wallets ? FWallets : FAccounts;
    // The holder selected before stays selected, if it is still there.
    const TImageCtrl* before = selectedIn(records);
    const qint32 selectedId = before != nullptr ? before->GetID() : 0;

    // The old tiles go later: one of them may be the tile whose pop-up menu ran this command.
    for (auto* tile : box->canvas()->findChildren<TImageCtrl*>(QString(), Qt::FindDirectChildrenOnly)) {
        tile->hide();
        tile->FOnSelect = nullptr;
        tile->deleteLater();
        tile->setParent(nullptr);
    }
    records.clear();

    // Record and tile are made together; a picture that cannot be read stops the rebuild there and
    // leaves the tiles made so far.
    const QList<TDataInfo> holders = TBooks::holders(wallets ? THolderFamily::Wallets : THolderFamily::Accounts);
    for (int i = 0; i < holders.size(); ++i) {
        records.push_back(std::make_unique<TDataInfo>(holders.at(i)));
        TDataInfo* record = records.back().get();
        auto* tile = new TImageCtrl(box->canvas(), m_target);
        tile->setObjectName(QStringLiteral("tile%1").arg(record->ID));
        record->Tile = tile;
        tile->move(tilePosition(wallets, i));
        tile->setPopupMenu(wallets ? m_walletMenu : m_accountMenu);
        tile->FOnSelect = [this](TImageCtrl* clicked) {
            SelectTile(clicked);
        };
        tile->FOnStep = [this](TImageCtrl* from, int step) {
            StepSelection(from, step);
        };
        tile->show();
        tile->SetData(record, wallets);
        if (record->ID == selectedId)
            tile->setSelected(true);
        box->fitCanvas();
    }
    box->fitCanvas();
    updateTabStop(records);
}

void TPanelMgr::updateTabStop(const Records& records)
{
    // Tab reaches a box at its selected tile, or else at its first; the arrow keys go on from there.
    TImageCtrl* stop = selectedIn(records);
    if (stop == nullptr && !records.empty())
        stop = tileOf(*records.front());
    TTileBox* box = &records == &FWallets ? FWalletBox : FAccountBox;
    box->setFocusTile(stop);
}

void TPanelMgr::StepSelection(TImageCtrl* from, int step)
{
    const bool wallet = from->isWallet();
    const Records& records = wallet ? FWallets : FAccounts;
    qint64 index = -1;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (tileOf(*records[i]) == from)
            index = static_cast<qint64>(i);
    }
    if (index < 0)
        return;
    const qint64 target = std::clamp<qint64>(index + step, 0, static_cast<qint64>(records.size()) - 1);
    if (target == index)
        return;
    TImageCtrl* tile = tileOf(*records[static_cast<std::size_t>(target)]);
    if (tile == nullptr)
        return;
    tile->setFocus(Qt::OtherFocusReason);
    (wallet ? FWalletBox : FAccountBox)->ensureWidgetVisible(tile, 0, 0);
    // Moving selects as a press does, with the same message to the main window.
    tile->press();
}

TImageCtrl* TPanelMgr::tileOf(const TDataInfo& record)
{
    return static_cast<TImageCtrl*>(record.Tile);
}

void TPanelMgr::RefreshTile(qint32 id)
{
    for (const Records* records : {&FAccounts, &FWallets}) {
        for (const auto& record : *records) {
            if (record->ID == id) {
                if (TImageCtrl* tile = tileOf(*record))
                    tile->Reload();
                return;
            }
        }
    }
}

TImageCtrl* TPanelMgr::selectedIn(const Records& records)
{
    TImageCtrl* selected = nullptr;
    for (const auto& record : records) {
        TImageCtrl* tile = tileOf(*record);
        if (tile != nullptr && tile->isSelected())
            selected = tile;
    }
    return selected;
}

TImageCtrl* TPanelMgr::SelectedAccountTile() const
{
    return selectedIn(FAccounts);
}

TImageCtrl* TPanelMgr::SelectedWalletTile() const
{
    return selectedIn(FWallets);
}

void TPanelMgr::SelectTile(TImageCtrl* clicked)
{
    clearFamily(clicked->isWallet() ? FWallets : FAccounts, clicked);
}

void TPanelMgr::clearFamily(const Records& records, QObject* clicked)
{
    // A walk by index: the main window handles WM_HOLDERSELECT in the middle of it.
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (TImageCtrl* tile = tileOf(*records[i]))
            tile->UpdateSelection(clicked);
    }
    updateTabStop(records);
}

void TPanelMgr::AccountBoxClick()
{
    TErrorReport::run(FAccountBox, [this] { clearFamily(FAccounts, FAccountBox); });
}

void TPanelMgr::WalletBoxClick()
{
    TErrorReport::run(FWalletBox, [this] { clearFamily(FWallets, FWalletBox); });
}
