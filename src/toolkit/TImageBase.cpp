#include "toolkit/TImageBase.h"

#include "data/TBooks.h"
#include "data/TDM.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmapCache>

#include <stdexcept>

TImageBase::TImageBase(QWidget* owner)
    : QWidget(owner)
{
    setAttribute(Qt::WA_TranslucentBackground);
}

namespace {
QString g_pictureDir;
}

QString TImageBase::pictureDir()
{
    if (!g_pictureDir.isEmpty())
        return g_pictureDir;
    return QStringLiteral(":/tiles");
}

void TImageBase::setPictureDir(const QString& dir)
{
    g_pictureDir = dir;
}

void TImageBase::SetData(TDataInfo* info, bool isWallet)
{
    FDataInfo = info;
    FIsWallet = isWallet;
    Redraw();
}

void TImageBase::Redraw()
{
    paintRecord(FIsWallet ? QStringLiteral("wallet.bmp") : QStringLiteral("acc.bmp"));
}

void TImageBase::paintRecord(const QString& fileName)
{
    const QString path = QDir(pictureDir()).filePath(fileName);
    QPixmap picture;
    // The built-in pictures never change: each is read once and shared by every tile (a copy is
    // painted on). Pictures from a folder are read anew each time.
    const bool builtIn = path.startsWith(u':');
    if (!builtIn || !QPixmapCache::find(path, &picture)) {
        if (!picture.load(path))
            throw std::runtime_error(
                QCoreApplication::translate("TImageBase", "Cannot open file \"%1\".").arg(path).toStdString());
        if (builtIn)
            QPixmapCache::insert(path, picture);
    }

    if (FDataInfo != nullptr) {
        QPainter painter(&picture);
        QFont font = painter.font();
        font.setBold(true);
        const int room = picture.width() - 2 * TextMargin;
        auto drawCentred = [&](const QFont& f, const QString& text, const QColor& colour, int top) {
            const QFontMetrics metrics(f);
            // Whole-number halving cut toward zero.
            const int x = (picture.width() - metrics.horizontalAdvance(text)) / 2;
            painter.setFont(f);
            painter.setPen(colour);
            painter.drawText(x, top + metrics.ascent(), text);
        };
        drawCentred(font, elidedName(FDataInfo->Name, font, room), QColor(255, 255, 0), 25);
        const QString balance = FDataInfo->Balance.toMoneyString();
        drawCentred(fittingFont(font, balance, room), balance, Qt::white, 55);
    }
    // What the picture cannot show whole is in the tool tip; assistive tools read both lines.
    const QString name = FDataInfo != nullptr ? FDataInfo->Name : QString();
    const QString balance = FDataInfo != nullptr ? FDataInfo->Balance.toMoneyString() : QString();
    setToolTip(FDataInfo != nullptr ? name + u'\n' + balance : QString());
    setAccessibleName(FDataInfo != nullptr ? name + QStringLiteral(", ") + balance : QString());
    // Shown transparently: the colour of the bottom-left pixel lets the background through.
    if (m_transparent) {
        const QColor key = picture.toImage().pixelColor(0, picture.height() - 1);
        picture.setMask(picture.createMaskFromColor(key, Qt::MaskInColor));
    }
    m_picture = picture;
    setFixedSize(m_picture.size());
    update();
}

QString TImageBase::elidedName(const QString& name, const QFont& font, int width)
{
    return QFontMetrics(font).elidedText(name, Qt::ElideRight, width);
}

QFont TImageBase::fittingFont(const QFont& font, const QString& text, int width)
{
    // Smaller steps until the whole figure fits; a figure is never cut.
    QFont f = font;
    int pixels = QFontInfo(font).pixelSize();
    while (pixels > 1 && QFontMetrics(f).horizontalAdvance(text) > width) {
        --pixels;
        f.setPixelSize(pixels);
    }
    return f;
}

void TImageBase::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void TImageBase::Reload()
{
    if (FDataInfo == nullptr || DM == nullptr)
        return;
    // A holder of the other family (or none) leaves the record as it was.
    const TDataInfo fresh = TBooks::holder(FDataInfo->ID);
    if (fresh.ID != 0 && fresh.isWallet() == FIsWallet) {
        QObject* tile = FDataInfo->Tile;
        *FDataInfo = fresh;
        FDataInfo->Tile = tile;
    }
    Redraw();
}

qint32 TImageBase::GetID() const
{
    return FDataInfo != nullptr ? FDataInfo->ID : 0;
}
