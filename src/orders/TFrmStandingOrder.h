#pragma once

#include "orders/TStandingOrder.h"

#include "toolkit/TDialog.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TDateTimeEdit;

// The dialog of one standing order, new or edited: its kind (deposit, debit or transfer), holders,
// amount, counterparty, For and Memo, its rhythm (every N days, weeks, months or years from a first
// date, until a last date or for a number of times), what happens on a weekend, and whether the
// amount varies and whether it books by itself. On OK the input is checked and the order saved; the
// dialog closes with mrOk only after the save.
class TFrmStandingOrder final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmStandingOrder)

public:
    static constexpr int HelpContext = 1015;

    explicit TFrmStandingOrder(QWidget* parent = nullptr);
    ~TFrmStandingOrder() override;

    // Fills the dialog with `order`: an edit when its ID is a stored order's, else a new order
    // filled in (from a booking to repeat).
    void setOrder(const TStandingOrder& order);
    // The order as saved by the last OK.
    qint32 savedId() const { return m_order.ID; }

    void btnOKClick();
    void btnHelpClick();

private:
    void createControls();
    void fillHolderList(QComboBox* list);
    void kindChanged();
    void endChanged();
    static void choose(QComboBox* list, qint32 id);
    // Reads and checks the fields into `order`; false (after saying why) when one is not right.
    bool readInput(TStandingOrder& order);
    void refuse(const QString& text, QWidget* field);

    TStandingOrder m_order;

    QRadioButton* rbDeposit = nullptr;
    QRadioButton* rbDebit = nullptr;
    QRadioButton* rbTransfer = nullptr;
    QLabel* lblHolder = nullptr;
    QComboBox* cbbHolder = nullptr;
    QLabel* lblDest = nullptr;
    QComboBox* cbbDest = nullptr;
    QLabel* lblCounterparty = nullptr;
    QComboBox* cbbCounterparty = nullptr;
    QLineEdit* edtAmount = nullptr;
    QLineEdit* edtFor = nullptr;
    QPlainTextEdit* mmoMemo = nullptr;
    QSpinBox* spnEvery = nullptr;
    QComboBox* cbbUnit = nullptr;
    TDateTimeEdit* dtpFirst = nullptr;
    QRadioButton* rbNoEnd = nullptr;
    QRadioButton* rbUntil = nullptr;
    TDateTimeEdit* dtpUntil = nullptr;
    QRadioButton* rbTimes = nullptr;
    QSpinBox* spnTimes = nullptr;
    QComboBox* cbbWeekend = nullptr;
    QCheckBox* chkVarying = nullptr;
    QCheckBox* chkAutomatic = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;
};
