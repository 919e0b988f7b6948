#pragma once

namespace velmora {

inline constexpr const char* kSoundFileNotFoundMessage = "再生するファイルが見つかりません。";
inline constexpr const char* kSoundPlayFailedMessage = "音の再生に失敗しました。";
// Followed by the desktop opener's result as a decimal number.
inline constexpr const char* kMusicPlayFailedMessage = "曲の再生に失敗しました。";

}  // namespace velmora
