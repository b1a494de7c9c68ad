#pragma once

#include "holders/TFrmHolderBase.h"

// Creates a wallet, or views and edits one with its share of all money.
class TFrmWallet final : public TFrmHolderBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmWallet)

public:
    static constexpr int HelpContext = 1008;

    explicit TFrmWallet(QWidget* parent = nullptr);

    // Reads the totals of all accounts and wallets for the share; throws when they cannot be read.
    void ShowHolder(TDataInfo* info) override;

protected:
    int kind() const override { return 2; }
    bool editWritesKind() const override { return false; }

private:
    void FormCreate();

    QLabel* lblOfAccounts = nullptr;
    QLabel* lbl6 = nullptr;
};
