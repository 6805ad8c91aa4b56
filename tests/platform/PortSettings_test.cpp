#include <gtest/gtest.h>

#include <QSettings>

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

TEST(QtSettingsStoreTest, KeepsValuesUnderTheApplicationAndSection) {
    test::TempDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(dir.path().string()));
    QtSettingsStore store;
    EXPECT_EQ(store.value("serialsetup", "TOslider", "3000"), "3000");
    store.setValue("serialsetup", "TOslider", "5000");
    EXPECT_EQ(QtSettingsStore().value("serialsetup", "TOslider", "3000"), "5000");
    const std::string file = test::ReadBytes(dir / "KORU Configurator.conf");
    EXPECT_NE(file.find("[serialsetup]"), std::string::npos);
    EXPECT_NE(file.find("TOslider=5000"), std::string::npos);
}

}  // namespace
}  // namespace koru
