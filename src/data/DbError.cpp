#include "data/DbError.h"

DbError::DbError(const QString& engineText)
    : std::runtime_error(engineText.toStdString())
    , m_text(engineText)
{}
