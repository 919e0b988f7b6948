#pragma once

#include <functional>
#include <string>
#include <utility>

namespace velmora {

// Play states a media player reports; the program acts on "stopped" and
// "media ended" only.
inline constexpr int kPlayStateStopped = 1;
inline constexpr int kPlayStatePaused = 2;
inline constexpr int kPlayStatePlaying = 3;
inline constexpr int kPlayStateMediaEnded = 8;

// A player for sound and music files (the alarm music, the sounds before an
// announcement). Events arrive through the event loop, never from inside a
// call made on the player; at the end of a file "media ended" comes first,
// then "stopped". A failing file raises the error event once.
class MediaPlayer {
public:
    using PlayStateHandler = std::function<void(int state)>;
    using ErrorHandler = std::function<void()>;

    virtual ~MediaPlayer() = default;

    // A file path, or empty to let go of the current file. False when the
    // player cannot take it.
    virtual bool SetUrl(const std::string& path) = 0;
    virtual std::string Url() const = 0;
    // Plays the current file from where it stands (from the start once it
    // has ended). False when the player cannot play at all.
    virtual bool Play() = 0;
    virtual void Stop() = 0;
    // Length of the current file in seconds; 0 while unknown.
    virtual double Duration() const = 0;

    void SetPlayStateHandler(PlayStateHandler handler) { onPlayState_ = std::move(handler); }
    void SetErrorHandler(ErrorHandler handler) { onError_ = std::move(handler); }

protected:
    void ReportPlayState(int state) {
        if (onPlayState_) {
            onPlayState_(state);
        }
    }
    void ReportError() {
        if (onError_) {
            onError_();
        }
    }

private:
    PlayStateHandler onPlayState_;
    ErrorHandler onError_;
};

}  // namespace velmora
