#pragma once

// The units of a network map as a tree for a QTreeView: each unit under its upper unit, shown as its entry, with
// the mark of its findings (an icon and a colour: problems apart from warnings) and their texts as its tooltip.
// The rows are read from the map as the view asks for them, so a library of thousands of units costs nothing
// until it is scrolled to.

#include <QAbstractItemModel>

#include <memory>

#include "model/NetworkMap.h"

namespace koru {

class NetworkTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // Data of every row: its unit's position in NetworkMap::units().
    static constexpr int kUnitRole = Qt::UserRole;

    explicit NetworkTreeModel(QObject* parent = nullptr);

    void setMap(std::shared_ptr<const NetworkMap> map);
    const NetworkMap* map() const { return map_.get(); }

    // The row of a unit; invalid for -1 or without a map.
    QModelIndex indexOfUnit(int unit) const;
    // The unit of a row; -1 for none.
    static int unitAt(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const NetworkMap> map_;
};

}  // namespace koru
