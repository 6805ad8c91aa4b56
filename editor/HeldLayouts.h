#pragma once

// Each widget shown while its window is shown lays out its whole page again, there and then, before the
// next one shows. Opening a unit shows and hides hundreds of event rows at once: while a `HeldLayouts`
// lives, the window's layouts wait, and when it ends each one that changed lays out once.

#include <QLayout>
#include <QPointer>

#include <vector>

class QWidget;

namespace koru {

class HeldLayouts {
public:
    explicit HeldLayouts(QWidget& window);
    ~HeldLayouts();

    HeldLayouts(const HeldLayouts&) = delete;
    HeldLayouts& operator=(const HeldLayouts&) = delete;

private:
    std::vector<QPointer<QLayout>> held_;  // parents before their children; a field may go meanwhile
};

}  // namespace koru
