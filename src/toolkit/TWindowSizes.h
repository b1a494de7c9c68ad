#pragma once

#include <QSize>
#include <QString>

// The sizes of the resizable windows, kept across runs in the user's settings (organization
// "Tavrin", application "Budget", group "WindowSizes"). A window asks for its size when it opens
// and keeps it when it closes.
class TWindowSizes
{
public:
    // The size kept for `window`, or `fallback` when none is kept (or a kept one is not valid).
    static QSize load(const QString& window, const QSize& fallback);
    static void save(const QString& window, const QSize& size);
};
