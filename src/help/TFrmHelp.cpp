#include "help/TFrmHelp.h"

#include "help/TChmBrowser.h"
#include "help/TChmFile.h"
#include "help/TChmSitemap.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int TopicRole = Qt::UserRole;

template <typename W>
W* named(W* widget, const char* name, const QString& accessibleName = QString())
{
    widget->setObjectName(QString::fromLatin1(name));
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
    return widget;
}

QToolButton* toolButton(const char* name, const QString& text, const QKeySequence& key, QWidget* parent)
{
    auto* button = named(new QToolButton(parent), name);
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setShortcut(key);
    button->setToolTip(QString(text).remove(u'&') + QStringLiteral(" (") + key.toString(QKeySequence::NativeText) +
                       u')');
    return button;
}

// The path of a topic without its anchor, for comparing.
QString pathOf(const QString& topic)
{
    const qsizetype hash = topic.indexOf(u'#');
    return TChmFile::normalized(hash < 0 ? topic : topic.left(hash)).toLower();
}

} // namespace

TFrmHelp::TFrmHelp(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    setObjectName(QStringLiteral("FrmHelp"));
    if (owner)
        owner->installEventFilter(this);
    // Help never keeps the program running after its main window closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The desktop's own font, whatever the window that owns the help window uses for itself.
    const QFont font = QApplication::font();
    const QString size = font.pointSizeF() > 0 ? QString::number(font.pointSizeF()) + QStringLiteral("pt")
                                               : QString::number(font.pixelSize()) + QStringLiteral("px");
    setStyleSheet(QStringLiteral("QWidget { font-family: \"%1\"; font-size: %2; font-weight: normal; }")
                      .arg(font.family(), size));
    resize(860, 600);

    btnBack = toolButton("btnBack", tr("&Back"), QKeySequence::Back, this);
    btnForward = toolButton("btnForward", tr("&Forward"), QKeySequence::Forward, this);
    btnHome = toolButton("btnHome", tr("&Home"), QKeySequence(Qt::ALT | Qt::Key_Home), this);
    btnBack->setEnabled(false);
    btnForward->setEnabled(false);
    auto* bar = new QHBoxLayout;
    bar->addWidget(btnBack);
    bar->addWidget(btnForward);
    bar->addWidget(btnHome);
    bar->addStretch(1);

    tabPanes = named(new QTabWidget(this), "tabPanes", tr("Contents and index"));
    tvContents = named(new QTreeWidget(tabPanes), "tvContents", tr("Contents"));
    tvContents->setHeaderHidden(true);
    tvContents->setColumnCount(1);
    // Titles are never cut: the column is as wide as the widest, and the pane scrolls.
    tvContents->header()->setStretchLastSection(false);
    tvContents->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tabPanes->addTab(tvContents, tr("&Contents"));

    auto* indexPane = named(new QWidget(tabPanes), "pnlIndex");
    lblKeyword = named(new QLabel(tr("&Keyword:"), indexPane), "lblKeyword");
    edtKeyword = named(new QLineEdit(indexPane), "edtKeyword", tr("Keyword"));
    edtKeyword->setPlaceholderText(tr("Type to find a keyword"));
    edtKeyword->setClearButtonEnabled(true);
    lblKeyword->setBuddy(edtKeyword);
    lstIndex = named(new QListWidget(indexPane), "lstIndex", tr("Index"));
    auto* indexLayout = new QVBoxLayout(indexPane);
    indexLayout->setContentsMargins(4, 4, 4, 4);
    indexLayout->addWidget(lblKeyword);
    indexLayout->addWidget(edtKeyword);
    indexLayout->addWidget(lstIndex, 1);
    tabPanes->addTab(indexPane, tr("I&ndex"));

    auto* searchPane = named(new QWidget(tabPanes), "pnlSearch");
    auto* lblSearch = named(new QLabel(tr("&Words to search:"), searchPane), "lblSearch");
    edtSearch = named(new QLineEdit(searchPane), "edtSearch", tr("Words to search"));
    edtSearch->setClearButtonEnabled(true);
    lblSearch->setBuddy(edtSearch);
    btnSearch = named(new QPushButton(tr("Search"), searchPane), "btnSearch", tr("Search"));
    lblSearchCount = named(new QLabel(searchPane), "lblSearchCount");
    lstSearch = named(new QListWidget(searchPane), "lstSearch", tr("Pages found"));
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(edtSearch, 1);
    searchRow->addWidget(btnSearch);
    auto* searchLayout = new QVBoxLayout(searchPane);
    searchLayout->setContentsMargins(4, 4, 4, 4);
    searchLayout->addWidget(lblSearch);
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(lblSearchCount);
    searchLayout->addWidget(lstSearch, 1);
    tabPanes->addTab(searchPane, tr("&Search"));

    brwTopic = named(new TChmBrowser(this), "brwTopic", tr("Topic"));

    auto* split = named(new QSplitter(Qt::Horizontal, this), "splHelp");
    split->addWidget(tabPanes);
    split->addWidget(brwTopic);
    split->setStretchFactor(1, 1);
    split->setSizes({270, 590});
    split->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);

    setTabOrder(btnBack, btnForward);
    setTabOrder(btnForward, btnHome);
    setTabOrder(btnHome, tabPanes);
    setTabOrder(tabPanes, tvContents);
    setTabOrder(tvContents, edtKeyword);
    setTabOrder(edtKeyword, lstIndex);
    setTabOrder(lstIndex, edtSearch);
    setTabOrder(edtSearch, btnSearch);
    setTabOrder(btnSearch, lstSearch);
    setTabOrder(lstSearch, brwTopic);

    connect(btnBack, &QToolButton::clicked, brwTopic, &QTextBrowser::backward);
    connect(btnForward, &QToolButton::clicked, brwTopic, &QTextBrowser::forward);
    connect(btnHome, &QToolButton::clicked, this, [this] {
        if (m_file)
            showTopic(m_file->defaultTopic());
    });
    connect(brwTopic, &QTextBrowser::backwardAvailable, btnBack, &QWidget::setEnabled);
    connect(brwTopic, &QTextBrowser::forwardAvailable, btnForward, &QWidget::setEnabled);
    connect(brwTopic, &QTextBrowser::sourceChanged, this, &TFrmHelp::brwTopicSourceChange);
    connect(tvContents, &QTreeWidget::currentItemChanged, this, &TFrmHelp::tvContentsCurrentChange);
    connect(tvContents, &QTreeWidget::itemActivated, this, &TFrmHelp::tvContentsCurrentChange);
    connect(edtKeyword, &QLineEdit::textChanged, this, &TFrmHelp::edtKeywordChange);
    connect(edtKeyword, &QLineEdit::returnPressed, this, [this] { lstIndexActivate(lstIndex->currentItem()); });
    connect(lstIndex, &QListWidget::itemActivated, this, &TFrmHelp::lstIndexActivate);
    connect(lstIndex, &QListWidget::itemClicked, this, &TFrmHelp::lstIndexActivate);
    connect(edtSearch, &QLineEdit::returnPressed, this, &TFrmHelp::btnSearchClick);
    connect(btnSearch, &QPushButton::clicked, this, &TFrmHelp::btnSearchClick);
    connect(lstSearch, &QListWidget::itemActivated, this, &TFrmHelp::lstSearchActivate);
    connect(lstSearch, &QListWidget::itemClicked, this, &TFrmHelp::lstSearchActivate);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    // Alt+C, Alt+N and Alt+S choose a pane and go into it.
    connect(tabPanes, &QTabWidget::currentChanged, this, [this](int pane) {
        QWidget* const first[] = {tvContents, edtKeyword, edtSearch};
        first[std::clamp(pane, 0, 2)]->setFocus();
    });
    // From the keyword box, the arrow keys go on into the list.
    edtKeyword->installEventFilter(this);
}

void TFrmHelp::setFile(const TChmFile* file)
{
    m_file = file;
    brwTopic->setFile(file);
    fillContents();
    fillIndex();
    m_search = THelpSearch();
    lstSearch->clear();
    lblSearchCount->clear();
    setWindowTitle(file && !file->title().isEmpty() ? file->title() : tr("Help"));
}

void TFrmHelp::setOwner(QWidget* owner)
{
    if (owner == parentWidget())
        return;
    if (parentWidget())
        parentWidget()->removeEventFilter(this);
    const bool wasVisible = isVisible();
    const QRect place = geometry();
    setParent(owner, windowFlags() | Qt::Window);
    setGeometry(place);
    if (owner)
        owner->installEventFilter(this);
    if (wasVisible)
        show();
}

bool TFrmHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Hide) {
        // The modal window below the one that closed, if any, would block a window of its own.
        QWidget* next = QApplication::activeModalWidget();
        setOwner(next != watched ? next : nullptr);
    }
    if (watched == edtKeyword && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_PageDown || key == Qt::Key_PageUp) {
            lstIndex->setFocus();
            QCoreApplication::sendEvent(lstIndex, event);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TFrmHelp::fillContents()
{
    m_syncing = true;
    tvContents->clear();
    if (m_file) {
        QList<QTreeWidgetItem*> parents;
        for (const TChmSitemap::Entry& e : TChmSitemap::parse(m_file->read(m_file->contentsFile()))) {
            const int depth = std::min<int>(e.depth, int(parents.size()));
            parents.resize(depth);
            auto* item = parents.isEmpty() ? new QTreeWidgetItem(tvContents) : new QTreeWidgetItem(parents.last());
            item->setText(0, e.name);
            if (!e.locals.isEmpty())
                item->setData(0, TopicRole, e.locals.first());
            parents.append(item);
        }
        tvContents->expandAll();
    }
    m_syncing = false;
}

void TFrmHelp::fillIndex()
{
    lstIndex->clear();
    edtKeyword->clear();
    if (!m_file)
        return;
    QString parent;
    for (const TChmSitemap::Entry& e : TChmSitemap::parse(m_file->read(m_file->indexFile()))) {
        // A second-level keyword is shown under its first-level one, as "wallet, new".
        if (e.depth == 0)
            parent = e.name;
        auto* item = new QListWidgetItem(e.depth == 0 ? e.name : parent + QStringLiteral(", ") + e.name, lstIndex);
        if (!e.locals.isEmpty())
            item->setData(TopicRole, e.locals.first());
    }
}

void TFrmHelp::present()
{
    show();
    raise();
    activateWindow();
}

void TFrmHelp::showTopic(const QString& topic)
{
    if (!m_file || topic.isEmpty() || !m_file->contains(TChmBrowser::urlOf(topic).path()))
        return;
    brwTopic->setSource(TChmBrowser::urlOf(topic));
    present();
}

void TFrmHelp::showContents()
{
    tabPanes->setCurrentIndex(0);
    if (brwTopic->topic().isEmpty() && m_file)
        showTopic(m_file->defaultTopic());
    present();
    tvContents->setFocus();
}

void TFrmHelp::showIndex(const QString& keyword)
{
    tabPanes->setCurrentIndex(1);
    edtKeyword->setText(keyword);
    if (QListWidgetItem* item = lstIndex->currentItem())
        lstIndexActivate(item);
    present();
    edtKeyword->setFocus();
}

void TFrmHelp::showSearch(const QString& words)
{
    tabPanes->setCurrentIndex(2);
    edtSearch->setText(words);
    btnSearchClick();
    present();
    edtSearch->setFocus();
}

QString TFrmHelp::currentTopic() const
{
    return brwTopic->topic();
}

void TFrmHelp::selectContentsOf(const QString& topic)
{
    const QString path = pathOf(topic);
    for (QTreeWidgetItemIterator it(tvContents); *it; ++it) {
        if (pathOf((*it)->data(0, TopicRole).toString()) == path) {
            m_syncing = true;
            tvContents->setCurrentItem(*it);
            m_syncing = false;
            return;
        }
    }
}

void TFrmHelp::tvContentsCurrentChange(QTreeWidgetItem* item)
{
    if (m_syncing || !item)
        return;
    const QString topic = item->data(0, TopicRole).toString();
    if (!topic.isEmpty() && pathOf(topic) != pathOf(currentTopic()))
        showTopic(topic);
}

void TFrmHelp::edtKeywordChange(const QString& text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    QListWidgetItem* starting = nullptr;
    for (int i = 0; i < lstIndex->count(); ++i) {
        QListWidgetItem* item = lstIndex->item(i);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && !first)
            first = item;
        if (shown && !starting && item->text().startsWith(wanted, Qt::CaseInsensitive))
            starting = item;
    }
    lstIndex->setCurrentItem(starting ? starting : first);
}

void TFrmHelp::lstIndexActivate(QListWidgetItem* item)
{
    if (item && !item->isHidden())
        showTopic(item->data(TopicRole).toString());
}

void TFrmHelp::brwTopicSourceChange(const QUrl& url)
{
    const QString title = brwTopic->documentTitle();
    const QString product = m_file && !m_file->title().isEmpty() ? m_file->title() : tr("Help");
    setWindowTitle(title.isEmpty() ? product : title + QStringLiteral(" - ") + product);
    // Marks belong to the page they were made on.
    brwTopic->setExtraSelections({});
    // The browser tells before it takes the new address as its own.
    selectContentsOf(url.path());
}

void TFrmHelp::btnSearchClick()
{
    lstSearch->clear();
    if (!m_file)
        return;
    if (m_search.isEmpty()) {
        for (const QString& path : m_file->paths()) {
            if (path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive) ||
                path.endsWith(QLatin1String(".html"), Qt::CaseInsensitive))
                m_search.addPage(path, m_file->read(path));
        }
    }
    const QList<THelpSearch::Hit> hits = m_search.find(edtSearch->text());
    for (const THelpSearch::Hit& hit : hits) {
        auto* item = new QListWidgetItem(tr("%1 (%2)").arg(hit.title).arg(hit.count), lstSearch);
        item->setData(TopicRole, hit.topic);
    }
    lblSearchCount->setText(edtSearch->text().trimmed().isEmpty() ? QString() : tr("Pages found: %1").arg(hits.size()));
    if (!hits.isEmpty())
        lstSearch->setCurrentRow(0);
}

void TFrmHelp::lstSearchActivate(QListWidgetItem* item)
{
    if (!item)
        return;
    showTopic(item->data(TopicRole).toString());
    markWords(edtSearch->text());
}

void TFrmHelp::markWords(const QString& words)
{
    // The document's own text, one position per character, so that the matches are its positions.
    QTextDocument* page = brwTopic->document();
    QList<QTextEdit::ExtraSelection> marks;
    QTextCharFormat mark;
    mark.setBackground(QColor(255, 230, 80));
    mark.setForeground(Qt::black);
    for (const THelpSearch::Match& m : THelpSearch::matches(page->toRawText(), words)) {
        QTextCursor cursor(page);
        cursor.setPosition(int(m.start));
        cursor.setPosition(int(m.start + m.length), QTextCursor::KeepAnchor);
        marks.append({cursor, mark});
    }
    brwTopic->setExtraSelections(marks);
    if (!marks.isEmpty()) {
        QTextCursor first = marks.first().cursor;
        first.clearSelection();
        brwTopic->setTextCursor(first);
        brwTopic->ensureCursorVisible();
    }
}
