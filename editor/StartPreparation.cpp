#include "editor/StartPreparation.h"

#include <QBackingStore>
#include <QDBusConnection>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <cstddef>

#include <sys/mman.h>

namespace koru {

StartPreparation::StartPreparation() {
    // Only the platforms that reach screen readers through the bus; elsewhere nothing would connect. The bus
    // comes first: looking for a missing bus copies the process, which is quicker before the fonts are read.
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"))) {
        bus_.start([] { QDBusConnection::sessionBus(); });  // made once; the window's later asks find it
    }
    worker_.setMaxThreadCount(1);  // one thread, so the jobs run in the order given
    worker_.start([] { QFontDatabase::families(); });
}

StartPreparation::~StartPreparation() {
    worker_.waitForDone();
    bus_.waitForDone();
}

void StartPreparation::prepareFirstPaint(QWidget& window) {
#ifdef MADV_POPULATE_WRITE
    // Other platforms make a window's picture memory only as they begin to paint; asking for it earlier is
    // not safe there. At another scale the painter's view of the memory exists only once a paint began.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || window.devicePixelRatioF() != 1.0) return;
    window.winId();  // the native window, as showing it would make it
    QBackingStore* store = window.backingStore();
    if (store == nullptr) return;
    store->resize(window.size());  // as the first paint would, so that paint keeps this memory
    QPaintDevice* device = store->paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) return;
    const auto* image = static_cast<const QImage*>(device);
    void* memory = const_cast<uchar*>(image->constBits());  // constBits: no copy of the picture
    const auto bytes = static_cast<std::size_t>(image->sizeInBytes());
    // Only maps pages in, never writes them: harmless even if the window changed its memory meanwhile. A
    // kernel without MADV_POPULATE_WRITE refuses it, and the first paint maps the pages as before.
    worker_.start([memory, bytes] { ::madvise(memory, bytes, MADV_POPULATE_WRITE); });
#else
    (void)window;
#endif
}

}  // namespace koru
