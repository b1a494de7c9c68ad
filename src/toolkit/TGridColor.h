#pragma once

#include <QRgb>
#include <QString>

// A colour of a grid: none, a fixed RGB value, or one of the desktop's colours, which is resolved
// only when it is drawn or exported. The GUI side reads the desktop's colours (System) from the
// palette; the writers take them as plain values and need no widgets.
class TGridColor
{
public:
    enum class Kind
    {
        None,
        Rgb,
        Window,
        WindowText,
        ButtonFace,
        MenuHighlight
    };
    struct System
    {
        QRgb window = qRgb(255, 255, 255);
        QRgb windowText = qRgb(0, 0, 0);
        QRgb buttonFace = qRgb(240, 240, 240);
        QRgb menuHighlight = qRgb(214, 226, 246);
    };

    constexpr TGridColor() = default;
    static constexpr TGridColor rgb(int red, int green, int blue)
    {
        return TGridColor(Kind::Rgb, qRgb(red, green, blue));
    }
    static constexpr TGridColor system(Kind kind) { return TGridColor(kind, 0); }

    Kind kind() const { return m_kind; }
    bool isNone() const { return m_kind == Kind::None; }
    // The RGB value now; no colour resolves to black.
    QRgb resolve(const System& system) const;
    // Six upper-case hexadecimal digits, red first: "CDCEE7".
    static QString hex(QRgb rgb);

    friend bool operator==(const TGridColor&, const TGridColor&) = default;

private:
    constexpr TGridColor(Kind kind, QRgb rgb)
        : m_kind(kind)
        , m_rgb(rgb)
    {}

    Kind m_kind = Kind::None;
    QRgb m_rgb = 0;
};
