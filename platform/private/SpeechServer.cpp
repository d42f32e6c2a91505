#include "SpeechServer.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// A server that was started but does not listen yet is asked again this often.
constexpr auto kConnectRetry = std::chrono::milliseconds(50);

// A socket to the server at `address`, or -1.
int openSocket(const SPDConnectionAddress& address)
{
    if (address.method == SPD_METHOD_UNIX_SOCKET) {
        sockaddr_un name{};
        name.sun_family = AF_UNIX;
        const std::string path = address.unix_socket_name ? address.unix_socket_name : "";
        if (path.empty() || path.size() >= sizeof(name.sun_path))
            return -1;
        std::copy(path.begin(), path.end(), name.sun_path);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket >= 0 && ::connect(socket, reinterpret_cast<sockaddr*>(&name), sizeof name) == 0)
            return socket;
        if (socket >= 0)
            ::close(socket);
        return -1;
    }
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.inet_socket_port);
    if (!address.inet_socket_host ||
        ::getaddrinfo(address.inet_socket_host, port.c_str(), &hints, &found) != 0)
        return -1;
    int socket = -1;
    for (addrinfo* at = found; at && socket < 0; at = at->ai_next) {
        socket = ::socket(at->ai_family, at->ai_socktype | SOCK_CLOEXEC, at->ai_protocol);
        if (socket >= 0 && ::connect(socket, at->ai_addr, at->ai_addrlen) != 0) {
            ::close(socket);
            socket = -1;
        }
    }
    ::freeaddrinfo(found);
    return socket;
}

// Asks the server for its output modules and voices on a connection of its own. The client
// library reads a reply of thousands of lines in seconds, going through it line by line
// from its start; here it is read once, in a tenth of that. Lines are "250-module" and
// "249-name<TAB>language<TAB>variant".
bool listVoices(std::vector<std::string>& languages, std::vector<std::string>& modules)
{
    char* error = nullptr;
    SPDConnectionAddress* address = spd_get_default_address(&error);
    std::free(error);
    if (!address)
        return false;
    const int socket = openSocket(*address);
    SPDConnectionAddress__free(address);
    if (socket < 0)
        return false;
    const std::string client = QCoreApplication::applicationName().toStdString();
    const std::string request = "SET SELF CLIENT_NAME " + client + ":" + client +
                                ":voices\r\nLIST OUTPUT_MODULES\r\nLIST SYNTHESIS_VOICES\r\n"
                                "QUIT\r\n";
    if (::send(socket, request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size())) {
        ::close(socket);
        return false;
    }
    std::string reply;
    char buffer[65536];
    for (ssize_t got; (got = ::recv(socket, buffer, sizeof buffer, 0)) > 0;)
        reply.append(buffer, static_cast<size_t>(got));
    ::close(socket);
    for (size_t start = 0, end; start < reply.size(); start = end + 2) {
        end = std::min(reply.find("\r\n", start), reply.size());
        const std::string_view line(reply.data() + start, end - start);
        if (line.substr(0, 4) == "250-") {
            modules.emplace_back(line.substr(4));
        } else if (line.substr(0, 4) == "249-") {
            const size_t from = line.find('\t');
            const size_t to = line.find('\t', from + 1);
            if (from == std::string_view::npos || to == std::string_view::npos)
                continue;
            const std::string language(line.substr(from + 1, to - from - 1));
            if (std::find(languages.begin(), languages.end(), language) == languages.end())
                languages.push_back(language);
        }
    }
    return true;
}

} // namespace

SpeechServer::~SpeechServer()
{
    if (m_thread.joinable())
        m_thread.join();
    if (m_connection)
        spd_close(m_connection);
}

void SpeechServer::prepare()
{
    std::lock_guard lock(m_mutex);
    // A server that did not answer is asked again.
    const bool failed = m_stage == Stage::Ready && !m_connection;
    if (m_stage != Stage::Idle && !failed)
        return;
    if (m_thread.joinable())
        m_thread.join();
    m_stage = Stage::Connecting;
    m_languages.clear();
    m_modules.clear();
    m_thread = std::thread([this] { work(); });
}

void SpeechServer::work()
{
    // The library starts the server when none runs, but may try to connect before the new
    // server listens: a server it started is asked again until it answers or the wait is
    // over.
    const auto deadline = std::chrono::steady_clock::now() + kConnectWait;
    SPDConnection* connection = nullptr;
    bool started = false;
    for (int autospawn = 1; !connection; autospawn = 0) {
        char* error = nullptr;
        connection = spd_open2(QCoreApplication::applicationName().toUtf8().constData(), "main",
                               nullptr, SPD_MODE_SINGLE, nullptr, autospawn, &error);
        started = started || (error && std::strstr(error, "successfully autospawned"));
        std::free(error);
        if (connection || !started || std::chrono::steady_clock::now() > deadline)
            break;
        std::this_thread::sleep_for(kConnectRetry);
    }
    {
        std::lock_guard lock(m_mutex);
        m_connection = connection;
        m_stage = connection ? Stage::Listing : Stage::Ready;
    }
    m_changed.notify_all();
    if (!connection)
        return;
    std::vector<std::string> languages;
    std::vector<std::string> modules;
    listVoices(languages, modules);
    std::sort(languages.begin(), languages.end());
    {
        std::lock_guard lock(m_mutex);
        m_languages = std::move(languages);
        m_modules = std::move(modules);
        m_stage = Stage::Ready;
    }
    m_changed.notify_all();
}

bool SpeechServer::waitFor(Stage stage, std::unique_lock<std::mutex>& lock,
                           std::chrono::milliseconds wait)
{
    return m_changed.wait_for(lock, wait, [&] { return m_stage >= stage; });
}

bool SpeechServer::say(const std::string& text, const std::string& language)
{
    std::unique_lock lock = connected();
    if (!m_connection)
        return false;
    spd_cancel(m_connection);
    if (!language.empty())
        spd_set_language(m_connection, language.c_str());
    return spd_say(m_connection, SPD_TEXT, text.c_str()) >= 0;
}

void SpeechServer::cancel()
{
    // A connection still being made has said nothing yet: the window does not wait for it.
    std::unique_lock lock(m_mutex, std::try_to_lock);
    if (lock && m_stage >= Stage::Listing && m_connection)
        spd_cancel(m_connection);
}

std::unique_lock<std::mutex> SpeechServer::connected()
{
    prepare();
    std::unique_lock lock(m_mutex);
    waitFor(Stage::Listing, lock);
    return lock;
}

std::optional<std::vector<std::string>>
SpeechServer::languagesWithin(std::chrono::milliseconds wait)
{
    std::unique_lock lock = connected();
    if (!waitFor(Stage::Ready, lock, wait) || !m_connection)
        return std::nullopt;
    return m_languages;
}

bool SpeechServer::hasModule(const std::string& name)
{
    std::lock_guard lock(m_mutex);
    return std::find(m_modules.begin(), m_modules.end(), name) != m_modules.end();
}
