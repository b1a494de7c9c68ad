#pragma once

#include "import/TImportPreview.h"

#include <QAbstractTableModel>
#include <QList>

#include <memory>

// The rows of a statement's preview in a grid, in the file's order: each transaction with its tick
// (checkable), and each line that could not be read, marked and explained (not checkable). Rows
// imported before are marked and unticked until the user ticks them.
class TImportPreviewModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column
    {
        Tick,
        Line,
        Date,
        Amount,
        Status, // "New", "Imported before", "Typed before: ...", "Not read", "Balance line", ...
        From,   // for a line not read: why
        For,    // for a line not read: its text
        Memo,
        ColumnCount
    };

    explicit TImportPreviewModel(QObject* parent = nullptr);
    ~TImportPreviewModel() override;

    // Shows `preview` (none: an empty grid).
    void setPreview(std::unique_ptr<TImportPreview> preview);
    const TImportPreview* preview() const { return m_preview.get(); }

    // The transaction shown in grid row `row`, or -1 for a line that could not be read.
    int transactionAt(int row) const;
    // The lines that could not be read (balance, total and skipped lines not counted).
    int problemCount() const;

    // Ticks the rows of `rows` that are transactions (`ticked`), or the new rows only and no other
    // (not those imported or typed before, pending, or disagreeing with the statement's balances).
    void setTicked(const QList<int>& rows, bool ticked);
    void tickNewOnly();

    // A row's date as the grid shows it: "5 Jan 2024" in the user's locale.
    static QString dateText(const QDate& date);
    // "1 row", "2 rows", "1,000 rows" in the user's locale.
    static QString rowsText(qint64 count);
    // "3 of 5 rows ticked: deposits $10.00, debits $2.50, together $7.50."
    QString totalsText() const;
    // "Balance of Bank: $1.00 now, $8.50 after the import."
    QString balanceText(const QString& holderName, Currency balance) const;
    // What the statement's own balances say of its amounts: "The statement's balances confirm all
    // 214 amounts.", "3 rows disagree with ...", or empty when it states no balances.
    QString proofText() const;
    // The holder's balance after the import on the day of the statement's closing balance, against
    // that closing balance; empty when the statement states none. `balance` is the holder's balance
    // now, `movedAfter` what its bookings after that day moved (TImportStore::movedAfter).
    QString reconciliationText(const QString& holderName, Currency balance, Currency movedAfter) const;
    // The rows the dialog does not tick and why, one sentence each: typed before, pending.
    QString untickedText() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The ticks, and so the totals, changed.
    void ticksChanged();

private:
    QString statusText(int i) const;
    QString statusTip(int i) const;
    QVariant transactionData(int i, int column, int role) const;
    QVariant problemData(const TImportProblem& p, int column, int role) const;
    void ticksChangedIn(int firstRow, int lastRow);

    std::unique_ptr<TImportPreview> m_preview;
    // Per grid row: a transaction's index, or -(k + 1) for the k-th problem.
    QList<int> m_order;
};
