#pragma once

#include "holders/TFrmHolderBase.h"

class QRadioButton;

// Creates a bank account or a credit card account, or views and edits one.
class TFrmBankAccount final : public TFrmHolderBase
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmBankAccount)

public:
    static constexpr int HelpContext = 1007;

    explicit TFrmBankAccount(QWidget* parent = nullptr);

    void ShowHolder(TDataInfo* info) override;

protected:
    int kind() const override;
    bool editWritesKind() const override { return true; }

private:
    void FormCreate();

    QRadioButton* rbTypeBank = nullptr;
    QRadioButton* rbTypeCredit = nullptr;
};
