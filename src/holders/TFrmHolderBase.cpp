#include "holders/TFrmHolderBase.h"

#include "data/TDataInfo.h"
#include "help/THelpRouter.h"
#include "toolkit/Named.h"
#include "toolkit/TErrorReport.h"
#include "toolkit/TMessageService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFrmHolderBase::TFrmHolderBase(const Texts& texts, QWidget* parent)
    : TDialog(texts.clientSize, parent)
    , m_texts(texts)
{
    setWindowTitle(texts.caption);

    grp1 = named(new QGroupBox(tr("Basic Info"), this), "grp1");
    lbl1 = named(new QLabel(texts.nameLabel, grp1), "lbl1");
    edtName = named(new QLineEdit(grp1), "edtName");
    lbl1->setBuddy(edtName);
    lblBalance = named(new QLabel(grp1), "lblBalance");
    QPalette red = lblBalance->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblBalance->setPalette(red);
    m_basicLayout = new QGridLayout(grp1);
    m_basicLayout->addWidget(lbl1, 0, 0);
    m_basicLayout->addWidget(edtName, 0, 1, 1, 3);

    grp2 = named(new QGroupBox(tr("Options"), this), "grp2");
    chkNegative = named(new QCheckBox(texts.negative, grp2), "chkNegative");
    chkWarn = named(new QCheckBox(texts.warn, grp2), "chkWarn");
    auto* options = new QVBoxLayout(grp2);
    options->addWidget(chkNegative);
    options->addWidget(chkWarn);
    connect(chkNegative, &QCheckBox::toggled, this, &TFrmHolderBase::chkNegativeClick);

    grp3 = named(new QGroupBox(tr("Memo"), this), "grp3");
    lbl2 = named(new QLabel(tr("Association URL:"), grp3), "lbl2");
    edtURL = named(new QLineEdit(grp3), "edtURL");
    lbl2->setBuddy(edtURL);
    lbl3 = named(new QLabel(tr("Memo:"), grp3), "lbl3");
    Memo = named(new QPlainTextEdit(grp3), "Memo");
    lbl3->setBuddy(Memo);
    // The memo takes whatever height is left; it does not push the dialog past its designed size.
    Memo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    Memo->setMinimumHeight(40);
    auto* memo = new QGridLayout(grp3);
    memo->addWidget(lbl2, 0, 0);
    memo->addWidget(edtURL, 0, 1);
    memo->addWidget(lbl3, 1, 0, Qt::AlignTop);
    memo->addWidget(Memo, 1, 1);

    pnl1 = named(new QWidget(this), "pnl1");
    btnHelp = named(new QPushButton(tr("&Help"), pnl1), "btnHelp");
    m_btnSave = new QPushButton(texts.saveCaption, pnl1);
    m_btnSave->setObjectName(texts.saveName);
    m_btnSave->setDefault(true);
    btnClose = named(new QPushButton(tr("&Close"), pnl1), "btnClose");
    auto* buttons = new QHBoxLayout(pnl1);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch(1);
    buttons->addWidget(btnHelp);
    buttons->addWidget(m_btnSave);
    buttons->addWidget(btnClose);
    // F1 asks for the same context through the dialog's property.
    setProperty("helpContext", m_texts.helpContext);
    connect(btnHelp, &QPushButton::clicked, this, [this] { THelpRouter::showContext(m_texts.helpContext); });
    connect(m_btnSave, &QPushButton::clicked, this, [this] { TErrorReport::run(this, [this] { save(); }); });
    // Close and Esc end the dialog with the Cancel result.
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grp1);
    layout->addWidget(grp2);
    layout->addWidget(grp3, 1);
    layout->addWidget(pnl1);

    chkNegativeClick();
}

void TFrmHolderBase::chkNegativeClick()
{
    chkWarn->setEnabled(chkNegative->isChecked());
}

void TFrmHolderBase::ShowHolder(TDataInfo* info)
{
    FDataInfo = info;
    if (info == nullptr)
        return;
    edtName->setText(info->Name);
    chkNegative->setChecked(info->Negative);
    chkNegativeClick();
    chkWarn->setChecked(info->WarnNegative);
    edtURL->setText(info->URL);
    Memo->setPlainText(info->Memo);
    // The amount labels keep their designed widths as minimums: a large or negative balance is
    // shown whole, and the dialog grows for it.
    fitToContents();
}

THolderStore::Fields TFrmHolderBase::collect() const
{
    return {edtName->text().trimmed(), kind(),
            chkNegative->isChecked(),  chkWarn->isChecked(),
            edtURL->text().trimmed(),  Memo->toPlainText().trimmed()};
}

void TFrmHolderBase::save()
{
    const THolderStore::Fields fields = collect();
    if (fields.name.isEmpty()) {
        TMessageService::ShowErrorBox(m_texts.emptyName, this);
        edtName->setFocus();
        return;
    }
    // No row written (a holder that is gone, an insert the database skipped) is a failed save: the
    // dialog says so and stays open with the input.
    const int written = FDataInfo != nullptr ? THolderStore::updateHolder(FDataInfo->ID, fields, editWritesKind())
                                             : THolderStore::insertHolder(fields);
    if (written > 0)
        accept();
    else
        TMessageService::ShowErrorBox(m_texts.addError, this);
}
