#include "toolkit/TSkin.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

namespace {

const char* const StyleSheet = R"(
QMainWindow, QDialog { background: #eef1f6; }
QToolBar#tlb1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fdfdfe, stop:1 #dfe5ef);
                border-bottom: 1px solid #b8c2d3; spacing: 2px; padding: 2px; }
QToolBar#tlb1 QToolButton { border: 1px solid transparent; border-radius: 4px; color: #1d2b45; }
QToolBar#tlb1 QToolButton:hover { background: #d5e2f7; border-color: #8fa9d6; }
QToolBar#tlb1 QToolButton:pressed { background: #b9cdee; }
QGroupBox { border: 1px solid #b8c2d3; border-radius: 4px; margin-top: 10px; padding-top: 4px; }
QGroupBox::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; color: #1d3b73; }
QPushButton { min-height: 22px; padding: 2px 12px; border: 1px solid #8b9ab3; border-radius: 3px;
              background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #e1e6ee); }
QPushButton:hover { border-color: #4a78c2; }
QPushButton:default { border: 2px solid #4a78c2; }
QPushButton:disabled { color: #9aa3b1; }
QPushButton:flat { border: 1px solid transparent; background: transparent; }
QPushButton:flat:hover { border-color: #8fa9d6; background: #d5e2f7; }
QPushButton:flat:pressed { background: #b9cdee; }
QStatusBar { background: #dfe5ef; border-top: 1px solid #b8c2d3; }
QStatusBar QLabel { padding: 0 4px; border-right: 1px solid #b8c2d3; font-size: 8pt; }
QSplitter::handle { background: #c9d1de; }
)";

} // namespace

void TSkin::applyTo(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = app.style()->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xee, 0xf1, 0xf6));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(214, 214, 250));
    palette.setColor(QPalette::Highlight, QColor(0x3d, 0x6f, 0xc4));
    palette.setColor(QPalette::Button, QColor(0xe4, 0xe8, 0xef));
    app.setPalette(palette);
}

bool TSkin::isDark()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

void TSkin::applyTo(QWidget* window)
{
    // The sheet's colours are light ones: over a dark desktop palette the window keeps that palette,
    // so that its text stays readable.
    if (!isDark())
        window->setStyleSheet(QString::fromLatin1(StyleSheet));
}

void TSkin::setDialogFont(QWidget* window)
{
    // A window with a style sheet does not hand setFont() on to its children: the font goes into
    // the sheet.
    window->setStyleSheet(window->styleSheet() +
                          QStringLiteral("QWidget { font-family: \"MS Sans Serif\", sans-serif; font-size: 9pt;"
                                         " font-weight: bold; }"));
}
