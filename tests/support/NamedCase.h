#pragma once

// Table rows of parameterised tests print as their name, so test listings read "GetParam() = HangUp"
// rather than the row's raw bytes. A test file brings it in with `using test::PrintTo;` inside the
// namespace of its rows.

#include <concepts>
#include <ostream>
#include <string>

namespace koru::test {

template <class Row>
requires requires(const Row& row) {
    {std::string(row.name)};
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// Names each instance after its row.
struct RowName {
    template <class Info>
    std::string operator()(const Info& info) const {
        return std::string(info.param.name);
    }
};

}  // namespace koru::test
