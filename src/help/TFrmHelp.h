#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class TChmBrowser;
class TChmFile;

// The help window: the topic in a browser with back, forward and home, beside a Contents pane (the
// file's table of contents) and an Index pane (its keywords, narrowed by what is typed above them).
// Every part is reached by keyboard: Alt+C and Alt+N choose the panes, Alt+K the keyword box,
// Alt+Left and Alt+Right go back and forward, Esc closes the window.
//
// Opened over a modal window, the help window belongs to it (or that window would block it); when
// its owner closes, it stays open, belonging to the next modal window or to none.
class TFrmHelp final : public QWidget
{
    Q_OBJECT

public:
    explicit TFrmHelp(QWidget* owner = nullptr);
    Q_DISABLE_COPY_MOVE(TFrmHelp)

    // The file must outlive the window or be replaced by another one first.
    void setFile(const TChmFile* file);
    void setOwner(QWidget* owner);

    void showTopic(const QString& topic);
    void showContents();
    // The index, narrowed to the keyword, and the topic of its first entry.
    void showIndex(const QString& keyword);
    // The page shown, "/wallet.htm".
    QString currentTopic() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillContents();
    void fillIndex();
    void present();
    void selectContentsOf(const QString& topic);
    void tvContentsCurrentChange(QTreeWidgetItem* item);
    void edtKeywordChange(const QString& text);
    void lstIndexActivate(QListWidgetItem* item);
    void brwTopicSourceChange(const QUrl& url);

    const TChmFile* m_file = nullptr;
    QToolButton* btnBack;
    QToolButton* btnForward;
    QToolButton* btnHome;
    QTabWidget* tabPanes;
    QTreeWidget* tvContents;
    QLabel* lblKeyword;
    QLineEdit* edtKeyword;
    QListWidget* lstIndex;
    TChmBrowser* brwTopic;
    bool m_syncing = false;
};
