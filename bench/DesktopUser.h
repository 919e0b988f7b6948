#pragma once

#include <QStringList>
#include <chrono>
#include <string>
#include <thread>

// What a user at the display does to the running program and what the
// display and the sound server show of it, through the command-line tools
// of the X and PulseAudio desktops (xdotool, xwininfo, pactl): the bench
// drives the real program as a person would, with no way in of its own.
class DesktopUser final {
public:
    struct Box {
        bool Found = false;
        long Id = 0;
        int X = 0;
        int Y = 0;
        int Width = 0;
        int Height = 0;
    };
    struct Footprint {
        long ResidentKiB = -1;
        long AnonKiB = -1;       // of it, the heap and other private memory
        long FileKiB = -1;       // mapped files: the program and its libraries
        long ShmemKiB = -1;      // shared memory: the sound server's pools, X's images
        int Windows = -1;        // the program's top-level windows, shown or not
        int ShownWindows = -1;   // of those, the mapped ones
        int RootChildren = -1;   // every top-level window on the display
        int SinkInputs = -1;     // the sound server's playback streams
        int SourceOutputs = -1;  // its recording streams (the bench's monitor is one)
        int Clients = -1;
    };

    explicit DesktopUser(long pid) : pid_(pid) {}

    // The clock window: the program's shown window that is not the
    // settings dialog.
    Box ClockWindow() const;
    Box SettingsDialog() const;
    // Held long enough for the program's tick, which reads the key's state
    // ten times a second rather than waiting for its event.
    void PressEscape() const;
    // Double-clicks the clock, waits for the settings dialog, touches a check
    // box off and on and presses OK; true when the dialog came and went.
    bool ConfirmSettings() const;
    Footprint Measure() const;

private:
    Box Geometry(long id) const;

    long pid_;
};

// Standard output of a command, or empty when it failed to run.
std::string RunTool(const QString& program, const QStringList& arguments);

// Polls `found` ten times a second until it holds or `limit` has passed.
template <typename Found>
bool WaitFor(std::chrono::milliseconds limit, Found found) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < end) {
        if (found()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return found();
}
