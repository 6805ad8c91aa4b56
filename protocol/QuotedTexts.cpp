#include "protocol/QuotedTexts.h"

#include <array>
#include <string>

#include "model/Sections.h"
#include "protocol/SendLimits.h"

namespace koru {

namespace {

struct QuotedSetting {
    Section section;
    std::string_view key;
    Record record;
    std::size_t sentChars;  // 0: the whole text is sent
};

constexpr std::array<QuotedSetting, 3> kQuotedSettings{{
    {Section::Unit, "Alias", Record::General, 0},
    {Section::MessageEvent, "Text", Record::ReceivedMessages, 0},
    {Section::MessageAction, "Text", Record::SentMessages, kSentMessageChars},
}};

// How a finding names the character, and what it does in a record.
struct CharacterRole {
    char character;
    const char* name;
    const char* role;
};

constexpr std::array<CharacterRole, 5> kRoles{{
    {'"', "the double quote (\")", "ends the quoted text"},
    {';', "\";\"", "ends a record"},
    {':', "\":\"", "separates a record's fields"},
    {'\r', "a carriage return (CR)", "ends the line"},
    {'\n', "a line feed (LF)", "ends the line"},
}};

void AddFindings(std::string_view sent, const std::string& section, const std::string& subsection,
                 const std::string& key, std::vector<CheckFinding>& findings) {
    for (const CharacterRole& role : kRoles) {
        if (sent.find(role.character) == std::string_view::npos) continue;
        findings.push_back({section, subsection,
                            key + " holds " + role.name + ", which " + role.role + "; a record cannot carry it"});
    }
}

}  // namespace

bool IsQuotedText(const Setting& setting) {
    for (const QuotedSetting& quoted : kQuotedSettings) {
        if (setting.section == quoted.section && setting.key == quoted.key) return true;
    }
    return false;
}

std::vector<CheckFinding> UncarriedCharacters(const UnitConfiguration& config, Record record) {
    std::vector<CheckFinding> findings;
    for (const QuotedSetting& quoted : kQuotedSettings) {
        if (quoted.record != record) continue;
        for (const Setting& setting : SettingsOf(quoted.section)) {
            if (setting.key != quoted.key) continue;
            for (int item = 0; item < setting.count; ++item) {
                std::string sent = FieldValue(setting, config, item);
                if (quoted.sentChars > 0 && sent.size() > quoted.sentChars) sent.resize(quoted.sentChars);
                const bool numbered = setting.block == Block::Numbered;
                AddFindings(sent, SectionName(quoted.section),
                            numbered ? std::string(setting.subsection) + std::to_string(item + 1) : std::string(),
                            std::string(setting.key), findings);
            }
        }
    }
    return findings;
}

}  // namespace koru
