#pragma once

#include <QDialog>
#include <QSize>

// A modal dialog of the program: fixed size, a border with only the system menu and close button,
// the program's skin and the bold dialog font. It ends with mrOk (1) after it saved and mrCancel
// (2) when closed with Close, Esc or the title bar.
class TDialog : public QDialog
{
    Q_OBJECT

public:
    enum ModalResult
    {
        mrOk = QDialog::Accepted,
        mrCancel = 2,
    };

    void reject() override;

protected:
    // `clientSize` is the designed client area.
    TDialog(const QSize& clientSize, QWidget* parent);

    // Fixes the size once all controls are in their layout: the designed client area, grown where
    // this platform's fonts need more room.
    void fitToContents();

private:
    QSize m_clientSize;
};
