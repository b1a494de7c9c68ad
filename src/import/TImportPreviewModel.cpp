#include "import/TImportPreviewModel.h"

#include <QBrush>
#include <QColor>
#include <QCoreApplication>
#include <QLocale>

#include <algorithm>

namespace {

QString money(const std::optional<Currency>& value)
{
    return value ? value->toMoneyString() : QCoreApplication::translate("TImportPreviewModel", "(out of range)");
}

} // namespace

TImportPreviewModel::TImportPreviewModel(QObject* parent)
    : QAbstractTableModel(parent)
{}

TImportPreviewModel::~TImportPreviewModel() = default;

void TImportPreviewModel::setPreview(std::unique_ptr<TImportPreview> preview)
{
    beginResetModel();
    m_preview = std::move(preview);
    m_order.clear();
    if (m_preview) {
        const TStatement& st = m_preview->statement();
        // Both lists are in the file's order already: merge them by line.
        m_order.reserve(st.rows.size() + st.problems.size());
        qsizetype r = 0, p = 0;
        while (r < st.rows.size() || p < st.problems.size()) {
            const bool problemFirst =
                p < st.problems.size() && (r == st.rows.size() || st.problems.at(p).line < st.rows.at(r).line);
            if (problemFirst)
                m_order.append(-static_cast<int>(++p));
            else
                m_order.append(static_cast<int>(r++));
        }
    }
    endResetModel();
    emit ticksChanged();
}

int TImportPreviewModel::transactionAt(int row) const
{
    const int entry = m_order.value(row, -1);
    return entry >= 0 ? entry : -1;
}

int TImportPreviewModel::problemCount() const
{
    return m_preview ? m_preview->statement().unreadCount() : 0;
}

void TImportPreviewModel::ticksChangedIn(int firstRow, int lastRow)
{
    if (firstRow > lastRow)
        return;
    emit dataChanged(index(firstRow, 0), index(lastRow, ColumnCount - 1));
    emit ticksChanged();
}

void TImportPreviewModel::setTicked(const QList<int>& rows, bool ticked)
{
    int first = rowCount(), last = -1;
    for (int row : rows) {
        const int i = transactionAt(row);
        if (i < 0 || m_preview->isTicked(i) == ticked)
            continue;
        m_preview->setTicked(i, ticked);
        first = std::min(first, row);
        last = std::max(last, row);
    }
    ticksChangedIn(first, last);
}

void TImportPreviewModel::tickNewOnly()
{
    if (!m_preview)
        return;
    for (int i = 0; i < m_preview->rowCount(); ++i)
        m_preview->setTicked(i, m_preview->status(i) == TImportPreview::Status::New);
    ticksChangedIn(0, rowCount() - 1);
}

QString TImportPreviewModel::dateText(const QDate& date)
{
    //: The format of a statement line's date in the preview (QDate's format letters), e.g. 2 Mar 2026.
    return QLocale().toString(date, tr("d MMM yyyy"));
}

QString TImportPreviewModel::rowsText(qint64 count)
{
    // Each English form is a whole text of its own, plural-aware for the languages with more forms.
    const int n = static_cast<int>(count);
    return count == 1 ? tr("%Ln row", nullptr, n) : tr("%Ln rows", nullptr, n);
}

QString TImportPreviewModel::totalsText() const
{
    if (!m_preview)
        return QString();
    return tr("%1 of %2 ticked: deposits %3, debits %4, together %5.")
        .arg(QLocale().toString(m_preview->tickedCount()), rowsText(m_preview->rowCount()),
             money(m_preview->deposits()), money(m_preview->debits()), money(m_preview->net()));
}

QString TImportPreviewModel::balanceText(const QString& holderName, Currency balance) const
{
    if (!m_preview)
        return QString();
    return tr("Balance of %1: %2 now, %3 after the import.")
        .arg(holderName, balance.toMoneyString(), money(m_preview->balanceAfter(balance)));
}

QString TImportPreviewModel::proofText() const
{
    if (!m_preview)
        return QString();
    const TBalanceProof::Result& proof = m_preview->proof();
    const QLocale locale;
    if (proof.disagreeing == 1)
        return tr("1 row disagrees with the statement's balances: it is marked and not ticked. "
                  "Check its amount against the statement.");
    if (proof.disagreeing > 1)
        return tr("%Ln rows disagree with the statement's balances: they are marked and not ticked. "
                  "Check their amounts against the statement.",
                  nullptr, proof.disagreeing);
    if (proof.rowsChecked()) {
        if (proof.confirmed == m_preview->rowCount())
            return proof.confirmed == 1
                       ? tr("The statement's balances confirm its amount.")
                       : tr("The statement's balances confirm all %1 amounts.").arg(locale.toString(proof.confirmed));
        return tr("The statement's balances confirm %1 of the %2 amounts; the others have no balance "
                  "before them to be checked against.")
            .arg(locale.toString(proof.confirmed), locale.toString(m_preview->rowCount()));
    }
    if (proof.sumAgrees)
        return *proof.sumAgrees ? tr("The statement's opening and closing balances confirm the sum of its amounts.")
                                : tr("The statement's amounts add up to %1, which its opening and closing balances "
                                     "do not confirm: a row may be missing or misread.")
                                      .arg(money(proof.sum));
    return QString();
}

QString TImportPreviewModel::reconciliationText(const QString& holderName, Currency balance, Currency movedAfter) const
{
    if (!m_preview || !m_preview->proof().closing)
        return QString();
    const TBalanceProof::Result& proof = m_preview->proof();
    const std::optional<Currency> after = m_preview->balanceAfter(balance);
    if (!after)
        return QString();
    const Currency then = *after - movedAfter;
    const QString day = dateText(proof.closingDate);
    if (then == *proof.closing)
        return tr("After the import, %1 stands at %2 at the end of %3, as the statement's closing "
                  "balance says.")
            .arg(holderName, then.toMoneyString(), day);
    const Currency gap = *proof.closing - then;
    return tr("After the import, %1 would stand at %2 at the end of %3, but the statement's closing "
              "balance is %4: %5 apart.")
        .arg(holderName, then.toMoneyString(), day, proof.closing->toMoneyString(),
             (gap.isNegative() ? -gap : gap).toMoneyString());
}

QString TImportPreviewModel::untickedText() const
{
    if (!m_preview)
        return QString();
    QStringList sentences;
    if (const int typed = m_preview->count(TImportPreview::Status::TypedBefore); typed > 0)
        sentences.append(typed == 1 ? tr("1 row is a booking typed before the statement came: unticked, "
                                         "it is linked to that booking, not booked again.")
                                    : tr("%Ln rows are bookings typed before the statement came: "
                                         "unticked, they are linked to those bookings, not booked again.",
                                         nullptr, typed));
    if (const int pending = m_preview->count(TImportPreview::Status::Pending); pending > 0)
        sentences.append(pending == 1 ? tr("1 row is not final at the bank yet (pending, reverted or declined) "
                                           "and is not ticked.")
                                      : tr("%Ln rows are not final at the bank yet (pending, reverted or declined) "
                                           "and are not ticked.",
                                           nullptr, pending));
    for (const QString& warning : m_preview->statement().warnings)
        sentences.append(warning);
    return sentences.join(u' ');
}

int TImportPreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int TImportPreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TImportPreviewModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_order.size())
        return {};
    const int entry = m_order.at(index.row());
    if (entry >= 0)
        return transactionData(entry, index.column(), role);
    return problemData(m_preview->statement().problems.at(-entry - 1), index.column(), role);
}

QString TImportPreviewModel::statusText(int i) const
{
    switch (m_preview->status(i)) {
    case TImportPreview::Status::Imported:
        return tr("Imported before");
    case TImportPreview::Status::Expected:
        return m_preview->expected(i)->label;
    case TImportPreview::Status::TypedBefore: {
        if (const TExpectedPayment* payment = m_preview->expected(i))
            return payment->label;
        const TTypedBooking* b = m_preview->typed(i);
        return b->counterparty.isEmpty()
                   ? tr("Typed before: %1").arg(dateText(b->date))
                   : tr("Typed before: %1, %2").arg(dateText(b->date), b->counterparty.simplified());
    }
    case TImportPreview::Status::Pending:
        return tr("Not final: %1").arg(m_preview->row(i).state);
    case TImportPreview::Status::Disagrees:
        return tr("Balance disagrees");
    case TImportPreview::Status::New:
        break;
    }
    return tr("New");
}

QString TImportPreviewModel::statusTip(int i) const
{
    switch (m_preview->status(i)) {
    case TImportPreview::Status::Imported:
        return tr("Imported before, from this or an earlier statement. Tick it to book it again.");
    case TImportPreview::Status::TypedBefore:
        return tr("You typed this booking by hand before the statement came. Left unticked, the import "
                  "links this row to it and books nothing; tick it to book it a second time.");
    case TImportPreview::Status::Expected:
        return tr("A standing order expects this payment. Booked, the row books it, and it is no longer "
                  "due.");
    case TImportPreview::Status::Pending:
        return tr("The bank has not finished this transaction (\"%1\"); it may still change or go away. "
                  "Tick it to book it now.")
            .arg(m_preview->row(i).state);
    case TImportPreview::Status::Disagrees:
        return tr("The statement's balance column does not confirm this amount: the balance before it "
                  "and the amount do not make the balance after it. Check it against the statement.");
    case TImportPreview::Status::New:
        break;
    }
    return QString();
}

QVariant TImportPreviewModel::transactionData(int i, int column, int role) const
{
    const TImportRow& r = m_preview->row(i);
    const TImportPreview::Status status = m_preview->status(i);
    switch (role) {
    case Qt::CheckStateRole:
        if (column == Tick)
            return m_preview->isTicked(i) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::AccessibleTextRole:
        if (column == Tick)
            return m_preview->isTicked(i) ? tr("Book") : tr("Do not book");
        return transactionData(i, column, Qt::DisplayRole).toString();
    case Qt::DisplayRole:
        switch (column) {
        case Line:
            return r.line;
        case Date:
            return dateText(r.date);
        case Amount:
            return r.amount.toMoneyString();
        case From:
            return r.from;
        case For:
            return r.forText;
        case Memo:
            return r.memo;
        case Status:
            return statusText(i);
        default:
            return {};
        }
    case Qt::ToolTipRole:
        if (column == Status || column == Tick)
            return statusTip(i);
        return {};
    case Qt::TextAlignmentRole:
        if (column == Amount || column == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        if (status == TImportPreview::Status::Disagrees)
            return QBrush(QColor(0x9c, 0x00, 0x06));
        if (status != TImportPreview::Status::New)
            return QBrush(QColor(Qt::darkGray));
        return {};
    default:
        return {};
    }
}

QVariant TImportPreviewModel::problemData(const TImportProblem& p, int column, int role) const
{
    const bool unread = p.kind == TImportProblem::Kind::Unread;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        if (column == Line)
            return p.line > 0 ? QVariant(p.line) : QVariant();
        if (column == Status) {
            switch (p.kind) {
            case TImportProblem::Kind::Skipped:
                return tr("Skipped");
            case TImportProblem::Kind::BalanceLine:
                return tr("Balance line");
            case TImportProblem::Kind::Unread:
                break;
            }
            return tr("Not read");
        }
        if (column == From)
            return p.reason;
        if (column == For)
            return p.text.simplified();
        return {};
    case Qt::ToolTipRole:
        return p.text.isEmpty() ? p.reason : p.reason + u'\n' + p.text;
    case Qt::TextAlignmentRole:
        if (column == Line)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ForegroundRole:
        return unread ? QBrush(QColor(0x9c, 0x00, 0x06)) : QBrush(QColor(Qt::darkGray));
    case Qt::BackgroundRole:
        if (unread)
            return QBrush(QColor(0xff, 0xe4, 0xe1));
        return {};
    default:
        return {};
    }
}

bool TImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int i = transactionAt(index.row());
    if (role != Qt::CheckStateRole || index.column() != Tick || i < 0)
        return false;
    setTicked({index.row()}, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags TImportPreviewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == Tick && transactionAt(index.row()) >= 0)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant TImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char* const titles[] = {QT_TR_NOOP("Book"),   QT_TR_NOOP("Line"),   QT_TR_NOOP("Date"),
                                         QT_TR_NOOP("Amount"), QT_TR_NOOP("Status"), QT_TR_NOOP("From"),
                                         QT_TR_NOOP("For"),    QT_TR_NOOP("Memo")};
    return section >= 0 && section < ColumnCount ? tr(titles[section]) : QVariant();
}
