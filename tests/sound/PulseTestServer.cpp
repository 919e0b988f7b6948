#include "PulseTestServer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <thread>

namespace velmora::test {

std::string PulseTestServer::Pactl(const std::string& args, int* code) {
    std::string output;
    FILE* pipe = ::popen(("pactl " + args + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        if (code != nullptr) {
            *code = -1;
        }
        return output;
    }
    std::array<char, 512> buffer{};
    while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) {
        output += buffer.data();
    }
    const int status = ::pclose(pipe);
    if (code != nullptr) {
        *code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return output;
}

bool PulseTestServer::Configured() {
    return std::getenv("PULSE_SERVER") != nullptr;
}

std::string PulseTestServer::Problem() {
    int code = 0;
    const std::string info = Pactl("info", &code);
    return code == 0 ? std::string() : "no PulseAudio server answers: " + info;
}

std::vector<long> PulseTestServer::Volumes(const std::string& sink) {
    const std::string text = Pactl("get-sink-volume " + sink);
    // "Volume: front-left: 32768 /  50% / ..., front-right: 32768 / ..."
    static const std::regex kChannel(R"(: (\d+) /)");
    std::vector<long> volumes;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), kChannel);
         it != std::sregex_iterator(); ++it) {
        volumes.push_back(std::stol((*it)[1]));
    }
    return volumes;
}

bool PulseTestServer::Muted(const std::string& sink) {
    return Pactl("get-sink-mute " + sink).find("Mute: yes") != std::string::npos;
}

void PulseTestServer::SetVolumes(const std::string& sink, const std::vector<long>& volumes) {
    std::string args = "set-sink-volume " + sink;
    for (long volume : volumes) {
        args += " " + std::to_string(volume);
    }
    Pactl(args);
}

void PulseTestServer::SetMuted(const std::string& sink, bool muted) {
    Pactl("set-sink-mute " + sink + (muted ? " 1" : " 0"));
}

PrivateSink::PrivateSink() : name_("velmora_volume_test_" + std::to_string(::getpid())) {
    module_ = PulseTestServer::Pactl("load-module module-null-sink sink_name=" + name_);
    while (!module_.empty() && (module_.back() == '\n' || module_.back() == ' ')) {
        module_.pop_back();
    }
}

PrivateSink::~PrivateSink() {
    PulseTestServer::Pactl("unload-module " + module_);
}

DefaultSinkState::DefaultSinkState()
    : volumes_(PulseTestServer::Volumes("@DEFAULT_SINK@")),
      muted_(PulseTestServer::Muted("@DEFAULT_SINK@")) {}

DefaultSinkState::~DefaultSinkState() {
    PulseTestServer::SetVolumes("@DEFAULT_SINK@", volumes_);
    PulseTestServer::SetMuted("@DEFAULT_SINK@", muted_);
}

OwnPulseServer::OwnPulseServer(std::string folder) : folder_(std::move(folder)) {}

OwnPulseServer::~OwnPulseServer() {
    Stop();
}

bool OwnPulseServer::Start() {
    const std::string home = folder_ + "home";
    std::filesystem::create_directories(home);
    const std::string socket =
        "module-native-protocol-unix auth-anonymous=1 socket=" + folder_ + "native";
    pid_ = ::fork();
    if (pid_ == 0) {
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, STDOUT_FILENO);
        ::dup2(quiet, STDERR_FILENO);
        // Off the session bus, where the test run's server holds the
        // sound server's name and a second one would refuse to start.
        ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
        ::unsetenv("PULSE_SERVER");
        ::unsetenv("PULSE_COOKIE");
        ::setenv("HOME", home.c_str(), 1);
        ::setenv("PULSE_RUNTIME_PATH", folder_.c_str(), 1);
        ::setenv("PULSE_STATE_PATH", home.c_str(), 1);
        ::execlp("pulseaudio", "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
                 "--log-target=stderr", ("--load=" + socket).c_str(),
                 "--load=module-null-sink sink_name=velmora_own", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    if (pid_ < 0) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        int code = 0;
        PulseTestServer::Pactl("--server=" + Address() + " info", &code);
        if (code == 0) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void OwnPulseServer::Stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }
}

}  // namespace velmora::test
