#pragma once
// A pseudo-terminal standing in for the instrument's serial port, reached through a symbolic link.

#include <string>

namespace sim {

class PtyLink {
public:
    explicit PtyLink(std::string link) : link_(std::move(link)) {}
    ~PtyLink();

    /// Opens a new terminal in raw mode and points the link at it (replacing the link atomically).
    bool Open();
    /// Closes the terminal, as an unplugged adapter would vanish.
    void Close();
    /// True while some program has the terminal open.
    bool ReaderPresent() const;
    /// Writes all bytes; false when the terminal is gone.
    bool Write(const std::string& bytes);
    const std::string& SlaveName() const { return slave_; }

private:
    std::string link_;
    std::string slave_;
    int master_ = -1;
};

}  // namespace sim
