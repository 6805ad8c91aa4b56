#pragma once

// The page of one tab: a scroll area around the tab's content, so a long tab (24 masks, 22 messages) never
// clips at small window sizes, with the helpers the pages share to lay out their rows.

#include <QString>
#include <QStringList>
#include <QWidget>

#include <string_view>

#include "editor/FieldFactory.h"

class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QListWidget;
class QPushButton;

namespace koru {

// One control of the window: its name and its index in a control array (-1 for a single control).
struct Ctl {
    std::string_view control;
    int index = -1;
};

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

// An event row: a caption, the event's "On" box and the frame that is shown while the box is checked.
struct EventRow {
    QCheckBox* on = nullptr;
    QWidget* frame = nullptr;
    QHBoxLayout* frameLayout = nullptr;
};

// Adds an event row to `grid` at `row`: the caption in column 0 (two captions side by side for the rows that
// have two), the box in column 1 and the frame in column 2. `rowName` names the row for assistive tools when
// its captions alone do not tell it from another row of the tab.
EventRow AddEventRow(FieldFactory& factory, QWidget* parent, QGridLayout* grid, int row,
                     const QStringList& captions, Ctl on, const QString& onCaption, Ctl frame,
                     const QString& rowName = {});

// The name of a row for assistive tools: its captions without their colons ("No match Radio").
QString RowName(const QStringList& captions);

// Adds an "Actions" button and its event action list to the frame of `row`; `rowName` names the row for
// assistive tools ("Timer 1", "Mask 3").
QListWidget* AddActionList(FieldFactory& factory, const EventRow& row, Ctl button, Ctl list, const QString& rowName,
                           int visibleRows = 2);

// The number of rows an event action list shows.
inline constexpr int kActionListRows = 2;

}  // namespace koru
