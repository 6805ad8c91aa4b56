#include <gtest/gtest.h>

#include "tests/editor/RunningProgram.h"
#include "tests/editor/WindowFixture.h"
#include "tests/support/NonRegularFiles.h"

namespace koru {
namespace {

namespace fs = std::filesystem;

class WindowLoadsTest : public test::WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        test::MakeFifo(library / "pipe.kuf");
        socket_ = std::make_unique<test::SocketFile>(library / "socket.kuf");
        ASSERT_TRUE(open("-Unit\r\nId=0000000042\r\nAlias=Pump\r\n-Radio\r\nChannel=7\r\n"));
    }

    std::unique_ptr<test::SocketFile> socket_;
};

// Open, Open's file chooser and Import refuse a named pipe or a socket at once and change nothing; a pipe
// nobody writes to once froze the window for good.
TEST_F(WindowLoadsTest, RefuseWhatIsNoRegularFile) {
    const std::pair<const char*, const char*> files[] = {{"pipe.kuf", "it is a named pipe, not a regular file"},
                                                         {"socket.kuf", "it is a socket, not a regular file"}};
    const std::pair<const char*, std::function<void(const std::string&)>> loads[] = {
        {"open", [this](const std::string& path) { window->openUnitFile(path); }},
        {"open chosen", [this](const std::string& path) {
             dialogs.files.push_back(path);
             window->openUnit();
         }},
        {"import", [this](const std::string& path) {
             dialogs.files.push_back(path);
             window->importParameters();
         }},
    };
    const UnitConfiguration before = window->configuration();
    for (const auto& [name, reason] : files) {
        for (const auto& [command, load] : loads) {
            SCOPED_TRACE(std::string(command) + " " + name);
            dialogs.shown.clear();
            dialogs.answers = {false};  // Open asks to save the open unit first
            const std::string path = (library / name).string();
            {
                const test::FifoWatchdog watchdog(library / "pipe.kuf");
                load(path);
                EXPECT_FALSE(watchdog.hadToRelease()) << "the window waited for a writer";
            }
            ASSERT_FALSE(dialogs.shown.empty());
            EXPECT_NE(dialogs.shown.back().text.find(path + ":0: cannot read the file: " + reason), std::string::npos)
                << dialogs.shown.back().text;
            EXPECT_EQ(window->configuration(), before);
        }
    }
}

// The program started with a named pipe as its FILE: the window comes up and says why the file was not
// opened.
TEST(WindowProgramTest, StartsAndRefusesANamedPipeGivenAsItsFile) {
    test::TempDir dir;
    test::MakeFifo(dir / "pipe.kuf");
    const test::FifoWatchdog watchdog(dir / "pipe.kuf", std::chrono::seconds(5));
    test::RunningProgram program({"messages", "quit"},
                                 {"--library", QString::fromStdString(dir.path().string()),
                                  QString::fromStdString((dir / "pipe.kuf").string())},
                                 dir.path());
    ASSERT_TRUE(program.waitForLine("ready")) << program.output().toStdString();
    EXPECT_FALSE(watchdog.hadToRelease()) << "the program waited for a writer";
    const auto message = program.line("message: ");
    ASSERT_TRUE(message.has_value()) << program.output().toStdString();
    EXPECT_TRUE(message->contains("pipe.kuf:0: cannot read the file: it is a named pipe, not a regular file"))
        << message->toStdString();
    EXPECT_EQ(program.waitForEnd(), 0);
}

}  // namespace
}  // namespace koru
