#ifdef _WIN32
#include "RealShellHelpers.h"

#include <winsock2.h>
#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

struct LocalHttpServer::State {
    std::string body;
    SOCKET listener = INVALID_SOCKET;
    HANDLE thread = nullptr;
    int port = 0;

    static DWORD WINAPI serve(void* self) {
        State& state = *static_cast<State*>(self);
        const SOCKET client = ::accept(state.listener, nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return 0;
        std::string request;
        char buffer[512];
        int got = 0;
        while (request.find("\r\n\r\n") == std::string::npos &&
               (got = ::recv(client, buffer, sizeof buffer, 0)) > 0)
            request.append(buffer, static_cast<std::size_t>(got));
        const std::string response = "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                                     std::to_string(state.body.size()) + "\r\nConnection: close\r\n\r\n" +
                                     state.body;
        ::send(client, response.data(), static_cast<int>(response.size()), 0);
        ::shutdown(client, SD_SEND);
        ::closesocket(client);
        return 0;
    }
};

LocalHttpServer::LocalHttpServer(std::string body) : state_(std::make_unique<State>()) {
    state_->body = std::move(body);
    WSADATA data;
    ::WSAStartup(MAKEWORD(2, 0), &data);
    state_->listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = ::htonl(INADDR_LOOPBACK);
    int size = sizeof(address);
    if (::bind(state_->listener, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::listen(state_->listener, 1) == 0 &&
        ::getsockname(state_->listener, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        state_->port = ::ntohs(address.sin_port);
        state_->thread = ::CreateThread(nullptr, 0, &State::serve, state_.get(), 0, nullptr);
    }
}

LocalHttpServer::~LocalHttpServer() {
    ::closesocket(state_->listener);
    if (state_->thread != nullptr) {
        ::WaitForSingleObject(state_->thread, 5000);
        ::CloseHandle(state_->thread);
    }
    ::WSACleanup();
}

int LocalHttpServer::port() const {
    return state_->port;
}

std::string shellLinkTarget(const std::string& linkFile) {
    ::CoInitialize(nullptr);
    std::string target;
    ::IShellLinkA* link = nullptr;
    if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                     reinterpret_cast<void**>(&link)))) {
        ::IPersistFile* file = nullptr;
        if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH] = {};
            ::MultiByteToWideChar(CP_ACP, 0, linkFile.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH)))
                target = path;
            file->Release();
        }
        link->Release();
    }
    ::CoUninitialize();
    return target;
}
#endif
