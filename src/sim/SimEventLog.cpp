#include "sim/SimEventLog.h"

#include <cstdio>
#include <utility>

namespace velmora {
namespace {

const char* ListName(bool fromJiho) {
    return fromJiho ? "jiho" : "alarm";
}

}  // namespace

std::string FormatSimMoment(long long ms) {
    const DateTime t = static_cast<double>(ms) / static_cast<double>(kMsPerDay);
    const long long within = ((ms % 1000) + 1000) % 1000;
    char buf[8];
    std::snprintf(buf, sizeof buf, ".%03lld", within);
    return FormatDateTimeFull(t) + buf;
}

SimEventLog::SimEventLog(VirtualTime& time, const BeforeSoundLists& lists, std::ostream* out)
    : time_(time), lists_(lists), out_(out) {}

void SimEventLog::Add(std::string name, std::string details) {
    if (out_ != nullptr) {
        *out_ << FormatSimMoment(time_.WallMs()) << ' ' << name;
        if (!details.empty()) {
            *out_ << ' ' << details;
        }
        *out_ << '\n';
    }
    events_.push_back(SimEvent{time_.WallMs(), std::move(name), std::move(details)});
}

void SimEventLog::SpeakRequested(const SpeakRequest& request) {
    lastFromJiho_ = request.FromJihoList;
    lastBefore_ = request.BeforeSound;
    Add(request.FromJihoList ? "JIHO" : "SPEAK", "text=" + request.Text);
}

void SimEventLog::MasterVolumeSet(int percent) {
    Add("VOLUME", "percent=" + std::to_string(percent));
}

void SimEventLog::MasterVolumeRestored() {
    Add("RESTORE");
}

void SimEventLog::AlarmStarted() {
    Add("ALARM-START");
    if (onRinging_) {
        onRinging_();
    }
}

void SimEventLog::SnoozeResumed() {
    if (onRinging_) {
        onRinging_();
    }
}

void SimEventLog::AlarmStopped() {
    Add("STOP");
}

void SimEventLog::SnoozeWaitStarted() {
    Add("SNOOZE-WAIT");
}

void SimEventLog::RingingEnded() {
    Add("ALARM-END");
}

void SimEventLog::WakeUpArmed(DateTime wakeTime, DateTime alarmMoment) {
    Add("ARM",
        "wake=" + FormatDateTimeFull(wakeTime) + " alarm=" + FormatDateTimeFull(alarmMoment));
}

void SimEventLog::AlarmSwitchedOff() {
    Add("OFF");
}

void SimEventLog::Resumed() {
    Add("RESUME");
}

void SimEventLog::NoticeShown(const std::string& text) {
    std::string line;
    for (const char c : text) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    Add("NOTICE", "text=" + line);
}

void SimEventLog::BeforeSoundStarted(const std::string& path) {
    // The utterance that asked for it names the list; the path alone would
    // not, as both lists share their first sounds.
    bool fromJiho = lastFromJiho_;
    int index = lastBefore_;
    if (lists_.Name(fromJiho, index) != path) {
        index = 0;
        for (const bool jiho : {false, true}) {
            const auto& list = jiho ? lists_.Jiho : lists_.Alarm;
            for (size_t i = 1; i < list.size() && index == 0; ++i) {
                if (list[i] == path) {
                    index = static_cast<int>(i);
                    fromJiho = jiho;
                }
            }
        }
    }
    Add("BEFORE", "index=" + std::to_string(index) + " list=" + ListName(fromJiho));
}

void SimEventLog::MusicStarted(const std::string& path) {
    Add("MUSIC", "path=" + path);
}

}  // namespace velmora
