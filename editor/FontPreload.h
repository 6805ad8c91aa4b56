#pragma once
// Reads the system's font list on a second thread while the window is made. Reading it (fontconfig parses
// its configuration and every font's entry) is the largest single piece of a start, and Qt does it on the
// first use of any font; the window's widgets are made without measuring text, so most of it runs beside
// them. Qt reads the list behind one lock: whatever needs a font before the reading is done waits for it, as
// it would have waited for the reading itself.

#include <thread>

namespace koru {

class FontPreload {
public:
    FontPreload();  // the application must exist
    ~FontPreload();  // waits for the reading to end

    FontPreload(const FontPreload&) = delete;
    FontPreload& operator=(const FontPreload&) = delete;

private:
    std::jthread reader_;
};

}  // namespace koru
