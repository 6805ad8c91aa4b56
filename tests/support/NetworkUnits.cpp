#include "tests/support/NetworkUnits.h"

#include "model/UnitFile.h"
#include "model/UnitName.h"
#include "tests/support/TestSupport.h"

namespace koru::test {

namespace {

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
    return text;
}

}  // namespace

std::string Entry(int id, const std::string& alias) {
    std::string digits = std::to_string(id);
    return std::string(10 - digits.size(), '0') + digits + "(" + alias + ")";
}

std::string NetworkUnit::fileText() const {
    std::vector<std::string> pings;
    for (const std::string& lower : lowers) pings.push_back("Short ping time - " + lower);
    const std::string ping = upperPing.value_or(upper.empty() ? "" : "Long ping time - " + upper);
    const std::string id10 = entry().substr(0, 10);
    return "-Unit\r\nId=" + id10 + "\r\nAlias=" + alias + "\r\nType=KORU Base\r\n\r\n-Network\r\nSetup units=0,0,0,1,\r\n" +
           "Upper unit=" + upper + "\r\nLower units=" + joined(lowers) + "\r\nUpper ping=" + ping +
           "\r\nLower ping=" + joined(lowerPings.value_or(pings)) +
           "\r\nUser ping time=0\r\nUser ping unit=s\r\nRemotes=\r\n\r\n-Radio\r\nChannel=12\r\n";
}

void WriteNetworkUnits(const std::filesystem::path& unitsFolder, const std::vector<NetworkUnit>& units) {
    std::filesystem::create_directories(unitsFolder);
    for (const NetworkUnit& unit : units) WriteBytes(unitsFolder / unit.fileName(), unit.fileText());
}

std::string TreeUnitEntry(int unit) { return PadUnitId(std::to_string(unit)) + "(Unit " + std::to_string(unit) + ")"; }

bool WriteUnitTree(const std::filesystem::path& unitsFolder, int count, int branches,
                   const std::filesystem::path& defaultFile) {
    UnitConfiguration base;
    if (LoadUnitFile(defaultFile.string(), base, LoadKind::Import)) return false;
    std::filesystem::create_directories(unitsFolder);
    for (int unit = 1; unit <= count; ++unit) {
        UnitConfiguration config = base;
        config.unit = {PadUnitId(std::to_string(unit)), "Unit " + std::to_string(unit), "KORU Base"};
        if (unit >= branches) {
            config.network.upperUnit = TreeUnitEntry(unit / branches);
            config.network.upperPing = "Long ping time - " + config.network.upperUnit;
        }
        for (int lower = unit * branches; lower < unit * branches + branches && lower <= count; ++lower) {
            config.network.lowerUnits.push_back(TreeUnitEntry(lower));
            config.network.lowerPing.push_back("Short ping time - " + TreeUnitEntry(lower));
        }
        WriteBytes(unitsFolder / (TreeUnitEntry(unit) + ".kuf"), UnitFileText(config));
    }
    return true;
}

}  // namespace koru::test
