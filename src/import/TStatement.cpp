#include "import/TStatement.h"

#include <QCoreApplication>
#include <algorithm>

void TStatement::addRow(TImportRow row, const QString& source)
{
    if (row.amount.isZero()) {
        addProblem(row.line, QCoreApplication::translate("TStatement", "The amount is 0; there is nothing to book."),
                   source);
        return;
    }
    rows.append(std::move(row));
}

void TStatement::addProblem(int line, const QString& reason, const QString& source, TImportProblem::Kind kind)
{
    problems.append({line, reason, source, kind});
}

int TStatement::unreadCount() const
{
    return static_cast<int>(std::count_if(problems.cbegin(), problems.cend(), [](const TImportProblem& p) {
        return p.kind == TImportProblem::Kind::Unread;
    }));
}

TStatement TStatement::failed(const QString& reason)
{
    TStatement s;
    s.addProblem(0, reason, {});
    return s;
}
