#pragma once

#include "data/TBooksChange.h"
#include "data/TDataInfo.h"
#include "data/THolderType.h"

#include <QList>
#include <QObject>

// The model of the books every window reads and follows: the holders as the windows list them, and
// the one signal of what changed. Each store tells it after each commit what that commit changed,
// and it tells every view: the tiles, the lists, the totals and every later window follow the
// books without refreshing one another by hand, whoever wrote (a dialog, an import, a booking made
// at start, another thread).
class TBooks final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TBooks)

public:
    // The program's one model. Made on first use, which the program's start does on its own thread.
    static TBooks& instance();

    // Tells every view what a commit changed; from any thread (views on another thread are told
    // through their event loop). Nothing is told of an empty change.
    static void notify(const TBooksChange& change);

    // While one lives on a thread, the changes written there name `view` as their origin.
    class Origin
    {
    public:
        explicit Origin(const void* view);
        ~Origin();
        Origin(const Origin&) = delete;
        Origin& operator=(const Origin&) = delete;

    private:
        const void* m_before;
    };

    // The holders of `family`, each family in the order of its ids; `byType` orders all holders by
    // their kind (bank accounts, credit cards, wallets) first.
    static QList<TDataInfo> holders(THolderFamily family, bool byType = false);
    // The holder `id`; an empty record (ID 0) when there is none.
    static TDataInfo holder(qint32 id);

signals:
    void changed(const TBooksChange& change);

private:
    TBooks();
};
