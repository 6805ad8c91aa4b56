#include "model/FileNames.h"

#include <algorithm>
#include <system_error>

#include "model/Windows1252.h"

namespace koru {

namespace {

#if defined(_WIN32) || defined(__APPLE__)
constexpr bool kNamesIgnoreCase = true;
#else
constexpr bool kNamesIgnoreCase = false;
#endif

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::filesystem::path FileSystemName(std::string_view name) {
    const std::string utf8 = Windows1252ToUtf8(name);
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::optional<std::string> NameFromFileSystem(const std::filesystem::path& name) {
    std::u8string utf8;
    try {
        utf8 = name.u8string();
    } catch (const std::system_error&) {
        return std::nullopt;  // a name the native encoding itself cannot convert
    }
    std::string bytes;
    if (Utf8ToWindows1252(std::string_view(reinterpret_cast<const char*>(utf8.data()), utf8.size()), bytes)) {
        return std::nullopt;
    }
    if (std::any_of(bytes.begin(), bytes.end(), IsWindows1252Control)) return std::nullopt;
    return bytes;
}

std::string PathForMessage(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
}

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
