#include "editor/TabSet.h"

#include <QEvent>
#include <QGridLayout>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

#include "editor/TabButton.h"

namespace koru {

namespace {

// The pages' own tab bar, which stays hidden (the tab buttons take its place): it lays its tabs out again
// for every page added, and need not measure their captions to do so.
class HiddenTabBar : public QTabBar {
protected:
    QSize tabSizeHint(int) const override { return {0, 0}; }
    QSize minimumTabSizeHint(int) const override { return {0, 0}; }
};

// The pages, one shown at a time in the tab widget's frame.
class PageStack : public QTabWidget {
public:
    explicit PageStack(QWidget* parent) : QTabWidget(parent) {
        setTabBar(new HiddenTabBar);
        tabBar()->hide();
    }
};

}  // namespace

TabSet::TabSet(QWidget* parent) : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    rows_ = new QGridLayout;
    rows_->setSpacing(0);
    layout->addLayout(rows_);
    pages_ = new PageStack(this);
    pages_->setObjectName(QStringLiteral("sstEvents"));
    pages_->setFocusPolicy(Qt::NoFocus);  // the tab buttons above take the keyboard; the own bar is hidden
    layout->addWidget(pages_, 1);
    connect(pages_, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0 || index >= tabs_.size()) return;
        buildPage(index);
        tabs_[index]->setChecked(true);
    });

    const auto shortcut = [this](QKeySequence keys, int by) {
        auto* next = new QShortcut(keys, this);
        connect(next, &QShortcut::activated, this, [this, by] { step(by); });
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), 1);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
}

void TabSet::addPage(const QString& caption, PageBuilder build) {
    const int index = static_cast<int>(tabs_.size());
    auto* tab = new TabButton(caption, this);
    tab->setObjectName(QStringLiteral("tab%1").arg(index));
    rows_->addWidget(tab, index / kTabsPerRow, index % kTabsPerRow);
    tabs_.append(tab);
    builders_.push_back(std::move(build));
    // Toggled, not clicked: a screen reader's "toggle" action checks the button without a click.
    connect(tab, &TabButton::toggled, this, [this, index](bool checked) {
        if (checked) showPage(index);
    });
    // The tab holds its page from the start; the page fills the holder once built.
    auto* holder = new QWidget;
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    // The tab buttons show the caption; the hidden bar would only measure it again. The first tab added
    // becomes the current one by itself; its page waits until the tab set is readied for showing.
    const QSignalBlocker quietPages(pages_);
    pages_->addTab(holder, QString());
    if (index == pages_->currentIndex()) {
        const QSignalBlocker quietTab(tab);
        tab->setChecked(true);
    }
}

// The current tab's page is built as the tab set is readied for its first showing, before the window lays
// itself out: the page is there in the window's first layout and paint, and the window is made without it,
// so nothing there waits for the system's fonts.
bool TabSet::event(QEvent* event) {
    if (event->type() == QEvent::Polish) buildPage(pages_->currentIndex());
    return QWidget::event(event);
}

void TabSet::buildPage(int index) {
    if (index < 0 || index >= static_cast<int>(builders_.size()) || !builders_[index]) return;
    const PageBuilder build = std::exchange(builders_[index], {});
    QWidget* holder = pages_->widget(index);
    QWidget* page = build(holder);
    holder->layout()->addWidget(page);
    // A hidden holder shows its page with itself; a shown one would only show it later.
    if (holder->isVisible()) page->show();
}

// The page is built before it is shown, as a page that was always there would be.
void TabSet::showPage(int index) {
    buildPage(index);
    pages_->setCurrentIndex(index);
}

void TabSet::step(int by) {
    const int count = pages_->count();
    if (count == 0) return;
    showPage((pages_->currentIndex() + by + count) % count);
}

}  // namespace koru
