#include "import/TStatement.h"

void TStatement::addRow(TImportRow row, const QString& source)
{
    if (row.amount.isZero()) {
        addProblem(row.line, QStringLiteral("The amount is 0; there is nothing to book."), source);
        return;
    }
    rows.append(std::move(row));
}

void TStatement::addProblem(int line, const QString& reason, const QString& source)
{
    problems.append({line, reason, source});
}

TStatement TStatement::failed(const QString& reason)
{
    TStatement s;
    s.addProblem(0, reason, {});
    return s;
}
