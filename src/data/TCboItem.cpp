#include "data/TCboItem.h"

TCboItem::TCboItem(qint32 id, const QString& text)
    : ID(id)
    , Text(text)
{}
