#include "data/TBooks.h"

#include "data/TDM.h"

#include <QSqlQuery>

TBooks::TBooks()
{
    qRegisterMetaType<TBooksChange>();
}

TBooks& TBooks::instance()
{
    static TBooks* books = new TBooks;
    return *books;
}

namespace {

thread_local const void* t_origin = nullptr;

} // namespace

void TBooks::notify(const TBooksChange& change)
{
    if (change.isEmpty())
        return;
    TBooksChange told = change;
    told.origin = t_origin;
    emit instance().changed(told);
}

TBooks::Origin::Origin(const void* view)
    : m_before(t_origin)
{
    t_origin = view;
}

TBooks::Origin::~Origin()
{
    t_origin = m_before;
}

QList<TDataInfo> TBooks::holders(THolderFamily family, bool byType)
{
    QString where;
    switch (family) {
    case THolderFamily::Accounts:
        where = QStringLiteral(" where type in (%1, %2)")
                    .arg(static_cast<int>(THolderType::BankAccount))
                    .arg(static_cast<int>(THolderType::CreditCard));
        break;
    case THolderFamily::Wallets:
        where = QStringLiteral(" where type = %1").arg(static_cast<int>(THolderType::Wallet));
        break;
    case THolderFamily::All:
        break;
    }
    QSqlQuery q = TDM::current().select(
        QStringLiteral("select %1 from Account%2 order by %3")
            .arg(QLatin1String(TDM::HolderColumns), where, byType ? QStringLiteral("type, ID") : QStringLiteral("ID")));
    QList<TDataInfo> out;
    while (q.next())
        out.append(TDM::readHolder(q));
    return out;
}

TDataInfo TBooks::holder(qint32 id)
{
    return TDM::LoadHolder(id);
}
