#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

#include "toolkit/TDialog.h"

class QComboBox;
class QDateTimeEdit;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TImageBase;

// The deposit and debit dialogs: one holder, one row of Detail, new or edited. The two differ only
// in their texts, the booking kind they write, and the negative-balance rules, which apply to debits.
// On OK the input is validated, then the row and the holder's balance are saved in one transaction;
// the dialog closes with Accepted only after the commit.
class TFrmDetailBase : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmDetailBase)

public:
    ~TFrmDetailBase() override;

    // A new booking for holder `holderId`: it becomes the current holder.
    void PresetHolder(qint32 holderId);
    // The edit of the Detail row `detailId`: its fields fill the dialog and its holder becomes current.
    void LoadForEdit(qint32 detailId);

    // Runs at the first showing and at every later activation: radio buttons by the family, the
    // holder list of that family with the current holder selected, the tile. A holder chosen by the
    // user stays current.
    void FormActivate();
    void rbAccountClick();
    void cbbInfChange(int index);
    void btnOKClick();
    void btnHelpClick();

    int detailType() const { return m_Type; }
    qint32 editId() const { return m_EditID; }
    const TDataInfo& currentHolder() const { return m_Holder; }
    bool isWalletFamily() const { return m_IsWallet; }
    bool isActivated() const { return m_Activated; }
    int helpContext() const;

protected:
    // `type` is the DetailKind written: 0 deposit, 1 debit.
    TFrmDetailBase(int type, QWidget* parent);

    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void FormCreate();
    void fillHolderList();
    void showHolder();
    bool isDebit() const;
    QString counterpartyText() const;

    const int m_Type;
    TDataInfo m_Holder;
    bool m_IsWallet = false;
    qint32 m_EditID = 0;
    Currency m_OldAmount;
    qint32 m_OldHolderID = 0;
    bool m_Activated = false;
    // The family whose holders the list shows.
    bool m_ListIsWallet = false;

    QGroupBox* grpPanel = nullptr;
    TImageBase* m_Tile = nullptr;
    QRadioButton* rbAccount = nullptr;
    QRadioButton* rbWallet = nullptr;
    QLabel* lbl6 = nullptr;
    QComboBox* cbbInf = nullptr;
    QGroupBox* grp2 = nullptr;
    QLabel* lbl4 = nullptr;
    QDateTimeEdit* dtpDate = nullptr;
    QLabel* lbl1 = nullptr;
    QComboBox* m_Counterparty = nullptr; // cbbFrom in the deposit dialog, cbbTo in the debit dialog
    QLabel* lbl5 = nullptr;
    QLineEdit* edtAmmount = nullptr;
    QLabel* lbl2 = nullptr;
    QLineEdit* edtFor = nullptr;
    QLabel* lbl3 = nullptr;
    QPlainTextEdit* mmoMemo = nullptr;
    QFrame* pnl1 = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;
};
