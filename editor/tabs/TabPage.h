#pragma once

// The page of one tab: a scroll area around the tab's content, so a long tab (24 masks, 22 messages) never
// clips at small window sizes.

#include <QWidget>

#include <string_view>

#include "editor/FieldFactory.h"

class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace koru {

class ListBox;

class TabPage : public QWidget {
public:
    // `container` names the content frame ("fraOverview"); empty when the page makes its frames itself.
    TabPage(FieldFactory& factory, std::string_view container, QWidget* parent);

protected:
    // The widget that holds the page's frames.
    QWidget* content() const { return content_; }
    FieldFactory& factory() const { return factory_; }
    // Two columns of frames over the content, their widths in the ratio `leftStretch` to `rightStretch`.
    struct Columns {
        QVBoxLayout* left;
        QVBoxLayout* right;
    };
    Columns columns(int leftStretch, int rightStretch) const;
    // An action page's destination list (`rows` rows tall) with its caption at `row` of `grid`, and its
    // create button below the list.
    struct Destinations {
        ListBox* list;
        QPushButton* create;
    };
    Destinations destinations(QGridLayout* grid, int row, const EditorField& list, int rows,
                              const ButtonControl& create) const;

private:
    FieldFactory& factory_;
    QWidget* content_;
};

}  // namespace koru
