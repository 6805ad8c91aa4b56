#pragma once

// The Yes/No questions the unit library asks (as results, model/LibraryResult.h) before it overwrites or
// deletes anything.

#include <string>
#include <string_view>

namespace koru {

inline constexpr std::string_view kSaveUnitQuestion = "Do you want to save unit?";
inline constexpr std::string_view kSaveUnitTitle = "Save unit...";
inline constexpr std::string_view kReplaceUnitQuestion = "That ID number already exists,\r\ndo you want to replace it?";
inline constexpr std::string_view kReplaceUnitTitle = "ID already exist";
inline constexpr std::string_view kDeleteUnitTitle = "Delete unit...";

inline std::string DeleteUnitQuestion(std::string_view entry) {
    return "Are you sure that you want to delete " + std::string(entry) + "?";
}

}  // namespace koru
