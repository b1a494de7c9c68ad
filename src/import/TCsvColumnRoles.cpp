#include "import/TCsvColumnRoles.h"

#include <QCoreApplication>
#include <algorithm>

TCsvRole TCsvColumnRoles::roleOf(const TCsvSettings& s, int column)
{
    if (column == s.dateColumn)
        return TCsvRole::Date;
    const bool signedAmount = s.amountMode == TCsvSettings::AmountMode::Signed;
    if (signedAmount && column == s.amountColumn)
        return TCsvRole::Amount;
    if (!signedAmount && column == s.debitColumn)
        return TCsvRole::PaidOut;
    if (!signedAmount && column == s.creditColumn)
        return TCsvRole::Received;
    if (s.fromColumns.contains(column))
        return TCsvRole::From;
    if (s.forColumns.contains(column))
        return TCsvRole::For;
    if (s.memoColumns.contains(column))
        return TCsvRole::Memo;
    if (column == s.idColumn)
        return TCsvRole::BankId;
    if (signedAmount && column == s.directionColumn)
        return TCsvRole::Direction;
    if (column == s.feeColumn)
        return TCsvRole::Fee;
    if (column == s.balanceColumn)
        return TCsvRole::Balance;
    if (column == s.stateColumn)
        return TCsvRole::State;
    return TCsvRole::None;
}

void TCsvColumnRoles::assign(TCsvSettings& s, int column, TCsvRole role)
{
    for (int* single : {&s.dateColumn, &s.amountColumn, &s.debitColumn, &s.creditColumn, &s.idColumn,
                        &s.directionColumn, &s.feeColumn, &s.balanceColumn, &s.stateColumn}) {
        if (*single == column)
            *single = -1;
    }
    for (QList<int>* texts : {&s.fromColumns, &s.forColumns, &s.memoColumns})
        texts->removeAll(column);
    auto join = [column](QList<int>& texts) {
        texts.append(column);
        std::sort(texts.begin(), texts.end());
    };
    switch (role) {
    case TCsvRole::None:
        break;
    case TCsvRole::Date:
        s.dateColumn = column;
        break;
    case TCsvRole::Amount:
        s.amountMode = TCsvSettings::AmountMode::Signed;
        s.amountColumn = column;
        s.debitColumn = s.creditColumn = -1;
        break;
    case TCsvRole::PaidOut:
    case TCsvRole::Received:
        if (s.amountMode == TCsvSettings::AmountMode::Signed)
            s.amountColumn = -1;
        s.amountMode = TCsvSettings::AmountMode::DebitCredit;
        (role == TCsvRole::PaidOut ? s.debitColumn : s.creditColumn) = column;
        s.directionColumn = -1;
        break;
    case TCsvRole::Direction:
        if (s.amountMode == TCsvSettings::AmountMode::DebitCredit) {
            s.amountMode = TCsvSettings::AmountMode::Signed;
            s.debitColumn = s.creditColumn = -1;
        }
        s.directionColumn = column;
        break;
    case TCsvRole::Fee:
        s.feeColumn = column;
        break;
    case TCsvRole::Balance:
        s.balanceColumn = column;
        break;
    case TCsvRole::State:
        s.stateColumn = column;
        break;
    case TCsvRole::From:
        join(s.fromColumns);
        break;
    case TCsvRole::For:
        join(s.forColumns);
        break;
    case TCsvRole::Memo:
        join(s.memoColumns);
        break;
    case TCsvRole::BankId:
        s.idColumn = column;
        break;
    }
}

QString TCsvColumnRoles::name(TCsvRole role)
{
    switch (role) {
    case TCsvRole::None:
        return QCoreApplication::translate("TCsvColumnRoles", "Not used");
    case TCsvRole::Date:
        return QCoreApplication::translate("TCsvColumnRoles", "Date");
    case TCsvRole::Amount:
        return QCoreApplication::translate("TCsvColumnRoles", "Amount (signed)");
    case TCsvRole::PaidOut:
        return QCoreApplication::translate("TCsvColumnRoles", "Money paid out");
    case TCsvRole::Received:
        return QCoreApplication::translate("TCsvColumnRoles", "Money received");
    case TCsvRole::From:
        return QCoreApplication::translate("TCsvColumnRoles", "From");
    case TCsvRole::For:
        return QCoreApplication::translate("TCsvColumnRoles", "For");
    case TCsvRole::Memo:
        return QCoreApplication::translate("TCsvColumnRoles", "Memo");
    case TCsvRole::BankId:
        return QCoreApplication::translate("TCsvColumnRoles", "Bank's id");
    case TCsvRole::Direction:
        return QCoreApplication::translate("TCsvColumnRoles", "Paid out or received");
    case TCsvRole::Fee:
        return QCoreApplication::translate("TCsvColumnRoles", "Fee");
    case TCsvRole::Balance:
        return QCoreApplication::translate("TCsvColumnRoles", "Balance (not booked)");
    case TCsvRole::State:
        return QCoreApplication::translate("TCsvColumnRoles", "State");
    }
    return {};
}
