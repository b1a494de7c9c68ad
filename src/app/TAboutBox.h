#pragma once

#include "toolkit/TDialog.h"

// The About box: product name, version, the maker's web address and mail addresses, each of which
// opens in the desktop's browser or mail program when clicked.
class TAboutBox final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TAboutBox)

public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
