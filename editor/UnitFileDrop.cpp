#include "editor/UnitFileDrop.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

#include "editor/MainWindow.h"

namespace koru {

namespace {

enum class DroppedFile { None, Unit, Parameters };

// What one local file dropped is; anything else (several files, a text, a web address) is left to the fields.
DroppedFile Kind(const QMimeData* data, QString* path) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) return DroppedFile::None;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return DroppedFile::None;
    *path = url.toLocalFile();
    const QString suffix = QFileInfo(*path).suffix().toLower();
    if (suffix == QLatin1String("kuf")) return DroppedFile::Unit;
    if (suffix == QLatin1String("kpf")) return DroppedFile::Parameters;
    return DroppedFile::None;
}

}  // namespace

UnitFileDrop::UnitFileDrop(MainWindow& window) : QObject(&window), window_(window) {
    window_.setAcceptDrops(true);
    // On the application: the field under the pointer would take a drop before the window sees it.
    QCoreApplication::instance()->installEventFilter(this);
}

bool UnitFileDrop::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != &window_ || !window_.isWindowEnabled()) return false;
    auto* drop = static_cast<QDropEvent*>(event);  // QDragEnterEvent and QDragMoveEvent are drop events
    QString path;
    const DroppedFile kind = Kind(drop->mimeData(), &path);
    if (kind == DroppedFile::None) return false;
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (type != QEvent::Drop) return true;
    const std::string file = QFile::encodeName(path).toStdString();
    // Queued: the drop's source waits for the event to return, and the save question must not keep it.
    QMetaObject::invokeMethod(
        this,
        [this, kind, file] {
            if (kind == DroppedFile::Unit) {
                window_.promptSaveUnit([this, file] { window_.openUnitFile(file); });
            } else {
                window_.importParameterFile(file);
            }
        },
        Qt::QueuedConnection);
    return true;
}

}  // namespace koru
