#pragma once

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/QtEventPump.h"
#include "sound/WaveData.h"
#include "support/PrivateSoundServer.h"
#include "support/SignalAnalysis.h"
#include "support/SinkMonitor.h"

namespace velmora::test {

// Tests that play through the real sound server (a private one, see
// PrivateSoundServer) and listen to its output.
class RealSound : public ::testing::Test {
protected:
    // Before any member of a derived fixture exists: Qt's sound clients pick
    // their server when first made.
    RealSound() : server_(PrivateSoundServer::Instance()) {}

    void SetUp() override {
        ASSERT_TRUE(server_.Problem().empty()) << server_.Problem();
        std::string error;
        ASSERT_TRUE(monitor.Start(&error)) << error;
    }

    // Runs the event loop for `ms` milliseconds.
    void RunFor(int ms) {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < ms) {
            pump.ProcessEvents();
        }
    }
    // Runs the event loop until `done` or `ms` milliseconds have passed.
    bool RunUntil(const std::function<bool()>& done, int ms) {
        QElapsedTimer timer;
        timer.start();
        while (!done()) {
            if (timer.elapsed() > ms) {
                return false;
            }
            pump.ProcessEvents();
        }
        return true;
    }

    PrivateSoundServer& server_;
    QtEventPump pump;
    SinkMonitor monitor;
};

// A sine of `seconds` at `frequency` and `level` (fraction of full scale).
std::vector<std::int16_t> Sine(double frequency, double seconds, double level, int rate = 8000,
                               int channels = 1);

// Writes a 16-bit wave file with libsndfile.
void WriteWaveFile(const std::string& path, const WaveData& wave);

}  // namespace velmora::test
