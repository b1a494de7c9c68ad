#include "toolkit/TDialog.h"

#include "toolkit/TSkin.h"

#include <QLayout>

TDialog::TDialog(const QSize& clientSize, QWidget* parent)
    : QDialog(parent)
    , m_clientSize(clientSize)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    TSkin::applyTo(this);
    TSkin::setDialogFont(this);
}

void TDialog::reject()
{
    done(mrCancel);
}

void TDialog::fitToContents()
{
    // The style sheet's font decides the room the contents need.
    ensurePolished();
    QSize size = m_clientSize;
    if (layout() != nullptr) {
        layout()->invalidate();
        size = size.expandedTo(layout()->totalSizeHint());
    }
    setFixedSize(size);
}
