#include "editor/network/FindingMarks.h"

#include <QApplication>
#include <QStyle>

namespace koru {

QIcon SeverityIcon(FindingSeverity severity) {
    // Made once, on first use: the style's icons are read from files.
    static const QIcon problem = QApplication::style()->standardIcon(QStyle::SP_MessageBoxCritical);
    static const QIcon warning = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
    return severity == FindingSeverity::Problem ? problem : warning;
}

QColor SeverityColour(FindingSeverity severity) {
    return severity == FindingSeverity::Problem ? QColor(176, 0, 32) : QColor(150, 90, 0);
}

QString MarkedFindingText(const NetworkFinding& finding) {
    const QString text = QString::fromStdString(finding.text);
    return finding.severity() == FindingSeverity::Problem ? QStringLiteral("Problem: ") + text
                                                          : QStringLiteral("Warning: ") + text;
}

}  // namespace koru
