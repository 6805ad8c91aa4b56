#include "cli/NetworkText.h"

#include <QString>

#include <map>

#include "cli/CliSupport.h"
#include "cli/LibraryCommand.h"
#include "model/NetworkTexts.h"
#include "model/Windows1252.h"

namespace koru::cli {

namespace {

// The tree below one root, depth first, without recursion: a chain of thousands of units is a deep tree.
void appendTree(const NetworkMap& map, int root, std::string& out) {
    std::vector<std::pair<int, int>> stack{{root, 0}};
    while (!stack.empty()) {
        const auto [unit, depth] = stack.back();
        stack.pop_back();
        out.append(static_cast<std::size_t>(depth) * 2, ' ');
        out += ShownText(map.units()[unit].links.entry()) + "\n";
        const std::vector<int>& children = map.units()[unit].children;
        for (auto child = children.rbegin(); child != children.rend(); ++child) stack.emplace_back(*child, depth + 1);
    }
}

// A label of the DOT language: quoted, with its quotes and backslashes escaped.
std::string dotLabel(std::string_view windows1252) {
    std::string label = "\"";
    for (const char c : Windows1252ToUtf8(windows1252)) {
        if (c == '"' || c == '\\') label += '\\';
        label += c;
    }
    return label + "\"";
}

// Why a link is marked; empty for a sound one.
std::string linkTrouble(const NetworkLink& link) {
    std::string why;
    const auto add = [&why](const char* text) { why += (why.empty() ? "" : ", ") + std::string(text); };
    if (link.upper < 0 || link.lower < 0) add("no such unit");
    if (!link.listed && link.upper >= 0) add("not listed as lower unit");
    if (!link.named && link.lower >= 0) add("not named as upper unit");
    if (link.inLoop) add("loop");
    return why;
}

}  // namespace

std::string NetworkTreeText(const NetworkMap& map) {
    std::string out;
    for (const int root : map.roots()) appendTree(map, root, out);
    if (!map.findings().empty()) out += "\n";
    for (const NetworkFinding& finding : map.findings()) {
        const bool warning = finding.severity() == FindingSeverity::Warning;
        out += LocalBytes(QString::fromStdString((warning ? "warning: " : "") + finding.text)) + "\n";
    }
    out += "\n" + NetworkSummary(map) + "\n";
    return out;
}

std::string NetworkDotText(const NetworkMap& map) {
    std::string out = "digraph network {\n  node [shape=box];\n";
    for (int unit = 0; unit < static_cast<int>(map.units().size()); ++unit) {
        out += "  u" + std::to_string(unit) + " [label=" + dotLabel(map.units()[unit].links.entry()) +
               (map.units()[unit].hasProblem ? ", color=red" : "") + "];\n";
    }
    std::map<std::string, std::string> missing;  // entry -> node
    for (const NetworkLink& link : map.links()) {
        if (link.missingEntry.empty() || missing.contains(link.missingEntry)) continue;
        const std::string node = "m" + std::to_string(missing.size());
        missing.emplace(link.missingEntry, node);
        out += "  " + node + " [label=" + dotLabel(link.missingEntry) + ", style=dashed, color=red];\n";
    }
    const auto node = [&missing](int unit, const std::string& entry) {
        return unit >= 0 ? "u" + std::to_string(unit) : missing.at(entry);
    };
    for (const NetworkLink& link : map.links()) {
        out += "  " + node(link.upper, link.missingEntry) + " -> " + node(link.lower, link.missingEntry);
        const std::string why = linkTrouble(link);
        if (!why.empty()) out += " [color=red, style=dashed, label=\"" + why + "\"]";
        out += ";\n";
    }
    return out + "}\n";
}

}  // namespace koru::cli
