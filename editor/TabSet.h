#pragma once

// The window's tab set `sstEvents`: twelve tabs in rows of four above one page area, so every caption stays
// readable at any window width a laptop offers. The pages live in a QTabWidget named "sstEvents" whose own
// single-row bar is hidden; Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp move between the tabs.
// A tab's page is built when the tab is first shown, so the window appears without waiting for the
// thousand fields of the pages nobody has looked at yet.

#include <QList>
#include <QWidget>

#include <functional>
#include <vector>

class QButtonGroup;
class QGridLayout;
class QTabWidget;

namespace koru {

class TabButton;

class TabSet : public QWidget {
    Q_OBJECT

public:
    explicit TabSet(QWidget* parent);

    // A tab whose page `build(holder)` makes, as a child of `holder`, when the tab is first shown.
    using PageBuilder = std::function<QWidget*(QWidget* holder)>;
    void addPage(const QString& caption, PageBuilder build);
    // Builds the page of tab `index` now, if it has not been built yet.
    void buildPage(int index);
    QTabWidget* pages() const { return pages_; }

protected:
    bool event(QEvent* event) override;

private:
    void showPage(int index);
    void step(int by);

    static constexpr int kTabsPerRow = 4;
    QGridLayout* rows_;
    QTabWidget* pages_;
    QList<TabButton*> tabs_;
    std::vector<PageBuilder> builders_;  // emptied once a page is built
};

}  // namespace koru
