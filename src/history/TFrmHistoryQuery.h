#pragma once

#include "data/TCboItem.h"
#include "history/THistorySearch.h"
#include "toolkit/TDialog.h"

#include <QDateTime>

#include <optional>

class QComboBox;
class QDateTimeEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The criteria of an advanced search of the history window: a date range, a holder or holder
// family, a kind, texts to find in from, "To" (the payee of a debit) and memo, and an amount range.
// It checks the amounts and hands the criteria back; the history window keeps one dialog for all
// its searches, so the last criteria are there at the next one.
class TFrmHistoryQuery final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmHistoryQuery)

public:
    explicit TFrmHistoryQuery(QWidget* parent = nullptr);
    ~TFrmHistoryQuery() override;

    // Checks the amounts: on a fault the message, the focus in the box and its text selected, and
    // the dialog stays open; otherwise it closes with mrOk.
    void btnOKClick();

    QDateTime GetDateFrom() const;
    QDateTime GetDateTo() const;
    // 0 for "-----All-----", 1 for "---Account---".
    int GetHolderIndex() const;
    // The holder of the chosen entry; none for a section entry.
    std::optional<TCboItem> GetSelectedHolder() const;
    int GetTypeIndex() const;
    // Trimmed at both ends.
    QString GetFromText() const;
    // The texts below as typed.
    QString GetMinAmountText() const;
    QString GetMaxAmountText() const;
    QString GetToText() const;
    QString GetMemoText() const;
    // Everything above, as the advanced search takes it.
    THistorySearch::Advanced criteria() const;

    // Fills a holder list of the history: the entries of THistorySearch::holderEntries, each
    // holder with its TCboItem; the first entry chosen.
    static void LoadHolderList(QComboBox* list);
    // The TCboItem of the chosen entry of such a list; none for a section entry.
    static std::optional<TCboItem> selectedHolder(const QComboBox* list);
    // The family of the chosen entry of a holder list LoadHolderList filled (all for none).
    static THolderFamily selectedFamily(const QComboBox* list);
    // Where LoadHolderList keeps each entry's family.
    static constexpr int FamilyRole = Qt::UserRole + 1;

private:
    void createControls();
    void FormCreate();

    QGroupBox* grp1 = nullptr;
    QLabel* lblDate = nullptr;
    QDateTimeEdit* dtp1 = nullptr;
    QLabel* lblDateTo = nullptr;
    QDateTimeEdit* dtp2 = nullptr;
    QLabel* lblAccWal = nullptr;
    QComboBox* cbbAccWal = nullptr;
    QLabel* lblType = nullptr;
    QComboBox* cbbType = nullptr;
    QGroupBox* grp2 = nullptr;
    QLabel* lblFrom = nullptr;
    QLineEdit* edtFrom = nullptr;
    QLabel* lblAmount = nullptr;
    QLineEdit* edtAmount1 = nullptr;
    QLabel* lblAmountTo = nullptr;
    QLineEdit* edtAmount2 = nullptr;
    QLabel* lblTo = nullptr;
    QLineEdit* edtTo = nullptr;
    QLabel* lblMemo = nullptr;
    QLineEdit* edtMemo = nullptr;
    QPushButton* btnOK = nullptr;
    QPushButton* btnClose = nullptr;
};
