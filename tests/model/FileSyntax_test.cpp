#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/FileSyntax.h"

namespace koru {
namespace {

std::vector<std::string> CleanLines(const std::string& bytes) {
    LineCursor cursor(bytes);
    std::vector<std::string> lines;
    while (auto line = cursor.ReadCleanLine()) lines.push_back(*line);
    return lines;
}

struct CleanCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(ReadCleanLine, CleansEveryLine) {
    const std::vector<CleanCase> cases = {
        {"crlf and lf read the same", "a=1\r\nb=2\nc=3\r\n", {"a=1", "b=2", "c=3"}},
        {"stray carriage returns vanish", "a\r=\r1\r\n", {"a=1"}},
        {"last line without line end is kept", "a=1\r\nb=2", {"a=1", "b=2"}},
        {"blanks are trimmed", "   Key = value   \r\n", {"Key = value"}},
        {"tabs inside are dropped", "Ke\ty=\tva\tlue\r\n", {"Key=value"}},
        {"a leading tab is kept", "\tKey=1\r\n", {"\tKey=1"}},
        {"only the first of two leading tabs stays", "\t\tKey\r\n", {"\tKey"}},
        {"apostrophe comment", "'comment=1\r\n", {""}},
        {"slash-star comment", "/* Radio\r\n", {""}},
        {"comment only at the very start", " 'x=1\r\n", {"'x=1"}},
        {"tab before apostrophe is no comment", "\t'x\r\n", {"\t'x"}},
        {"blank line", "   \r\n\r\n", {"", ""}},
        {"empty input has no lines", "", {}},
        {"a lone line feed is one empty line", "\n", {""}},
        {"8-bit bytes kept", "Text=\xe5\xe4\xf6\r\n", {"Text=\xe5\xe4\xf6"}},
        {"two carriage returns before the line feed", "a=1\r\r\n", {"a=1"}},
        {"a tab after a carriage return still leads", "\r\tKey\r\n", {"\tKey"}},
        {"a carriage return alone is an empty line", "\r", {""}},
    };
    for (const CleanCase& c : cases) EXPECT_EQ(CleanLines(c.bytes), c.lines) << c.name;
}

TEST(KeyAndValue, SplitAtTheFirstEquals) {
    struct Case {
        const char* line;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"Channel=5", "Channel", "5"},
        {"Channel = 5", "Channel", "5"},
        {"Text=a=b", "Text", "a=b"},
        {"Text= a = b ", "Text", "a = b"},
        {"+Timer1", "+Timer1", ""},
        {"=value", "", "value"},
        {"Key=", "Key", ""},
        {"Upper unit = 0000000017(Mast)", "Upper unit", "0000000017(Mast)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyOf(c.line), c.key) << c.line;
        EXPECT_EQ(ValueOf(c.line), c.value) << c.line;
    }
}

TEST(Lists, SplitSkipsEmptyPiecesAndTrims) {
    struct Case {
        const char* text;
        TextList items;
    };
    const Case cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a,b,c", {"a", "b", "c"}},
        {"a, b ,c", {"a", "b", "c"}},
        {"a,,b,", {"a", "b"}},
        {",a", {"a"}},
        {"a, ,b", {"a", "", "b"}},
        {",,,", {}},
    };
    // Whatever the list held before, shorter or longer, it holds exactly the new items.
    const TextList before[] = {{}, {"old"}, {"an old item longer than any new one", "x", "y", "z", "w", "v"}};
    for (const Case& c : cases) {
        for (const TextList& old : before) {
            TextList list = old;
            SplitList(c.text, list);
            EXPECT_EQ(list, c.items) << c.text << " over " << old.size() << " items";
        }
    }
}

// Every list a reader can give, and every list the editor can hold, comes back from a written value with
// the same items: an empty item must not vanish, or the count a unit receives changes after a save.
TEST(Lists, WrittenListsReadBackWithEveryItem) {
    struct Case {
        const char* name;
        TextList items;
        const char* written;
    };
    const Case cases[] = {
        {"no items", {}, ""},
        {"one item", {"a"}, "a"},
        {"items are joined as they are", {"Reset Counter 1", "Sleep mode"}, "Reset Counter 1,Sleep mode"},
        {"an empty item between two is a blank", {"x", "", "y"}, "x, ,y"},
        {"an empty first item", {"", "x"}, ", ,x"},
        {"an empty last item", {"x", ""}, "x, ,"},
        {"a single empty item", {""}, ", ,"},
        {"only empty items", {"", "", ""}, ", , , ,"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string written = JoinList(c.items);
        EXPECT_EQ(written, c.written);
        TextList read{"old"};
        SplitList(ValueOf("Lower units=" + written), read);
        EXPECT_EQ(read, c.items);
        EXPECT_EQ(JoinList(read), written);
    }
}

TEST(SubsectionNumbers, PlainDecimalOnly) {
    struct Case {
        const char* text;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"12", 12}, {" 3 ", 3}, {"+4", 4}, {"-1", -1}, {"2.5", 2}, {"3.5", 4}, {"1e1", 10},
        {"", std::nullopt}, {"x", std::nullopt}, {"1x", std::nullopt}, {".", std::nullopt},
        {"&H10", std::nullopt}, {"1e", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(SubsectionNumberOf(c.text), c.number) << c.text;
    EXPECT_GT(*SubsectionNumberOf("99999999999999"), 24);
}

}  // namespace
}  // namespace koru
