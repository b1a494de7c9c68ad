#pragma once

#include "data/Currency.h"
#include "data/THolderType.h"

#include <QString>

class QObject;

// The in-memory record of one holder (one row of table Account).
struct TDataInfo
{
    qint32 ID = 0;
    QString Name;
    Currency Balance;
    qint32 Type = 0; // THolderType: 0 bank account, 1 credit card account, 2 wallet
    bool Negative = false;
    bool WarnNegative = false;
    QString URL;
    QString Memo;
    // The tile that shows this holder, for the records the tile manager owns; null elsewhere.
    QObject* Tile = nullptr;

    bool isWallet() const { return isWalletType(Type); }
};
