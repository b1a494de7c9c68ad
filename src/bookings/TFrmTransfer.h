#pragma once

#include "data/Currency.h"
#include "data/TDataInfo.h"

#include "toolkit/TDialog.h"

class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class TImageBase;

// Moves money from one holder (the source) to another (the destination), accounts and wallets
// freely combined; a new transfer or the edit of a row of Transfer. On Save the input is validated,
// the source's negative-balance rules applied, then the row and both balances are saved in one
// transaction; the dialog closes with Accepted only after the commit.
class TFrmTransfer final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmTransfer)

public:
    static constexpr int HelpContext = 1011;

    explicit TFrmTransfer(QWidget* parent = nullptr);
    ~TFrmTransfer() override;

    // The holders to select when the dialog is first activated; 0 for none.
    void PresetHolders(qint32 sourceId, qint32 destId);
    // The edit of the Transfer row `transferId`: its fields fill the dialog, its holders the presets.
    void LoadForEdit(qint32 transferId);

    // At the first activation: selects the preset holders in the two lists. Later activations keep
    // what the user has chosen since.
    void FormActivate();
    void SelectPresetHolders();
    void cbbInf1Change(int index);
    void cbbInf2Change(int index);
    void btnSaveClick();
    void btn1Click();

    qint32 editId() const { return m_EditID; }
    const TDataInfo& sourceHolder() const { return m_Source; }
    const TDataInfo& destHolder() const { return m_Dest; }

    // The text of a holder row: four blanks, then the name.
    static QString holderRowText(const QString& name);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Side
    {
        QComboBox* list;
        TImageBase* tile;
        TDataInfo* holder;
    };

    void createControls();
    void FormCreate();
    void FillHolderLists();
    void selectPreset(const Side& side, qint32 presetId);
    void chooseRow(const Side& side, int index);
    static qint32 rowHolder(const QComboBox* list, int index);
    Side sourceSide();
    Side destSide();

    TDataInfo m_Source;
    TDataInfo m_Dest;
    qint32 m_PresetSourceID = 0;
    qint32 m_PresetDestID = 0;
    qint32 m_EditID = 0;
    Currency m_OldAmount;
    qint32 m_OldSourceID = 0;
    qint32 m_OldDestID = 0;
    bool m_PresetsSelected = false;

    QGroupBox* grpSource = nullptr;
    TImageBase* m_SourceTile = nullptr;
    QLabel* lbl6 = nullptr;
    QComboBox* cbbInf1 = nullptr;
    QGroupBox* grpDest = nullptr;
    TImageBase* m_DestTile = nullptr;
    QLabel* lbl1 = nullptr;
    QComboBox* cbbInf2 = nullptr;
    QGroupBox* grp3 = nullptr;
    QLabel* lbl4 = nullptr;
    QDateTimeEdit* dtpDate = nullptr;
    QLabel* lbl5 = nullptr;
    QComboBox* cbbFrom = nullptr;
    QLabel* lbl7 = nullptr;
    QLineEdit* edtAmmount = nullptr;
    QLabel* lbl2 = nullptr;
    QLineEdit* edtFor = nullptr;
    QLabel* lbl3 = nullptr;
    QPlainTextEdit* mmoMemo = nullptr;
    QPushButton* btn1 = nullptr;
    QPushButton* btnSave = nullptr;
    QPushButton* btn3 = nullptr;
};
