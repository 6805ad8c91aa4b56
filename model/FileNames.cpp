#include "model/FileNames.h"

namespace koru {

namespace {

#if defined(_WIN32) || defined(__APPLE__)
constexpr bool kNamesIgnoreCase = true;
#else
constexpr bool kNamesIgnoreCase = false;
#endif

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool FileNamesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (!kNamesIgnoreCase) return a == b;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldCase(a[i]) != foldCase(b[i])) return false;
    }
    return true;
}

bool HasExtension(std::string_view name, std::string_view extension) {
    return name.size() > extension.size() && FileNamesEqual(name.substr(name.size() - extension.size()), extension);
}

}  // namespace koru
