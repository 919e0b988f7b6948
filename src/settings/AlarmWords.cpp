#include "settings/AlarmWords.h"

#include <array>
#include <cstdint>

namespace velmora {

std::string PresetAlarmWord(int word) {
    static const std::array<const char*, 4> kPresets = {
        "あ'さですよ。お'きてください。",
        "あさだー。おきろー。",
        "おきろー。おきないとたいほするぞー。",
        "さ'あ、おきましょう。きょ'うも/いいことがありますよ。",
    };
    if (word < kFirstPresetWord || word > kLastPresetWord) {
        return {};
    }
    return kPresets[static_cast<size_t>(word - kFirstPresetWord)];
}

std::string JihoEnding(int gobiNo) {
    static const std::array<const char*, 7> kEndings = {
        "で'す。", "ですよ。", "でございます。", "だ。", "だぞ。", "だよ。", "だよーん。",
    };
    if (gobiNo < 0 || gobiNo >= static_cast<int>(kEndings.size())) {
        return {};
    }
    return kEndings[static_cast<size_t>(gobiNo)];
}

bool ContainsKanji(std::string_view text) {
    // Decode UTF-8 just far enough to see three-byte characters; every
    // ideograph we look for lies in the Basic Multilingual Plane.
    size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        size_t length = b0 >= 0xF0 ? 4 : b0 >= 0xE0 ? 3 : 2;
        if (length == 3 && i + 2 < text.size()) {
            const std::uint32_t cp = (b0 & 0x0Fu) << 12 |
                                     (static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6 |
                                     (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            if ((cp >= 0x4E00 && cp <= 0x9FCF) || (cp >= 0xF900 && cp <= 0xFAFF) ||
                (cp >= 0x3400 && cp <= 0x4DBF)) {
                return true;
            }
        }
        i += length;
    }
    return false;
}

}  // namespace velmora
