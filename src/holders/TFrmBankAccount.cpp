#include "holders/TFrmBankAccount.h"

#include "data/TDataInfo.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

TFrmBankAccount::TFrmBankAccount(QWidget* parent)
    : TFrmHolderBase({tr("Bank Account"), tr("Bank Account Name:"), tr("Allow bank account to go negative"),
                      tr("Warn when bank account goes negative"), QStringLiteral("btnSave"), tr("&Save"),
                      tr("Please enter an account name!"), tr("Sorry, add account error!"), HelpContext,
                      QSize(451, 327)},
                     parent)
{
    setObjectName(QStringLiteral("FrmBankAccount"));
    lblBalance->setMinimumWidth(145);
    lblBalance->setAlignment(Qt::AlignCenter);
    rbTypeBank = new QRadioButton(tr("Bank Account"), grp1);
    rbTypeBank->setObjectName(QStringLiteral("rbTypeBank"));
    rbTypeCredit = new QRadioButton(tr("Credit Card Account"), grp1);
    rbTypeCredit->setObjectName(QStringLiteral("rbTypeCredit"));
    rbTypeBank->setChecked(true);
    basicLayout()->addWidget(lblBalance, 1, 1);
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(rbTypeBank);
    kinds->addWidget(rbTypeCredit);
    kinds->addStretch(1);
    basicLayout()->addLayout(kinds, 2, 1, 1, 3);

    setTabOrder(edtName, rbTypeBank);
    setTabOrder(rbTypeBank, chkNegative);
    // The account's memo hands Tab on to the next control.
    Memo->setTabChangesFocus(true);
    fitToContents();
    FormCreate();
}

void TFrmBankAccount::FormCreate()
{
    lblBalance->setText(QStringLiteral("0.00 $"));
    chkNegativeClick();
}

void TFrmBankAccount::ShowHolder(TDataInfo* info)
{
    FDataInfo = info;
    if (info == nullptr)
        return;
    setWindowTitle(tr("View/Edit account"));
    lblBalance->setText(info->Balance.toMoneyString());
    TFrmHolderBase::ShowHolder(info);
    // Exclusive radio buttons: checking one clears the other.
    (info->Type == 0 ? rbTypeBank : rbTypeCredit)->setChecked(true);
}

int TFrmBankAccount::kind() const
{
    return rbTypeBank->isChecked() ? 0 : 1;
}
