#pragma once

#include "help/THelpSearch.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;
class TChmBrowser;
class TChmFile;

// The help window: the topic in a browser with back, forward and home, beside a Contents pane (the
// file's table of contents), an Index pane (its keywords, narrowed by what is typed above them) and a
// Search pane (the pages that hold the words typed, most matches first; the page chosen is shown with
// the words marked). Every part is reached by keyboard: Alt+C, Alt+N and Alt+S choose the panes,
// Alt+K the keyword box, Alt+W the words to search,
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
    // The Search pane with `words` searched.
    void showSearch(const QString& words);

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
    void btnSearchClick();
    void lstSearchActivate(QListWidgetItem* item);
    void markWords(const QString& words);

    const TChmFile* m_file = nullptr;
    QToolButton* btnBack;
    QToolButton* btnForward;
    QToolButton* btnHome;
    QTabWidget* tabPanes;
    QTreeWidget* tvContents;
    QLabel* lblKeyword;
    QLineEdit* edtKeyword;
    QListWidget* lstIndex;
    QLineEdit* edtSearch;
    QPushButton* btnSearch;
    QLabel* lblSearchCount;
    QListWidget* lstSearch;
    TChmBrowser* brwTopic;
    THelpSearch m_search; // filled from the file at the first search
    bool m_syncing = false;
};
