#pragma once

#include "orders/TOccurrence.h"

#include "toolkit/TDialog.h"

#include <QList>

class QLabel;
class QPushButton;
class QTableView;
class TDueModel;

// The dialog "Due Bookings": the occurrences of the standing orders due up to today, oldest first,
// each ticked, its amount editable. "Book" books the ticked ones, each through the order store in a
// transaction of its own (the holder's negative rule asks its question once per occurrence; a
// refused one stays due and in the list), "Skip" marks the selected ones skipped, and "Later"
// closes: they are due again at the next start. The dialog ends mrOk when nothing is left in it.
class TFrmDueBookings final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmDueBookings)

public:
    static constexpr int HelpContext = 1016;

    explicit TFrmDueBookings(QWidget* parent = nullptr);
    ~TFrmDueBookings() override;

    void setOccurrences(const QList<TOccurrence>& occurrences);
    TDueModel* model() const { return m_model; }
    // How many occurrences this dialog booked and skipped.
    int bookedCount() const { return m_booked; }
    int skippedCount() const { return m_skipped; }

    void btnBookClick();
    void btnSkipClick();
    void btnLaterClick();
    void btnHelpClick();

private:
    // Closes with mrOk when no row is left.
    void closeWhenDone();

    TDueModel* m_model = nullptr;
    int m_booked = 0;
    int m_skipped = 0;

    QLabel* lblDue = nullptr;
    QTableView* grdDue = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnBook = nullptr;
    QPushButton* btnSkip = nullptr;
    QPushButton* btnLater = nullptr;
};
