#pragma once

// The findings of a network map as a list, one row per finding in the map's order, each with the icon of its
// severity; reading software speaks "Problem: " or "Warning: " before the text.

#include <QAbstractListModel>

#include <memory>

#include "model/NetworkMap.h"

namespace koru {

class FindingListModel : public QAbstractListModel {
    Q_OBJECT

public:
    // Data of every row: the unit it concerns first (a position in NetworkMap::units()), -1 for none.
    static constexpr int kUnitRole = Qt::UserRole;

    explicit FindingListModel(QObject* parent = nullptr);

    void setMap(std::shared_ptr<const NetworkMap> map);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::shared_ptr<const NetworkMap> map_;
};

}  // namespace koru
