#include "holders/TFrmWallet.h"

#include "data/TDM.h"
#include "data/TDataInfo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>

TFrmWallet::TFrmWallet(QWidget* parent)
    : TFrmHolderBase({tr("New Wallet"), tr("Wallet Name:"), tr("Allow wallet to go negative"),
                      tr("Warn when wallet goes negative"), QStringLiteral("btnOK"), tr("&OK"),
                      tr("Please enter a wallet name!"), tr("Sorry, add wallet error!"), HelpContext, QSize(524, 339)},
                     parent)
{
    setObjectName(QStringLiteral("FrmWallet"));
    lblBalance->setMinimumWidth(89);
    lblBalance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOfAccounts = new QLabel(grp1);
    lblOfAccounts->setObjectName(QStringLiteral("lblOfAccounts"));
    lblOfAccounts->setMinimumWidth(89);
    lblOfAccounts->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblOfAccounts->setPalette(lblBalance->palette());
    lbl6 = new QLabel(tr("of total"), grp1);
    lbl6->setObjectName(QStringLiteral("lbl6"));
    basicLayout()->addWidget(lblBalance, 1, 1);
    basicLayout()->addWidget(lblOfAccounts, 1, 2);
    basicLayout()->addWidget(lbl6, 1, 3);
    basicLayout()->setColumnStretch(3, 1);

    // The wallet's memo takes Tab as text and scrolls vertically.
    Memo->setTabChangesFocus(false);
    Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    fitToContents();
    FormCreate();
}

void TFrmWallet::FormCreate()
{
    chkNegativeClick();
    lblBalance->setText(Currency().toMoneyString());
    lblOfAccounts->setText(Currency().toMoneyString());
}

void TFrmWallet::ShowHolder(TDataInfo* info)
{
    FDataInfo = info;
    if (info == nullptr)
        return;
    setWindowTitle(tr("View/Edit wallet"));
    lblBalance->setText(info->Balance.toMoneyString());
    const Currency wallets = TDM::WalletsTotal();
    const Currency accounts = TDM::AccountsTotal();
    lblOfAccounts->setText(THolderStore::shareText(THolderStore::walletShare(info->Balance, wallets + accounts)));
    TFrmHolderBase::ShowHolder(info);
}
