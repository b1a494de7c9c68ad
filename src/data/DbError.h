#pragma once

#include <QString>

#include <stdexcept>

// A failed database statement (or a database that could not be opened). Carries the engine's own
// text, which the program-wide error report shows to the user.
class DbError : public std::runtime_error
{
public:
    explicit DbError(const QString& engineText);

    const QString& text() const { return m_text; }

private:
    QString m_text;
};
