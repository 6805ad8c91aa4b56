#include "editor/MessagePath.h"

#include <QFile>

#include "platform/widgets/WidgetText.h"

namespace koru {

std::string MessagePath(const std::string& path) {
    QString shown = QFile::decodeName(path.c_str());
    for (QChar& c : shown) {
        if (!IsWindows1252(QString(c))) c = u'?';
    }
    return "\"" + FromWidgetText(shown).value_or(std::string()) + "\"";
}

}  // namespace koru
