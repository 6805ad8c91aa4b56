#pragma once

// The nineteen sections of a unit file, in the order a unit file holds them, with the reader and the writer
// of each. What a section holds is described by the setting catalog (model/SettingCatalog.h).

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/FileSyntax.h"
#include "model/UnitConfiguration.h"

namespace koru {

enum class Section {
    Unit, Network, Radio, Serial, Timer, Counter, Gsm, Web, Input, IoEvent, TimerEvent, CommunicationEvent,
    CounterEvent, MessageEvent, RemoteEvent, MessageAction, OutputFlagAction, TimerAction, CounterAction,
};
inline constexpr int kSectionCount = 19;

// The section's name as its heading writes it after the "-".
const char* SectionName(Section section);
// The section a heading names; nullopt for names no reader knows (their lines are ignored).
std::optional<Section> SectionByName(std::string_view name);
// All sections in file order.
const std::array<Section, kSectionCount>& AllSections();

// Why a line makes a load fail; nullopt when the line was applied or ignored.
using ReadFailure = std::optional<std::string>;

struct Setting;

// What a key line sets: the setting, its item, and the value (a view into the line).
struct KeyLineEffect {
    const Setting* setting;
    int item;
    std::string_view value;
};

// Reads the lines of one section. A reader keeps the subsection it selected from line to line, also across
// repeated occurrences of its section within one load.
class SectionReader {
public:
    virtual ~SectionReader() = default;
    // `line` is a cleaned, non-empty line that is not a section heading. Adds what it sets, if anything, to
    // `effects`, for them to be applied in order. Returns why the load must stop.
    virtual ReadFailure follow(std::string_view line, std::vector<KeyLineEffect>& effects) = 0;
    // Follows `line` and applies what it sets to `config` at once.
    ReadFailure apply(std::string_view line, UnitConfiguration& config);

private:
    std::vector<KeyLineEffect> effects_;  // kept from line to line, to spare an allocation each
};

// Sets what one key line sets.
void ApplyEffect(const KeyLineEffect& effect, UnitConfiguration& config);

std::unique_ptr<SectionReader> MakeSectionReader(Section section);

// Writes the section: its heading and its lines, without a following empty line.
void WriteSection(Section section, LineWriter& out, const UnitConfiguration& config);

}  // namespace koru
