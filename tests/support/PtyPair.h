#pragma once

// A pseudo-terminal for tests: the test holds the controlling side, the code under test opens the
// device path like a serial port.

#include <string>

namespace koru::test {

class PtyPair {
public:
    PtyPair();  // raw mode; the test's side does not block
    ~PtyPair();
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    const std::string& devicePath() const { return path_; }
    void write(const std::string& bytes);
    std::string readAvailable();
    void hangUp();  // closes the test's side

private:
    int master_ = -1;
    int slave_ = -1;
    std::string path_;
};

}  // namespace koru::test
