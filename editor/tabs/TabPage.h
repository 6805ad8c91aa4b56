#pragma once

// The page of one tab: a scroll area around the tab's content, so a long tab (24 masks, 22 messages) never
// clips at small window sizes.

#include <QWidget>

#include <string_view>

#include "editor/FieldFactory.h"

namespace koru {

class TabPage : public QWidget {
public:
    // `container` names the content frame ("fraOverview"); empty when the page makes its frames itself.
    TabPage(FieldFactory& factory, std::string_view container, QWidget* parent);

protected:
    // The widget that holds the page's frames.
    QWidget* content() const { return content_; }
    FieldFactory& factory() const { return factory_; }

private:
    FieldFactory& factory_;
    QWidget* content_;
};

}  // namespace koru
