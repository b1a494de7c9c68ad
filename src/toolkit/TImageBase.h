#pragma once

#include "data/TDataInfo.h"

#include <QFont>
#include <QPixmap>
#include <QString>
#include <QWidget>

// The picture of one holder: the account or wallet drawing with the holder's name (yellow, y 25)
// and balance (white, y 55) painted on it in bold, each centred. A name too wide for the picture
// ends in "…" and a balance too wide is drawn smaller; the tool tip and the accessible name carry
// both whole. The tiles of the main window and the booking dialogs show holders with it. The
// record is not owned.
class TImageBase : public QWidget
{
    Q_OBJECT

public:
    explicit TImageBase(QWidget* owner);

    // Shows `info` (not owned) as an account (false) or a wallet (true), then redraws.
    void SetData(TDataInfo* info, bool isWallet);
    // Loads the picture and paints the record's name and balance on it. Throws when the picture
    // cannot be read.
    virtual void Redraw();
    // Re-reads the record from the database (by ID, within its family) and redraws.
    void Reload();
    qint32 GetID() const;

    bool isWallet() const { return FIsWallet; }
    TDataInfo* dataInfo() const { return FDataInfo; }
    const QPixmap& picture() const { return m_picture; }

    // The folder of the tile pictures: ":/tiles", compiled into the program.
    static QString pictureDir();
    // Tests point the pictures elsewhere; an empty path returns to the compiled-in pictures.
    static void setPictureDir(const QString& dir);

    // Room left free at each side of a painted text line.
    static constexpr int TextMargin = 5;
    // The name as it fits into `width` pixels: cut at the end with "…" when it is wider.
    static QString elidedName(const QString& name, const QFont& font, int width);
    // `font`, or the largest smaller size of it in which `text` fits into `width` pixels.
    static QFont fittingFont(const QFont& font, const QString& text, int width);

protected:
    // Loads `fileName` from the picture folder, paints the record on it and shows it.
    void paintRecord(const QString& fileName);
    void paintEvent(QPaintEvent* event) override;

    bool FIsWallet = false;
    TDataInfo* FDataInfo = nullptr;
    // Whether the picture's background colour (its bottom-left pixel) is left out when shown.
    bool m_transparent = true;

private:
    QPixmap m_picture;
};
