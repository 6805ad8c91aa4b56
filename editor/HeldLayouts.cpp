#include "editor/HeldLayouts.h"

#include <QWidget>

namespace koru {

HeldLayouts::HeldLayouts(QWidget& window) {
    // Only a widget's own layout acts; the layouts nested in it act through it.
    const auto hold = [this](QWidget* widget) {
        QLayout* layout = widget->layout();
        if (layout == nullptr || !layout->isEnabled()) return;
        layout->setEnabled(false);
        held_.push_back(layout);
    };
    hold(&window);
    for (QWidget* widget : window.findChildren<QWidget*>()) hold(widget);
}

HeldLayouts::~HeldLayouts() {
    for (const QPointer<QLayout>& layout : held_) {
        if (layout) layout->setEnabled(true);
    }
    // Children first: a parent then lays out with its children's new sizes. A hidden widget's layout acts
    // when it is shown, as always.
    for (auto layout = held_.rbegin(); layout != held_.rend(); ++layout) {
        if (*layout && (*layout)->parentWidget()->isVisible()) (*layout)->activate();
    }
}

}  // namespace koru
