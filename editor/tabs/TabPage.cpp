#include "editor/tabs/TabPage.h"

#include <QScrollArea>
#include <QVBoxLayout>

namespace koru {

TabPage::TabPage(FieldFactory& factory, std::string_view container, QWidget* parent)
    : QWidget(parent), factory_(factory) {
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    content_ = container.empty() ? new QWidget : factory.frame(nullptr, container);
    scroll->setWidget(content_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
}

}  // namespace koru
