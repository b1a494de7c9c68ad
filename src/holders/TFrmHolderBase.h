#pragma once

#include "holders/THolderStore.h"

#include "toolkit/TDialog.h"

class QCheckBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct TDataInfo;

// What the account and the wallet dialog share: the name box with the balance under it, the
// negative-balance options, the URL and memo, and Help / save / Close. New mode until ShowHolder
// hands over a record (not owned); then view/edit mode.
class TFrmHolderBase : public TDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmHolderBase)

public:
    // Shows `info` in the controls (view/edit mode); with none, nothing changes.
    virtual void ShowHolder(TDataInfo* info);
    // `chkWarn` is enabled exactly while `chkNegative` is checked; its mark is kept.
    void chkNegativeClick();

protected:
    struct Texts
    {
        QString caption;
        QString nameLabel;
        QString negative;
        QString warn;
        QString saveName;    // object name of the save button
        QString saveCaption; // its caption
        QString emptyName;   // message for a blank name
        QString addError;    // message when the insert added no row
        int helpContext;
        QSize clientSize;
    };

    TFrmHolderBase(const Texts& texts, QWidget* parent);

    // The kind to store, and whether an edit writes it.
    virtual int kind() const = 0;
    virtual bool editWritesKind() const = 0;

    // Saves: a blank name is refused with focus in the name box; otherwise the insert (new mode)
    // or the update (view/edit mode), then the dialog closes with OK.
    void save();

    QGridLayout* basicLayout() const { return m_basicLayout; }
    QGroupBox* grp1 = nullptr;
    QLabel* lbl1 = nullptr;
    QLineEdit* edtName = nullptr;
    QLabel* lblBalance = nullptr;
    QGroupBox* grp2 = nullptr;
    QCheckBox* chkNegative = nullptr;
    QCheckBox* chkWarn = nullptr;
    QGroupBox* grp3 = nullptr;
    QLabel* lbl2 = nullptr;
    QLineEdit* edtURL = nullptr;
    QLabel* lbl3 = nullptr;
    QPlainTextEdit* Memo = nullptr;
    QWidget* pnl1 = nullptr;
    QPushButton* btnHelp = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* btnClose = nullptr;
    TDataInfo* FDataInfo = nullptr;

private:
    THolderStore::Fields collect() const;

    Texts m_texts;
    QGridLayout* m_basicLayout = nullptr;
};
