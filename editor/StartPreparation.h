#pragma once
// Prepares on other threads, while the main thread makes the window, what the window's first paint needs
// and the bare making of the window does not:
// - the system's font list. Reading it (fontconfig parses its configuration and every font's entry) is the
//   largest single piece of a start, and Qt does it on the first use of any font; the window's widgets are
//   made without measuring text, so most of it runs beside them. Qt reads the list behind one lock: whatever
//   needs a font before the reading is done waits for it, as it would have waited for the reading itself.
// - the memory the window is first painted into. A window of the program's size paints into 4 MB shared with
//   the X server, and the first touch of each of its pages costs the painting thread a page fault (some 3 ms
//   for all of them). Mapped in beforehand, the first paint finds them ready.
// The work runs in that order on one thread, so the fonts the window waits for come first.
// Beside it, on a thread of its own, the connection to the desktop's session bus, which any window needs but
// which would otherwise stop the making of this one: on X11 and Wayland the first widget that names itself for
// a screen reader, and the menu bar, wait until it is made (or, with no bus to be found, until looking for one
// has failed, which starts a helper program and takes milliseconds).

#include <QThreadPool>

class QWidget;

namespace koru {

class StartPreparation {
public:
    StartPreparation();  // the application must exist
    ~StartPreparation();  // waits for the work to end

    // Makes `window`'s picture memory now and maps it in after the fonts. Only where the memory can be asked
    // for before the first paint (X11, at the scale of 1); elsewhere the first paint makes it as usual.
    void prepareFirstPaint(QWidget& window);

    StartPreparation(const StartPreparation&) = delete;
    StartPreparation& operator=(const StartPreparation&) = delete;

private:
    QThreadPool worker_;
    QThreadPool bus_;
};

}  // namespace koru
