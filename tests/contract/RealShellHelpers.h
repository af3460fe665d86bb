// Helpers of the contract tests that only the real Windows has: a web page
// served on 127.0.0.1 by the test itself, and a link file read back through the
// shell's own link object. Kept apart so that <windows.h> and its macros stay
// out of the tests that use the portable names.
#pragma once

#include <memory>
#include <string>

// One HTTP response with body, for one request, on 127.0.0.1 at a port Windows picks.
class LocalHttpServer {
public:
    explicit LocalHttpServer(std::string body);
    ~LocalHttpServer();
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;
    // 0 when no port could be had.
    int port() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// The target a link file starts, "" when it cannot be read.
std::string shellLinkTarget(const std::string& linkFile);
