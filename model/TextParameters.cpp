#include "model/TextParameters.h"

#include <array>

namespace koru {

namespace {

constexpr std::array<std::string_view, 2> kVersions{"Hardware version", "Software version"};
constexpr std::array<std::string_view, 6> kInputs{"Input 1", "Input 2", "Input 3",
                                                  "Input 4", "Input 5", "Input 6"};
constexpr std::array<std::string_view, 4> kOutputs{"Output 1", "Output 2", "Output 3", "Output 4"};
constexpr std::array<std::string_view, 8> kFlags{"Flag 1", "Flag 2", "Flag 3", "Flag 4",
                                                 "Flag 5", "Flag 6", "Flag 7", "Flag 8"};
constexpr std::array<std::string_view, 8> kTimers{"Timer 1",        "Timer 2",        "Timer 3",
                                                  "Timer 4",        "Timer 1 + unit", "Timer 2 + unit",
                                                  "Timer 3 + unit", "Timer 4 + unit"};
constexpr std::array<std::string_view, 4> kCounters{"Counter 1", "Counter 2", "Counter 3", "Counter 4"};
constexpr std::array<std::string_view, 2> kCharacters{"Carriage return", "Line feed"};
constexpr std::array<std::string_view, 20> kLines{"Line 1",  "Line 2",  "Line 3",  "Line 4",  "Line 5",
                                                  "Line 6",  "Line 7",  "Line 8",  "Line 9",  "Line 10",
                                                  "Line 11", "Line 12", "Line 13", "Line 14", "Line 15",
                                                  "Line 16", "Line 17", "Line 18", "Line 19", "Line 20"};

constexpr std::array<TextParameterRow, kTextParameterRows> kRows{{
    {"Id:", "lblId", "Unit identfication", {}},
    {"Alias:", "lblAlias", "Unit alias", {}},
    {"Type:", "lblType", "Type of unit", {}},
    {"Version:", "cmbVersion", {}, kVersions},
    {"Input:", "cmbInput", {}, kInputs},
    {"Output:", "cmbOutput", {}, kOutputs},
    {"Flag:", "cmbFlag", {}, kFlags},
    {"All I/O:", "lblAllIO", "InA, InB, Out and Flag", {}},
    {"Timer", "cmbTimer", {}, kTimers},
    {"Counter:", "cmbCounter", {}, kCounters},
    {"Message:", "Label1", "Received message", {}},
    {"Character:", "cmbCharacter", {}, kCharacters},
    {"Continue on:", "cmbLine", {}, kLines},
    {"RSSI [dBm]", "lblRSSI", "Signal strength", {}},
    {"Unit id:", "lblUnitId", "Interacting unit", {}},
}};

// The last `count` characters of `text` (all of it when shorter).
std::string_view Last(std::string_view text, std::size_t count) {
    return text.size() <= count ? text : text.substr(text.size() - count);
}

// "<" prefix value ">".
std::string Token(std::string_view prefix, std::string_view value) {
    std::string token = "<";
    token += prefix;
    token += value;
    token += '>';
    return token;
}

}  // namespace

std::span<const TextParameterRow> TextParameterRows() {
    return kRows;
}

// The drop-down rows take their number from the end of the item ("Input 3"), a timer with unit from its
// seventh character ("Timer 3 + unit"), a line from its sixth character on ("Line 12").
std::string TextParameterToken(int row, std::string_view choice) {
    switch (row) {
        case 0:
            return "<I>";
        case 1:
            return "<A>";
        case 2:
            return "<T>";
        case 3:
            return choice == "Hardware version" ? "<H>" : "<S>";
        case 4:
            return Token("I", Last(choice, 1));
        case 5:
            return Token("O", Last(choice, 1));
        case 6:
            return Token("F", Last(choice, 1));
        case 7:
            return "<IO>";
        case 8:
            if (Last(choice, 4) == "unit") return Token("TU", choice.size() >= 7 ? choice.substr(6, 1) : "");
            return Token("T", Last(choice, 1));
        case 9:
            return Token("C", Last(choice, 1));
        case 10:
            return "<M>";
        case 11:
            return choice == "Carriage return" ? "<CR>" : "<LF>";
        case 12:
            return Token("L", choice.size() >= 5 ? choice.substr(5) : "");
        case 13:
            return "<R>";
        case 14:
            return "<U>";
        default:
            return {};
    }
}

}  // namespace koru
