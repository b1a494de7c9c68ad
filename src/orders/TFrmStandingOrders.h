#pragma once

#include <QDialog>

class QAction;
class QToolBar;
class TFrmStandingOrder;
class TDBGridView;
struct TBooksChange;

// The window "Standing Orders": every order with its next date, amount, holders, rhythm and For,
// and the commands New, Edit, Delete, Pause/Resume and Book Now (the next occurrence, asked as a
// typed booking asks the negative rule's question). Each command has its key, shown in its tool
// tip; Enter, F2 and Delete act on the list alone. The window follows every change of the books.
class TFrmStandingOrders final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmStandingOrders)

public:
    static constexpr int HelpContext = 1015;

    explicit TFrmStandingOrders(QWidget* parent = nullptr);
    ~TFrmStandingOrders() override;

    // Reads every order again, keeping the selected one.
    void refresh();
    // The id of the selected order; 0 when none is.
    qint32 selectedId() const;
    // Selects the order `id` when the list shows it.
    void select(qint32 id);

    void btnNewClick();
    void btnEditClick();
    void btnDeleteClick();
    void btnPauseClick();
    void btnBookNowClick();
    void btnHelpClick();
    void btnToolExitClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createToolBar();
    void booksChanged(const TBooksChange& change);
    // Shows the order dialog over this window; true when it saved (the order is selected then).
    bool showDialog(TFrmStandingOrder* dialog);

    bool m_shown = false;
    QToolBar* tlb1 = nullptr;
    TDBGridView* grdOrders = nullptr;
    QAction* m_pause = nullptr;
};
