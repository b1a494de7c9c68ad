#include "toolkit/TGridColor.h"

QRgb TGridColor::resolve(const System& system) const
{
    switch (m_kind) {
    case Kind::None:
        return qRgb(0, 0, 0);
    case Kind::Rgb:
        return m_rgb;
    case Kind::Window:
        return system.window;
    case Kind::WindowText:
        return system.windowText;
    case Kind::ButtonFace:
        return system.buttonFace;
    case Kind::MenuHighlight:
        return system.menuHighlight;
    }
    return qRgb(0, 0, 0);
}

QString TGridColor::hex(QRgb rgb)
{
    return QStringLiteral("%1%2%3")
        .arg(qRed(rgb), 2, 16, QLatin1Char('0'))
        .arg(qGreen(rgb), 2, 16, QLatin1Char('0'))
        .arg(qBlue(rgb), 2, 16, QLatin1Char('0'))
        .toUpper();
}
