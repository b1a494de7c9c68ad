#pragma once

#include "bookings/TFrmDetailBase.h"

// Books a deposit: money received into an account or a wallet.
class TFrmDeposit final : public TFrmDetailBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmDeposit)

public:
    static constexpr int HelpContext = 1009;

    explicit TFrmDeposit(QWidget* parent = nullptr);
    ~TFrmDeposit() override;
};
