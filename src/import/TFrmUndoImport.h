#pragma once

#include "toolkit/TDialog.h"

class QPushButton;
class QTreeWidget;

// "Undo Import": lists the imports (when, holder, file, rows, total, profile), the newest first,
// and takes the selected one back after a question: its bookings are deleted, the balances follow,
// and its rows may be imported again. Closes with mrOk (1) when at least one import was taken back,
// so the tiles can be read again, else mrCancel (2).
class TFrmUndoImport final : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmUndoImport)

public:
    explicit TFrmUndoImport(QWidget* parent);

    // The holders whose imports were taken back.
    const QList<qint32>& changedHolders() const { return m_changed; }

    void btnUndoClick();
    void btnHelpClick();
    void btnCloseClick();

private:
    void fillList();

    QList<qint32> m_changed;
    QTreeWidget* lstImports = nullptr;
    QPushButton* btnUndo = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* btnClose = nullptr;
};
