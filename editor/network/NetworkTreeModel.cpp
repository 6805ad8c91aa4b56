#include "editor/network/NetworkTreeModel.h"

#include <QStringList>

#include "editor/network/FindingMarks.h"
#include "platform/widgets/WidgetText.h"

namespace koru {

namespace {

// A unit's findings, one line each, problems first as the map lists them.
QString findingsOf(const NetworkMap& map, const MappedUnit& unit) {
    QStringList lines;
    for (const int finding : unit.findings) lines << MarkedFindingText(map.findings()[static_cast<std::size_t>(finding)]);
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

NetworkTreeModel::NetworkTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void NetworkTreeModel::setMap(std::shared_ptr<const NetworkMap> map) {
    beginResetModel();
    map_ = std::move(map);
    endResetModel();
}

// A row's internal id is its unit's position in the map.
QModelIndex NetworkTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (!map_ || column != 0 || row < 0) return {};
    const std::vector<int>& rows =
        parent.isValid() ? map_->units()[static_cast<std::size_t>(unitAt(parent))].children : map_->roots();
    if (row >= static_cast<int>(rows.size())) return {};
    return createIndex(row, 0, static_cast<quintptr>(rows[static_cast<std::size_t>(row)]));
}

QModelIndex NetworkTreeModel::parent(const QModelIndex& child) const {
    if (!map_ || !child.isValid()) return {};
    const int upper = map_->units()[static_cast<std::size_t>(unitAt(child))].parent;
    return indexOfUnit(upper);
}

QModelIndex NetworkTreeModel::indexOfUnit(int unit) const {
    if (!map_ || unit < 0 || unit >= static_cast<int>(map_->units().size())) return {};
    return createIndex(map_->units()[static_cast<std::size_t>(unit)].row, 0, static_cast<quintptr>(unit));
}

int NetworkTreeModel::unitAt(const QModelIndex& index) {
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

int NetworkTreeModel::rowCount(const QModelIndex& parent) const {
    if (!map_) return 0;
    if (!parent.isValid()) return static_cast<int>(map_->roots().size());
    if (parent.column() != 0) return 0;
    return static_cast<int>(map_->units()[static_cast<std::size_t>(unitAt(parent))].children.size());
}

int NetworkTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant NetworkTreeModel::data(const QModelIndex& index, int role) const {
    if (!map_ || !index.isValid()) return {};
    const MappedUnit& unit = map_->units()[static_cast<std::size_t>(unitAt(index))];
    const bool marked = unit.hasProblem || unit.hasWarning;
    const FindingSeverity severity = unit.hasProblem ? FindingSeverity::Problem : FindingSeverity::Warning;
    switch (role) {
        case Qt::DisplayRole:
            return ToWidgetText(unit.links.entry());
        case Qt::DecorationRole:
            return marked ? QVariant(SeverityIcon(severity)) : QVariant();
        case Qt::ForegroundRole:
            return marked ? QVariant(SeverityColour(severity)) : QVariant();
        case Qt::ToolTipRole:
        case Qt::AccessibleDescriptionRole:
            return marked ? QVariant(findingsOf(*map_, unit)) : QVariant();
        case kUnitRole:
            return unitAt(index);
        default:
            return {};
    }
}

QVariant NetworkTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (section == 0 && orientation == Qt::Horizontal && role == Qt::DisplayRole) return QStringLiteral("Unit");
    return {};
}

}  // namespace koru
