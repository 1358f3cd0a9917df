// A small HTTP/1.1 server on 127.0.0.1 for the Internet-session tests, started and stopped by the
// test itself. Fixed routes:
//   /5000         200, 5000 bytes (printable, no blanks)
//   /empty        200, no body
//   /404          404 with an HTML page
//   /redirect     302 to /5000
//   /loop         302 to itself
//   /stall        reads the request and never answers
//   /stall-body   200 announcing 10000 bytes, sends 3000, then goes silent
//   /reset        200 announcing 10000 bytes, sends 2500, then resets the connection
// and any page a test adds with setPage, setBrokenPage, setEndlessPage or setSlowPage. Every request's header block is kept.
#pragma once

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace nv::test {

inline std::string body5000() {
    std::string s(5000, 'x');
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>('A' + i % 26);
    return s;
}

class HttpServer {
public:
    HttpServer() {
        listen_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (listen_ < 0) throw std::runtime_error("socket");
        int one = 1;
        ::setsockopt(listen_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        if (::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 || ::listen(listen_, 64) != 0)
            throw std::runtime_error("bind/listen");
        socklen_t len = sizeof a;
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        acceptor_ = std::thread([this] { acceptLoop(); });
    }
    ~HttpServer() { stop(); }

    void stop() {
        if (stopping_.exchange(true)) return;
        ::shutdown(listen_, SHUT_RDWR);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (int fd : clients_) ::shutdown(fd, SHUT_RDWR);
        }
        if (acceptor_.joinable()) acceptor_.join();
        for (auto& t : handlers_) t.join();
        ::close(listen_);
    }

    int port() const { return port_; }
    std::string url(const std::string& path) const { return "http://127.0.0.1:" + std::to_string(port_) + path; }
    std::string origin() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

    void setPage(const std::string& path, const std::string& body, int status = 200) {
        std::lock_guard<std::mutex> lock(mutex_);
        pages_[path] = {status, body};
    }
    // A page whose answer announces the whole body, sends only its first `sent` bytes and then
    // resets the connection: a server that stops in the middle of a download.
    void setBrokenPage(const std::string& path, const std::string& body, size_t sent) {
        std::lock_guard<std::mutex> lock(mutex_);
        broken_[path] = {body, sent};
    }
    // A page that starts with `head` and never ends: filler lines follow until the client goes.
    void setEndlessPage(const std::string& path, const std::string& head) {
        std::lock_guard<std::mutex> lock(mutex_);
        endless_[path] = head;
    }
    // A page sent one byte every 10 ms, its length not announced: a server that keeps the
    // transfer alive but never gets anywhere. An empty body takes the slow page away again.
    void setSlowPage(const std::string& path, const std::string& body) {
        std::lock_guard<std::mutex> lock(mutex_);
        if (body.empty()) slow_.erase(path);
        else slow_[path] = body;
    }
    // How many endless answers ended because the client went away.
    int endlessEnded() const { return endlessEnded_; }
    std::vector<std::string> requests() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return requests_;
    }

    // A port on 127.0.0.1 where nothing listens.
    static int closedPort() {
        const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
        ::close(fd);
        return ntohs(a.sin_port);
    }

private:
    void acceptLoop() {
        while (!stopping_) {
            const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) {
                if (stopping_) break;
                continue;
            }
            std::lock_guard<std::mutex> lock(mutex_);
            clients_.push_back(fd);
            handlers_.emplace_back([this, fd] { handle(fd); });
        }
    }

    static void sendAll(int fd, const std::string& data) {
        size_t done = 0;
        while (done < data.size()) {
            const ssize_t n = ::send(fd, data.data() + done, data.size() - done, MSG_NOSIGNAL);
            if (n <= 0) return;
            done += static_cast<size_t>(n);
        }
    }

    // Waits until the server stops or the peer goes away.
    void holdOpen(int fd) {
        char c;
        while (!stopping_) {
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) > 0) {
                if (::recv(fd, &c, 1, 0) <= 0) return;
            }
        }
    }

    static std::string response(int status, const std::string& body, const std::string& extra = {}) {
        const char* reason = status == 200 ? "OK" : status == 404 ? "Not Found" : status == 302 ? "Found" : "Status";
        return "HTTP/1.1 " + std::to_string(status) + " " + reason + "\r\nContent-Type: text/html\r\nContent-Length: " +
               std::to_string(body.size()) + "\r\nConnection: close\r\n" + extra + "\r\n" + body;
    }

    void handle(int fd) {
        std::string request;
        char buf[4096];
        while (request.find("\r\n\r\n") == std::string::npos) {
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0) break;
            request.append(buf, static_cast<size_t>(n));
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        const size_t sp1 = request.find(' '), sp2 = request.find(' ', sp1 + 1);
        const std::string path = sp1 == std::string::npos || sp2 == std::string::npos ? "" : request.substr(sp1 + 1, sp2 - sp1 - 1);
        const bool head = request.compare(0, 5, "HEAD ") == 0;
        auto reply = [&](int status, const std::string& body, const std::string& extra = {}) {
            std::string r = response(status, body, extra);
            if (head) r.resize(r.size() - body.size());
            sendAll(fd, r);
        };
        std::pair<int, std::string> page{0, {}};
        std::pair<std::string, size_t> broken{{}, std::string::npos};
        std::optional<std::string> endless, slow;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (auto it = endless_.find(path); it != endless_.end()) endless = it->second;
            if (auto it = slow_.find(path); it != slow_.end()) slow = it->second;
            if (auto it = pages_.find(path); it != pages_.end()) page = it->second;
            if (auto it = broken_.find(path); it != broken_.end()) broken = it->second;
        }
        if (slow) {
            sendAll(fd, "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n");
            for (size_t i = 0; i < slow->size() && !stopping_; ++i) {
                if (::send(fd, slow->data() + i, 1, MSG_NOSIGNAL) != 1) break;
                pollfd p{fd, POLLIN, 0};
                if (::poll(&p, 1, 10) > 0) break;  // the client went away
            }
        } else if (endless) {
            std::string chunk = "HTTP/1.1 200 OK\r\nConnection: close\r\n\r\n" + *endless;
            const std::string filler(65536, ';');
            while (!stopping_) {
                const ssize_t n = ::send(fd, chunk.data(), chunk.size(), MSG_NOSIGNAL);
                if (n <= 0) break;
                chunk = filler;
            }
            ++endlessEnded_;
        } else if (broken.second != std::string::npos) {
            sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(broken.first.size()) +
                            "\r\nConnection: close\r\n\r\n" + broken.first.substr(0, broken.second));
            ::usleep(100 * 1000);
            linger l{1, 0};
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        } else if (page.first != 0) {
            reply(page.first, page.second);
        } else if (path == "/5000") {
            reply(200, body5000());
        } else if (path == "/empty") {
            reply(200, "");
        } else if (path == "/404") {
            reply(404, "<html><body>404 Not Found</body></html>");
        } else if (path == "/redirect") {
            reply(302, "", "Location: /5000\r\n");
        } else if (path == "/loop") {
            reply(302, "", "Location: /loop\r\n");
        } else if (path == "/stall") {
            holdOpen(fd);
        } else if (path == "/stall-body") {
            sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: 10000\r\nConnection: close\r\n\r\n" + std::string(3000, 'q'));
            holdOpen(fd);
        } else if (path == "/reset") {
            sendAll(fd, "HTTP/1.1 200 OK\r\nContent-Length: 10000\r\nConnection: close\r\n\r\n" + std::string(2500, 'r'));
            ::usleep(100 * 1000);
            linger l{1, 0};  // close with a reset
            ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &l, sizeof l);
        } else {
            reply(404, "<html>no such page</html>");
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            for (auto& c : clients_)
                if (c == fd) c = -1;
        }
        ::close(fd);
    }

    int listen_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::thread acceptor_;
    std::vector<std::thread> handlers_;
    std::vector<int> clients_;
    std::map<std::string, std::pair<int, std::string>> pages_;
    std::map<std::string, std::pair<std::string, size_t>> broken_;
    std::map<std::string, std::string> endless_, slow_;
    std::atomic<int> endlessEnded_{0};
    std::vector<std::string> requests_;
    mutable std::mutex mutex_;
};

}  // namespace nv::test
