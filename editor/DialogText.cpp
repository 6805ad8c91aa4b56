#include "editor/DialogText.h"

#include "platform/widgets/WidgetText.h"

namespace koru {

std::string DialogText(const std::string& utf8) {
    QString text = QString::fromUtf8(utf8);
    for (QChar& c : text) {
        if (!IsWindows1252(QString(c))) c = u'?';
    }
    return FromWidgetText(text).value_or(std::string());
}

}  // namespace koru
