#include <gtest/gtest.h>

#include "editor/EditorStyle.h"

namespace koru {
namespace {

// The window and dialogs are tested, and pictured, with the program's own style and font, as people see
// them.
class ProgramLook : public ::testing::Environment {
public:
    void SetUp() override { UseEditorStyle(); }
};

[[maybe_unused]] ::testing::Environment* const kProgramLook = ::testing::AddGlobalTestEnvironment(new ProgramLook);

}  // namespace
}  // namespace koru
