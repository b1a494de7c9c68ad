#pragma once

#include "data/TDataInfo.h"

#include <QObject>

#include <memory>
#include <vector>

class QMenu;
class TImageCtrl;
class TTileBox;

// Builds, keeps and finds the tiles of the two boxes: the accounts in a column in the left box,
// the wallets in a row in the wallet box. Owns the holder records behind the tiles; each family
// has at most one selected tile, and the two families keep their selections apart.
class TPanelMgr : public QObject
{
    Q_OBJECT

public:
    // `messageTarget` (the main window) receives the tiles' messages.
    TPanelMgr(TTileBox* accountBox, TTileBox* walletBox, QObject* messageTarget, QObject* parent = nullptr);
    ~TPanelMgr() override;

    // The pop-up menus that the tiles of each family carry.
    void setTileMenus(QMenu* accountMenu, QMenu* walletMenu);

    // Rebuild all tiles of one family from the database; the holder selected before stays selected
    // (without a selection message), where it is still there.
    void LoadAccountTiles();
    void LoadWalletTiles();
    // Makes the tile of holder `id` re-read its record and repaint; nothing when no tile shows it.
    void RefreshTile(qint32 id);
    TImageCtrl* SelectedAccountTile() const;
    TImageCtrl* SelectedWalletTile() const;
    // The selection callback of every tile: selects `clicked` and clears the rest of its family.
    void SelectTile(TImageCtrl* clicked);
    // The arrow keys on tile `from`: the tile `step` places further in its family (clamped to the
    // first and the last) takes the focus and is selected as a press selects it.
    void StepSelection(TImageCtrl* from, int step);
    // A click on the empty part of a box clears that family's selection, without a message.
    void AccountBoxClick();
    void WalletBoxClick();

    const std::vector<std::unique_ptr<TDataInfo>>& accounts() const { return FAccounts; }
    const std::vector<std::unique_ptr<TDataInfo>>& wallets() const { return FWallets; }

    // Where the tile with position `index` in its family stands in its box.
    static QPoint tilePosition(bool isWallet, int index);

private:
    using Records = std::vector<std::unique_ptr<TDataInfo>>;
    void rebuild(bool wallets);
    static TImageCtrl* tileOf(const TDataInfo& record);
    static TImageCtrl* selectedIn(const Records& records);
    void clearFamily(const Records& records, QObject* clicked);
    void updateTabStop(const Records& records);

    TTileBox* FAccountBox;
    TTileBox* FWalletBox;
    QObject* m_target;
    QMenu* m_accountMenu = nullptr;
    QMenu* m_walletMenu = nullptr;
    Records FAccounts;
    Records FWallets;
};

// The program's tile manager, made by the main window at start.
extern TPanelMgr* PanelMgr;
