#include "os/SystemDisplay.h"

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <string>

namespace brelvon {

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A socket that connects within a second; a host that never answers is not
// waited for longer.
bool Connects(int family, int type, int protocol, const sockaddr* address, socklen_t length)
{
    const int socket = ::socket(family, type | SOCK_NONBLOCK | SOCK_CLOEXEC, protocol);
    if (socket < 0) return false;
    bool connected = ::connect(socket, address, length) == 0;
    if (!connected && errno == EINPROGRESS) {
        pollfd waiting{.fd = socket, .events = POLLOUT, .revents = 0};
        int error = 0;
        socklen_t size = sizeof error;
        connected = ::poll(&waiting, 1, 1000) == 1 &&
                    ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &size) == 0 && error == 0;
    }
    ::close(socket);
    return connected;
}

// A Unix socket at a path, or in Linux's abstract namespace when `abstract`.
bool UnixSocketConnects(const std::string& path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (path.empty() || path.size() + offset >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + path.size() +
                                               (abstract ? 0 : 1));
    return Connects(AF_UNIX, SOCK_STREAM, 0, reinterpret_cast<const sockaddr*>(&address), length);
}

bool TcpConnects(const std::string& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) return false;
    bool connected = false;
    for (const addrinfo* each = found; each != nullptr && !connected; each = each->ai_next) {
        connected = Connects(each->ai_family, each->ai_socktype, each->ai_protocol, each->ai_addr, each->ai_addrlen);
    }
    ::freeaddrinfo(found);
    return connected;
}

// DISPLAY is [host]:number[.screen], or a socket's path (macOS's launchd).
bool XServerAnswers(const std::string& display)
{
    if (display.empty()) return false;
    if (display.front() == '/') return UnixSocketConnects(display.substr(0, display.rfind(':')), false);
    const std::size_t colon = display.rfind(':');
    if (colon == std::string::npos) return false;
    const std::string host = display.substr(0, colon);
    const std::string rest = display.substr(colon + 1);
    char* end = nullptr;
    const long number = std::strtol(rest.c_str(), &end, 10);
    if (end == rest.c_str() || number < 0 || number > 59535) return false;
    if (host.empty() || host == "unix") {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        return UnixSocketConnects(socket, false) || UnixSocketConnects(socket, true);
    }
    return TcpConnects(host, 6000 + static_cast<int>(number));
}

bool WaylandAnswers(const std::string& display)
{
    if (display.empty()) return false;
    if (display.front() == '/') return UnixSocketConnects(display, false);
    const std::string runtime = Environment("XDG_RUNTIME_DIR");
    return !runtime.empty() && UnixSocketConnects(runtime + "/" + display, false);
}

}  // namespace

bool DisplayNamed()
{
#ifdef __APPLE__
    return true;  // the desktop is always there
#else
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
#endif
}

bool DisplayAnswers()
{
#ifdef __APPLE__
    return true;
#else
    const std::string platform = Environment("QT_QPA_PLATFORM");
    if (!platform.empty() && platform.rfind("xcb", 0) != 0 && platform.rfind("wayland", 0) != 0) return true;
    return XServerAnswers(Environment("DISPLAY")) || WaylandAnswers(Environment("WAYLAND_DISPLAY"));
#endif
}

}  // namespace brelvon
