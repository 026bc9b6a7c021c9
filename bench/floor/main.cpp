// The floor under stint-backend's cost per request on this machine: a proxy
// that does only what any proxy of GET /api/v1/tasks must do, with epoll and
// plain system calls: read the request, send one GET to the stand-in Google
// on a kept connection, read its answer, write an answer. It checks nothing,
// parses nothing beyond the framing and answers nothing but 200, so it is a
// yardstick for bench/backend-bench.sh, never a server.
//
//   stint-bench-floor PORT UPSTREAM-URL ACCESS-TOKEN

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// One client connection and its own kept connection to the stand-in. A
// request waits in `in` while the one before it is upstream.
struct Connection
{
    int client = -1;
    int upstream = -1;
    bool busy = false;
    std::string in;
    std::string up;

    ~Connection()
    {
        if (upstream >= 0)
            close(upstream);
        close(client);
    }
};

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t sent = send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(size_t(sent));
    }
    return true;
}

// The whole answer in `up` (Content-Length framing, as the stand-in sends
// it): its body, taken out of `up`.
bool takeAnswer(std::string &up, std::string &body)
{
    const size_t end = up.find("\r\n\r\n");
    if (end == std::string::npos)
        return false;
    const size_t length = up.find("Content-Length: ");
    const size_t size = length < end ? std::strtoul(up.c_str() + length + 16, nullptr, 10) : 0;
    if (up.size() < end + 4 + size)
        return false;
    body.assign(up, end + 4, size);
    up.erase(0, end + 4 + size);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s PORT UPSTREAM-URL ACCESS-TOKEN\n", argv[0]);
        return 2;
    }
    const std::string url = argv[2];
    unsigned a, b, c, d, port;
    int pathAt = 0;
    if (std::sscanf(url.c_str(), "http://%u.%u.%u.%u:%u%n", &a, &b, &c, &d, &port, &pathAt) != 5) {
        std::fprintf(stderr, "the upstream must be http://IPv4:port/path\n");
        return 2;
    }
    sockaddr_in upstream{};
    upstream.sin_family = AF_INET;
    upstream.sin_port = htons(uint16_t(port));
    upstream.sin_addr.s_addr = htonl((a << 24) | (b << 16) | (c << 8) | d);
    const std::string request = "GET " + url.substr(size_t(pathAt))
            + " HTTP/1.1\r\nHost: " + url.substr(7, size_t(pathAt) - 7) + "\r\nAuthorization: Bearer " + argv[3]
            + "\r\nAccept: application/json\r\n\r\n";

    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    const int on = 1;
    setsockopt(listener, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(uint16_t(std::atoi(argv[1])));
    local.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(listener, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0 || listen(listener, 128) != 0) {
        std::perror("listen");
        return 1;
    }
    std::printf("listening\n");
    std::fflush(stdout);

    const int poller = epoll_create1(0);
    const auto watch = [poller](int fd) {
        epoll_event event{EPOLLIN, {.fd = fd}};
        epoll_ctl(poller, EPOLL_CTL_ADD, fd, &event);
    };
    watch(listener);
    std::unordered_map<int, std::shared_ptr<Connection>> byFd; // client and upstream sockets
    // Upstream connections of closed clients, kept for the next ones as the
    // backend keeps its own.
    std::vector<int> spare;
    // Sends the next whole request upstream when none is there; false when a
    // socket failed.
    const auto forward = [&](Connection &conn) {
        const size_t end = conn.in.find("\r\n\r\n");
        if (conn.busy || end == std::string::npos)
            return true;
        conn.in.erase(0, end + 4);
        if (conn.upstream < 0 && !spare.empty()) {
            conn.upstream = spare.back();
            spare.pop_back();
        } else if (conn.upstream < 0) {
            conn.upstream = socket(AF_INET, SOCK_STREAM, 0);
            if (connect(conn.upstream, reinterpret_cast<const sockaddr *>(&upstream), sizeof upstream) != 0)
                return false;
            watch(conn.upstream);
        }
        byFd[conn.upstream] = byFd[conn.client];
        conn.busy = true;
        return writeAll(conn.upstream, request);
    };
    epoll_event ready[64];
    std::string body;
    for (;;) {
        const int count = epoll_wait(poller, ready, 64, -1);
        for (int i = 0; i < count; ++i) {
            const int fd = ready[i].data.fd;
            if (fd == listener) {
                const int client = accept(listener, nullptr, nullptr);
                if (client < 0)
                    continue;
                watch(client);
                byFd[client] = std::make_shared<Connection>();
                byFd[client]->client = client;
                continue;
            }
            const auto found = byFd.find(fd);
            if (found == byFd.end())
                continue; // closed earlier in this round
            const std::shared_ptr<Connection> conn = found->second;
            char buffer[16384];
            const ssize_t n = recv(fd, buffer, sizeof buffer, 0);
            bool alive = n > 0;
            if (alive && fd == conn->client) {
                conn->in.append(buffer, size_t(n));
                alive = forward(*conn);
            } else if (alive) {
                conn->up.append(buffer, size_t(n));
                if (takeAnswer(conn->up, body)) {
                    conn->busy = false;
                    alive = writeAll(conn->client,
                                     "HTTP/1.1 200 OK\r\nContent-Type: application/json\r\nContent-Length: "
                                             + std::to_string(body.size()) + "\r\n\r\n" + body)
                            && forward(*conn);
                }
            }
            if (!alive) {
                byFd.erase(conn->client);
                byFd.erase(conn->upstream); // the sockets close with the last reference
                if (fd == conn->client && !conn->busy && conn->upstream >= 0) {
                    spare.push_back(conn->upstream);
                    conn->upstream = -1;
                }
            }
        }
    }
}
