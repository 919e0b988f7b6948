#include "sound/AlarmMusic.h"

#include <vector>

#include "sound/SoundMessages.h"

namespace velmora {

AlarmMusic::AlarmMusic(const Services& services) : s_(services) {
    s_.Player.SetPlayStateHandler([this](int state) { PlayStateChanged(state); });
    s_.Player.SetErrorHandler([this] { PlaybackFailed(); });
}

AlarmMusic::~AlarmMusic() {
    s_.Player.SetPlayStateHandler(nullptr);
    s_.Player.SetErrorHandler(nullptr);
}

bool AlarmMusic::RandomMusic() const {
    return s_.Config.MusicRandom && s_.Config.MusicCount >= 3;
}

std::string AlarmMusic::MusicEntry(int number) const {
    return s_.Ini.ReadString("Music", std::to_string(number), "");
}

void AlarmMusic::StartAlarmMusic() {
    if (s_.Before.BeforeSoundPlaying() || s_.Config.MusicFile.empty()) {
        return;
    }
    const bool random = RandomMusic();
    const std::string path =
        random ? MusicEntry(1 + s_.Random.Below(s_.Config.MusicCount - 1)) : s_.Config.MusicFile;
    if (path.empty()) {
        return;
    }
    const bool started = s_.Player.SetUrl(path) && s_.Player.Play();
    s_.Hooks.SetMusicStopEnabled(true);
    playing_ = true;
    if (random) {
        startTick_ = s_.Clock.Milliseconds();
    }
    if (!started) {
        PlaybackFailed();
    }
}

void AlarmMusic::CheckRotation() {
    if (!playing_ || !s_.Config.MusicRepeat || !RandomMusic() || startTick_ == 0) {
        return;
    }
    const double duration = s_.Player.Duration();
    const std::uint32_t now = s_.Clock.Milliseconds();
    if (duration <= 0 || MillisecondsBetween(now, startTick_) / 1000 <= duration + 3) {
        return;
    }
    s_.Player.Stop();
    const std::string next = PickOther(s_.Player.Url());
    s_.Player.SetUrl(next);
    s_.Player.Play();
    startTick_ = s_.Clock.Milliseconds();
}

std::string AlarmMusic::PickOther(const std::string& current) {
    std::vector<std::string> others;
    for (int number = 1; number < s_.Config.MusicCount; ++number) {
        std::string entry = MusicEntry(number);
        if (entry != current) {
            others.push_back(std::move(entry));
        }
    }
    if (others.empty()) {
        return current;
    }
    return others[static_cast<size_t>(s_.Random.Below(static_cast<int>(others.size())))];
}

void AlarmMusic::MenuMusicStop() {
    s_.Hooks.SetMusicStopEnabled(false);
    // Cleared before the stop, so the stop's own "stopped" report does not
    // restart repeated music.
    playing_ = false;
    s_.Player.Stop();
    startTick_ = 0;
}

void AlarmMusic::PlayStateChanged(int state) {
    if (playing_) {
        if (s_.Config.MusicRepeat) {
            // Random music moves on by the rotation check, not here.
            if (!RandomMusic() && state == kPlayStateStopped) {
                s_.Player.Play();
            }
        } else if (state == kPlayStateStopped) {
            s_.Player.SetUrl("");
            playing_ = false;
            s_.Hooks.SetMusicStopEnabled(false);
        }
    } else if (state == kPlayStateStopped) {
        s_.Hooks.TestPlaybackStopped();
        s_.Player.SetUrl("");
    }
}

void AlarmMusic::PlaybackFailed() {
    // The late reports of a failed pipeline can come after its stop has
    // cleared the player: they are about no file, and the desktop would be
    // asked to open an empty name.
    if (s_.Player.Url().empty()) {
        return;
    }
    // A player may raise its error more than once for one failing file;
    // the user hears about it, and the desktop is asked, only once.
    const std::uint32_t now = s_.Clock.Milliseconds();
    if (s_.Player.Url() == lastFailedUrl_ && MillisecondsBetween(now, lastFailureTick_) < 2000) {
        return;
    }
    lastFailedUrl_ = s_.Player.Url();
    lastFailureTick_ = now;
    s_.Hooks.PlaybackFailed();
    s_.Hooks.SetMusicStopEnabled(false);
    playing_ = false;
    s_.Player.Stop();
    const std::string url = s_.Player.Url();
    Notices& notices = s_.Notice;
    s_.Opener.OpenWithAssociatedProgram(url, [&notices](int result) {
        notices.ShowNotice(kMusicPlayFailedMessage + std::to_string(result));
    });
}

}  // namespace velmora
