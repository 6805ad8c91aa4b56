#pragma once

// The window's tab set `sstEvents`: twelve tabs in rows of four above one page area, so every caption stays
// readable at any window width a laptop offers. The pages live in a QTabWidget named "sstEvents" whose own
// single-row bar is hidden; Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDown and Ctrl+PgUp move between the tabs.

#include <QList>
#include <QWidget>

class QButtonGroup;
class QGridLayout;
class QTabWidget;

namespace koru {

class TabButton;

class TabSet : public QWidget {
    Q_OBJECT

public:
    explicit TabSet(QWidget* parent);

    void addPage(QWidget* page, const QString& caption);
    QTabWidget* pages() const { return pages_; }

private:
    void showPage(int index);
    void step(int by);

    static constexpr int kTabsPerRow = 4;
    QGridLayout* rows_;
    QTabWidget* pages_;
    QList<TabButton*> tabs_;
};

}  // namespace koru
