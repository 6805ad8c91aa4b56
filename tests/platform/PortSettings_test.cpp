#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSettings>

#include <filesystem>

#include "platform/MemorySettingsStore.h"
#include "platform/PortDevices.h"
#include "platform/PortSettings.h"
#include "platform/QtSettingsStore.h"
#include "tests/support/NamedCase.h"
#include "tests/support/TestSupport.h"

namespace koru {
namespace {

using test::PrintTo;

struct ParseCase {
    const char* name;
    const char* text;
    std::optional<PortSettings> expected;
};

class PortSettingsParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(PortSettingsParseTest, Reads) { EXPECT_EQ(PortSettings::parse(GetParam().text), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, PortSettingsParseTest,
    ::testing::Values(ParseCase{"StoredDefault", "9600,n,8,1", PortSettings{9600, 'N', 8, 1}},
                      ParseCase{"UpperCase", "9600,N,8,1", PortSettings{9600, 'N', 8, 1}},
                      ParseCase{"EvenSevenTwo", "19200,e,7,2", PortSettings{19200, 'E', 7, 2}},
                      ParseCase{"Blanks", " 4800 , O , 8 , 1 ", PortSettings{4800, 'O', 8, 1}},
                      ParseCase{"EmptyPart", "9600,,8,1", std::nullopt},
                      ParseCase{"ThreeParts", "9600,n,8", std::nullopt},
                      ParseCase{"FourDataBits", "9600,n,4,1", std::nullopt},
                      ParseCase{"ThreeStopBits", "9600,n,8,3", std::nullopt},
                      ParseCase{"UnknownParity", "9600,x,8,1", std::nullopt},
                      ParseCase{"NoBaud", "fast,n,8,1", std::nullopt},
                      ParseCase{"Empty", "", std::nullopt}),
    test::RowName());

struct DeviceCase {
    const char* name;
    int number;
    const char* mapped;  // "" when the store has no mapping
    const char* device;
};

class PortDeviceTest : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(PortDeviceTest, NamesTheDevice) {
    MemorySettingsStore store;
    if (*GetParam().mapped) {
        store.setValue("serialsetup", "ComDevice" + std::to_string(GetParam().number), GetParam().mapped);
    }
    EXPECT_EQ(DeviceForPort(GetParam().number, store), GetParam().device);
}

INSTANTIATE_TEST_SUITE_P(Ports, PortDeviceTest,
                         ::testing::Values(DeviceCase{"Com1", 1, "", "/dev/ttyS0"},
                                           DeviceCase{"Com3", 3, "", "/dev/ttyS2"},
                                           DeviceCase{"Com2Mapped", 2, "/dev/ttyUSB0", "/dev/ttyUSB0"}),
                         test::RowName());

// Values set are seen at once by every store of the program; the file gets them, together, when the event
// loop next runs, and what is left when the store ends.
TEST(QtSettingsStoreTest, KeepsValuesUnderTheApplicationAndSection) {
    test::TempDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.path().string()));
    const std::filesystem::path file = dir / "KORU Configurator.conf";
    {
        QtSettingsStore store;
        EXPECT_EQ(store.value("serialsetup", "TOslider", "3000"), "3000");
        store.setValue("serialsetup", "TOslider", "5000");
        store.setValue("serialsetup", "ComPortS", "19200,e,7,2");
        EXPECT_EQ(QtSettingsStore().value("serialsetup", "TOslider", "3000"), "5000");
        QCoreApplication::processEvents();
        const std::string written = test::ReadBytes(file);
        EXPECT_NE(written.find("[serialsetup]"), std::string::npos);
        EXPECT_NE(written.find("TOslider=5000"), std::string::npos);
        EXPECT_NE(written.find("ComPortS=\"19200,e,7,2\""), std::string::npos);
        store.setValue("serialsetup", "TOslider", "7000");
    }
    EXPECT_NE(test::ReadBytes(file).find("TOslider=7000"), std::string::npos);
    EXPECT_EQ(QtSettingsStore().value("serialsetup", "ComPortS", "9600,n,8,1"), "19200,e,7,2");
}

struct StoredTextCase {
    const char* name;
    const char* line;  // as a hand-edited or older settings file holds it
    const char* value;
};

class QtSettingsStoreTextTest : public ::testing::TestWithParam<StoredTextCase> {};

// A value with commas written without quotes is read as a list by QSettings; it still reads as the text
// that was written.
TEST_P(QtSettingsStoreTextTest, ReadsTheValueAsWritten) {
    test::TempDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.path().string()));
    test::WriteBytes(dir / "KORU Configurator.conf", std::string("[serialsetup]\n") + GetParam().line + "\n");
    EXPECT_EQ(QtSettingsStore().value("serialsetup", "ComPortS", "9600,n,8,1"), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, QtSettingsStoreTextTest,
                         ::testing::Values(StoredTextCase{"Quoted", "ComPortS=\"19200,e,7,2\"", "19200,e,7,2"},
                                           StoredTextCase{"Unquoted", "ComPortS=19200,e,7,2", "19200,e,7,2"},
                                           StoredTextCase{"UnquotedWrong", "ComPortS=19200,q,7", "19200,q,7"},
                                           StoredTextCase{"OnePart", "ComPortS=fast", "fast"}),
                         test::RowName());

}  // namespace
}  // namespace koru
