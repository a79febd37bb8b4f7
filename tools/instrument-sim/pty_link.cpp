#include "pty_link.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

PtyLink::~PtyLink()
{
    Close();
    ::unlink(link_.c_str());
}

bool PtyLink::Open()
{
    Close();
    termios raw{};
    cfmakeraw(&raw);
    cfsetispeed(&raw, B9600);
    cfsetospeed(&raw, B9600);
    int slave = -1;
    char name[256] = {};
    if (openpty(&master_, &slave, name, &raw, nullptr) != 0) {
        std::perror("openpty");
        master_ = -1;
        return false;
    }
    slave_ = name;
    const std::string temporary = link_ + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(name, temporary.c_str()) != 0 || ::rename(temporary.c_str(), link_.c_str()) != 0) {
        std::perror("symlink");
        ::close(slave);
        Close();
        return false;
    }
    // Only the reader keeps the terminal's slave side open, so that its presence can be seen.
    ::close(slave);
    return true;
}

void PtyLink::Close()
{
    if (master_ >= 0) {
        ::close(master_);
        master_ = -1;
    }
}

bool PtyLink::ReaderPresent() const
{
    if (master_ < 0) {
        return false;
    }
    pollfd p{master_, POLLOUT, 0};
    if (::poll(&p, 1, 0) < 0) {
        return false;
    }
    return (p.revents & POLLHUP) == 0;
}

bool PtyLink::Write(const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace sim
