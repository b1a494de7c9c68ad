#pragma once

#include <QTextBrowser>

class TChmFile;

// Shows the pages of a compiled help file, with their pictures and style sheets, and follows their
// links: inside the file with the back and forward history, web and mail addresses on the desktop.
// Pages are addressed as "chm:/wallet.htm".
class TChmBrowser final : public QTextBrowser
{
    Q_OBJECT

public:
    explicit TChmBrowser(QWidget* parent = nullptr);

    void setFile(const TChmFile* file);
    static QUrl urlOf(const QString& topic);
    // The page shown, "/wallet.htm", without its anchor.
    QString topic() const;

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& link);

    const TChmFile* m_file = nullptr;
};
