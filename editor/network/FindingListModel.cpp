#include "editor/network/FindingListModel.h"

#include "editor/network/FindingMarks.h"

namespace koru {

FindingListModel::FindingListModel(QObject* parent) : QAbstractListModel(parent) {}

void FindingListModel::setMap(std::shared_ptr<const NetworkMap> map) {
    beginResetModel();
    map_ = std::move(map);
    endResetModel();
}

int FindingListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !map_) return 0;
    return static_cast<int>(map_->findings().size());
}

QVariant FindingListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !map_ || index.row() >= rowCount()) return {};
    const NetworkFinding& finding = map_->findings()[static_cast<std::size_t>(index.row())];
    switch (role) {
        case Qt::DisplayRole:
            return QString::fromStdString(finding.text);
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return MarkedFindingText(finding);
        case Qt::DecorationRole:
            return SeverityIcon(finding.severity());
        case kUnitRole:
            return finding.units.empty() ? -1 : finding.units.front();
        default:
            return {};
    }
}

}  // namespace koru
