#include "app/TAboutBox.h"

#include "app/TFrmMain.h"
#include "toolkit/TShell.h"
#include "toolkit/TToolIcons.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QLabel* link(QWidget* parent, const char* name, const QString& href, const QString& text)
{
    auto* label =
        new QLabel(QStringLiteral("<a href=\"%1\">%2</a>").arg(href.toHtmlEscaped(), text.toHtmlEscaped()), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setOpenExternalLinks(false);
    QObject::connect(label, &QLabel::linkActivated, label, [](const QString& url) { TShell::openUrl(QUrl(url)); });
    return label;
}

} // namespace

TAboutBox::TAboutBox(QWidget* parent)
    : TDialog(QSize(), parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(tr("About"));

    auto* picture = new QLabel(this);
    picture->setPixmap(TToolIcons::icon(QStringLiteral("deposit")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);

    auto* product = new QLabel(QStringLiteral("Tavrin Budget"), this);
    product->setObjectName(QStringLiteral("ProductName"));
    QFont big = product->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    product->setFont(big);
    auto* version = new QLabel(QStringLiteral("V1.1.1.1"), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* copyright = new QLabel(tr("A budget keeper for accounts and wallets."), this);

    const QString mail2 = QStringLiteral("feedback@tavrin-budget.example.org");
    auto* text = new QVBoxLayout;
    text->addWidget(product);
    text->addWidget(version);
    text->addWidget(copyright);
    text->addSpacing(8);
    text->addWidget(link(this, "lblWeb", TFrmMain::webAddress(), TFrmMain::webAddress()));
    text->addWidget(
        link(this, "lblMail1", QStringLiteral("Mailto:") + TFrmMain::supportMail(), TFrmMain::supportMail()));
    text->addWidget(link(this, "lblMail2", QStringLiteral("Mailto:") + mail2, mail2));

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OKButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    fitToContents();
}
