#include "orders/TFrmDueBookings.h"

#include "bookings/TAmountInput.h"
#include "bookings/TBookingWidgets.h"
#include "bookings/TNegativePolicy.h"
#include "help/THelpRouter.h"
#include "orders/TDueModel.h"
#include "orders/TOrderStore.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <exception>

TFrmDueBookings::TFrmDueBookings(QWidget* parent)
    : TDialog(QSize(600, 360), parent)
{
    setObjectName(QStringLiteral("FrmDueBookings"));
    setWindowTitle(tr("Due Bookings"));
    setProperty("helpContext", HelpContext);

    m_model = new TDueModel(this);
    grdDue = new QTableView(this);
    grdDue->setObjectName(QStringLiteral("grdDue"));
    grdDue->setModel(m_model);
    grdDue->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDue->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdDue->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    grdDue->setTabKeyNavigation(false);
    grdDue->setAlternatingRowColors(true);
    grdDue->verticalHeader()->hide();
    // Every row as high as the first: the view need not measure thousands of rows.
    grdDue->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdDue->horizontalHeader()->setSectionResizeMode(TDueModel::ColFor, QHeaderView::Stretch);
    grdDue->setColumnWidth(TDueModel::ColDate, 110);
    grdDue->setColumnWidth(TDueModel::ColHolders, 130);
    grdDue->setColumnWidth(TDueModel::ColAmount, 100);
    grdDue->setAccessibleName(tr("Due bookings"));
    lblDue = new QLabel(tr("These standing orders are due. Untick what is not to be booked now; "
                           "type the amount of a bill that varies (F2)."),
                        this);
    lblDue->setObjectName(QStringLiteral("lblDue"));
    lblDue->setWordWrap(true);
    lblDue->setBuddy(grdDue);

    btnHelp = TBookingWidgets::makeButton("btnHelp", tr("&Help"), this);
    btnBook = TBookingWidgets::makeButton("btnBook", tr("&Book"), this);
    btnBook->setDefault(true);
    btnBook->setToolTip(tr("Book the ticked bookings (Alt+B)"));
    btnSkip = TBookingWidgets::makeButton("btnSkip", tr("&Skip"), this);
    btnSkip->setToolTip(tr("Skip the selected bookings: they are not due again (Alt+S)"));
    btnLater = TBookingWidgets::makeButton("btnLater", tr("&Later"), this);
    btnLater->setToolTip(tr("Ask again at the next start (Alt+L, Esc)"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnHelp);
    buttons->addStretch(1);
    buttons->addWidget(btnBook);
    buttons->addWidget(btnSkip);
    buttons->addWidget(btnLater);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(8, 8, 8, 8);
    column->addWidget(lblDue);
    column->addWidget(grdDue, 1);
    column->addLayout(buttons);

    setTabOrder(grdDue, btnBook);
    setTabOrder(btnBook, btnSkip);
    setTabOrder(btnSkip, btnLater);
    setTabOrder(btnLater, btnHelp);

    connect(btnBook, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmDueBookings::btnBookClick));
    connect(btnSkip, &QPushButton::clicked, this, TErrorReport::guard(this, &TFrmDueBookings::btnSkipClick));
    connect(btnLater, &QPushButton::clicked, this, &TFrmDueBookings::btnLaterClick);
    connect(btnHelp, &QPushButton::clicked, this, &TFrmDueBookings::btnHelpClick);
    fitToContents();
}

TFrmDueBookings::~TFrmDueBookings() = default;

void TFrmDueBookings::setOccurrences(const QList<TOccurrence>& occurrences)
{
    m_model->setRows(occurrences, TOrderStore::list());
    if (m_model->rowCount() > 0)
        grdDue->setCurrentIndex(m_model->index(0, TDueModel::ColDate));
    grdDue->setFocus(Qt::OtherFocusReason);
}

void TFrmDueBookings::btnBookClick()
{
    // Every ticked amount is read first: one that is not an amount stops the command before
    // anything is booked.
    QList<int> ticked;
    QList<Currency> amounts;
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (!m_model->isTicked(row))
            continue;
        const TAmountInput::Result amount = TAmountInput::read(m_model->amountText(row));
        if (amount.status != TAmountInput::Status::Ok) {
            TMessageService::ShowErrorBox(tr("The amount of %1 is not a positive number.")
                                              .arg(m_model->data(m_model->index(row, TDueModel::ColFor)).toString()),
                                          this);
            grdDue->setCurrentIndex(m_model->index(row, TDueModel::ColAmount));
            grdDue->setFocus(Qt::OtherFocusReason);
            return;
        }
        ticked << row;
        amounts << amount.value;
    }
    if (ticked.isEmpty()) {
        TMessageService::ShowErrorBox(tr("Please tick the bookings to book."), this);
        return;
    }
    // Each occurrence in a transaction of its own: a refused or failed one stays due, the others
    // are booked.
    QList<int> finished;
    for (int i = 0; i < ticked.size(); ++i) {
        const int row = ticked[i];
        const bool transfer = m_model->order(row).kind == TStandingOrder::Kind::Transfer;
        try {
            TOrderStore::book(m_model->occurrence(row), amounts[i],
                              TBookingWidgets::negativePolicy(
                                  this, transfer ? tr("The source balance will go negative, are you sure to continue?!")
                                                 : tr("The balance will go negative, are you sure to continue?!")));
            finished << row;
        } catch (const TNegativeRefusal& refusal) {
            if (refusal.reason() == TNegativeRefusal::Reason::Refused)
                TMessageService::ShowErrorBox(
                    tr("%1: the Account or wallet is not allowed go negative!")
                        .arg(m_model->data(m_model->index(row, TDueModel::ColFor)).toString()),
                    this);
        } catch (const std::exception&) {
            m_booked += int(finished.size());
            m_model->removeRowsAt(finished);
            throw;
        }
    }
    m_booked += int(finished.size());
    m_model->removeRowsAt(finished);
    closeWhenDone();
}

void TFrmDueBookings::btnSkipClick()
{
    QList<int> rows;
    for (const QModelIndex& index : grdDue->selectionModel()->selectedRows())
        rows << index.row();
    if (rows.isEmpty()) {
        TMessageService::ShowErrorBox(tr("Please select the bookings to skip."), this);
        return;
    }
    if (!TMessageService::ask(
            this, tr("Skip the selected bookings (%n)? They will not fall due again.", nullptr, int(rows.size())),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes))
        return;
    QList<int> finished;
    for (int row : rows) {
        try {
            TOrderStore::skip(m_model->occurrence(row));
        } catch (const std::exception&) {
            m_skipped += int(finished.size());
            m_model->removeRowsAt(finished);
            throw;
        }
        // Skipped now, or booked or skipped before: either way it is no longer due.
        finished << row;
    }
    m_skipped += int(finished.size());
    m_model->removeRowsAt(finished);
    closeWhenDone();
}

void TFrmDueBookings::btnLaterClick()
{
    reject();
}

void TFrmDueBookings::btnHelpClick()
{
    THelpRouter::showContext(HelpContext);
}

void TFrmDueBookings::closeWhenDone()
{
    if (m_model->rowCount() == 0)
        done(mrOk);
}
