#pragma once

#include <string>

#include "settings/IniFile.h"
#include "settings/PhoneticConverter.h"
#include "settings/Settings.h"

namespace velmora {

// Fills the live record from the settings file. `dataFolder` ends with a
// slash and holds AlarmWord.txt and MyAlarm.wav. Stored values that would
// index past a table or stall the clock (a voice number that does not exist,
// a zero interval, a volume above 100...) are replaced or clamped here, so
// everything downstream can trust the record.
Settings LoadSettings(const IniFile& ini, const std::string& dataFolder,
                      PhoneticConverter& converter);

// With SpeakBeforeSound the time-signal tone follows the speech: the
// configured JihoBeforeSoundNo becomes the lead sound (none for the tone
// itself) and JihoBeforeSoundNo the tone. Without it there is no lead sound.
void ArrangeJihoSounds(Settings& s);

// Sanity bounds shared with the dialog.
inline constexpr int kMinSpeed = 50;
inline constexpr int kMaxSpeed = 300;
inline constexpr int kRandomVoice = 6;
inline constexpr int kBuiltInAlarmSounds = 14;
inline constexpr int kBuiltInJihoSounds = 6;
inline constexpr int kJihoToneSound = 5;
// A list count beyond this is a damaged file, not a user's list.
inline constexpr int kMaxListCount = 10000;

}  // namespace velmora
