#include "local_service.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace vorn::test {

namespace {

// Reads one line from fd, or what came of it within the time limit.
std::string readLine(int fd, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    std::string line;
    char c = 0;
    for (pollfd p{fd, POLLIN, 0}; std::chrono::steady_clock::now() < end;) {
        if (::poll(&p, 1, 100) <= 0) continue;
        if (::read(fd, &c, 1) != 1 || c == '\n') break;
        line += c;
    }
    return line;
}

} // namespace

LocalService::LocalService(std::vector<std::string> flags, std::string dataDir, Launch launch) {
    std::string templ = (std::filesystem::temp_directory_path() / "pequenia-test-XXXXXX").string();
    if (!::mkdtemp(templ.data())) throw std::runtime_error("mkdtemp failed");
    m_tempDir = templ + "/";
    m_dataDir = dataDir.empty() ? m_tempDir + "data/" : dataDir;
    if (m_dataDir.back() != '/') m_dataDir += '/';

    int out[2];
    if (::pipe2(out, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    std::vector<std::string> args = launch.prefix;
    args.insert(args.end(), {PEQUENIA_LOCAL_BINARY, "--port", "0", "--data", m_dataDir});
    args.insert(args.end(), flags.begin(), flags.end());
    const std::string logPath = m_tempDir + "service.log";

    m_pid = ::fork();
    if (m_pid < 0) throw std::runtime_error("fork failed");
    if (m_pid == 0) {
        ::dup2(out[1], STDOUT_FILENO);
        const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (log >= 0) ::dup2(log, STDERR_FILENO);
        if (launch.fileSizeLimit > 0) {
            const rlimit limit{launch.fileSizeLimit, launch.fileSizeLimit};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        }
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    const std::string line = readLine(out[0], std::chrono::seconds(20));
    ::close(out[0]);
    const std::string head = "listening on 127.0.0.1:";
    if (line.rfind(head, 0) != 0) {
        stop();
        throw std::runtime_error("pequenia-local did not start: \"" + line + "\"\n" + log());
    }
    m_port = std::stoi(line.substr(head.size()));
}

LocalService::~LocalService() {
    stop();
    std::error_code ec;
    std::filesystem::remove_all(m_tempDir, ec);
}

std::string LocalService::root() const {
    return "http://127.0.0.1:" + std::to_string(m_port) + "/";
}

std::string LocalService::log() const {
    std::ifstream in(m_tempDir + "service.log", std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool LocalService::stop() {
    if (m_pid <= 0) return false;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    // A kept-alive connection may hold a worker for its 5 s idle limit
    // before the service can end.
    pid_t ended = 0;
    for (int i = 0; i < 1500 && ended != m_pid; ++i) {
        ended = ::waitpid(m_pid, &status, WNOHANG);
        if (ended != m_pid) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const bool exited = ended == m_pid;
    if (!exited) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
    }
    m_pid = -1;
    return exited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace vorn::test
