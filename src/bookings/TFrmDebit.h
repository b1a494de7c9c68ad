#pragma once

#include "bookings/TFrmDetailBase.h"

// Books a debit: money paid out of an account or a wallet, within the holder's negative-balance rules.
class TFrmDebit final : public TFrmDetailBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmDebit)

public:
    static constexpr int HelpContext = 1010;

    explicit TFrmDebit(QWidget* parent = nullptr);
    ~TFrmDebit() override;
};
