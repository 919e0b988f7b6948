#include "support/PrivateSoundServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

namespace velmora::test {

PrivateSoundServer& PrivateSoundServer::Instance() {
    static PrivateSoundServer server;
    return server;
}

PrivateSoundServer::PrivateSoundServer() : socket_(dir_.File("native")) {
    std::filesystem::create_directories(dir_.File("home"));
    ::setenv("PULSE_SERVER", ("unix:" + socket_).c_str(), 1);
    if (!Start()) {
        problem_ = "pulseaudio did not start: " + ReadBytes(dir_.File("pulseaudio.log"));
    }
}

PrivateSoundServer::~PrivateSoundServer() {
    Stop();
}

bool PrivateSoundServer::Answers() const {
    const std::string command = "pactl --server=unix:" + socket_ + " info >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

bool PrivateSoundServer::Start() {
    if (pid_ > 0) {
        return true;
    }
    std::vector<std::string> args = {
        "pulseaudio",
        "--daemonize=no",
        "--system=no",
        "-n",
        "--exit-idle-time=-1",
        "--disallow-exit",
        "--disable-shm=yes",
        "--log-target=stderr",
        "--load=module-native-protocol-unix socket=" + socket_ + " auth-anonymous=1",
        "--load=module-null-sink sink_name=velmora_null "
        "sink_properties=device.description=VelmoraNull",
    };
    const std::string home = dir_.File("home");
    const std::string log = dir_.File("pulseaudio.log");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").c_str(), 1);
        ::setenv("PULSE_RUNTIME_PATH", (home + "/runtime").c_str(), 1);
        ::setenv("PULSE_STATE_PATH", (home + "/state").c_str(), 1);
        ::unsetenv("PULSE_SERVER");
        ::unsetenv("PULSE_COOKIE");
        // Off the session bus, where the test run's own server already holds
        // the server's well-known name (a second one would give up).
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::unsetenv("DISPLAY");
        // The server goes with the test process, however that ends, and
        // keeps off its output (a reader of that pipe would wait for it).
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd >= 0) {
            ::dup2(fd, STDOUT_FILENO);
            ::dup2(fd, STDERR_FILENO);
        }
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    if (pid < 0) {
        return false;
    }
    pid_ = pid;
    // Generous: a loaded machine running tests in parallel starts it slowly.
    for (int i = 0; i < 400; ++i) {
        if (Answers()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    Stop();
    return false;
}

void PrivateSoundServer::Stop() {
    if (pid_ <= 0) {
        return;
    }
    ::kill(pid_, SIGTERM);
    int status = 0;
    for (int i = 0; i < 60 && ::waitpid(pid_, &status, WNOHANG) == 0; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (i == 59) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, &status, 0);
        }
    }
    pid_ = -1;
    std::error_code error;
    std::filesystem::remove(socket_, error);
}

}  // namespace velmora::test
