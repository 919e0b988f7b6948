#include "kana/MoraPhonemes.h"

#include <array>
#include <string>

#include "base/KanaText.h"
#include "base/Utf8.h"

namespace velmora::voice {
namespace {

struct KanaSound {
    char32_t kana = 0;
    MoraSound sound;
};

// Every full-size hiragana. ぢ and づ sound as じ and ず, ゐ ゑ を as the bare
// vowels.
constexpr std::array<KanaSound, 73> kKanaSounds = {{
    {U'あ', {"", "a"}},   {U'い', {"", "i"}},  {U'う', {"", "u"}},   {U'え', {"", "e"}},
    {U'お', {"", "o"}},   {U'か', {"k", "a"}}, {U'き', {"k", "i"}},  {U'く', {"k", "u"}},
    {U'け', {"k", "e"}},  {U'こ', {"k", "o"}}, {U'が', {"g", "a"}},  {U'ぎ', {"g", "i"}},
    {U'ぐ', {"g", "u"}},  {U'げ', {"g", "e"}}, {U'ご', {"g", "o"}},  {U'さ', {"s", "a"}},
    {U'し', {"sh", "i"}}, {U'す', {"s", "u"}}, {U'せ', {"s", "e"}},  {U'そ', {"s", "o"}},
    {U'ざ', {"z", "a"}},  {U'じ', {"j", "i"}}, {U'ず', {"z", "u"}},  {U'ぜ', {"z", "e"}},
    {U'ぞ', {"z", "o"}},  {U'た', {"t", "a"}}, {U'ち', {"ch", "i"}}, {U'つ', {"ts", "u"}},
    {U'て', {"t", "e"}},  {U'と', {"t", "o"}}, {U'だ', {"d", "a"}},  {U'ぢ', {"j", "i"}},
    {U'づ', {"z", "u"}},  {U'で', {"d", "e"}}, {U'ど', {"d", "o"}},  {U'な', {"n", "a"}},
    {U'に', {"n", "i"}},  {U'ぬ', {"n", "u"}}, {U'ね', {"n", "e"}},  {U'の', {"n", "o"}},
    {U'は', {"h", "a"}},  {U'ひ', {"h", "i"}}, {U'ふ', {"f", "u"}},  {U'へ', {"h", "e"}},
    {U'ほ', {"h", "o"}},  {U'ば', {"b", "a"}}, {U'び', {"b", "i"}},  {U'ぶ', {"b", "u"}},
    {U'べ', {"b", "e"}},  {U'ぼ', {"b", "o"}}, {U'ぱ', {"p", "a"}},  {U'ぴ', {"p", "i"}},
    {U'ぷ', {"p", "u"}},  {U'ぺ', {"p", "e"}}, {U'ぽ', {"p", "o"}},  {U'ま', {"m", "a"}},
    {U'み', {"m", "i"}},  {U'む', {"m", "u"}}, {U'め', {"m", "e"}},  {U'も', {"m", "o"}},
    {U'や', {"y", "a"}},  {U'ゆ', {"y", "u"}}, {U'よ', {"y", "o"}},  {U'ら', {"r", "a"}},
    {U'り', {"r", "i"}},  {U'る', {"r", "u"}}, {U'れ', {"r", "e"}},  {U'ろ', {"r", "o"}},
    {U'わ', {"w", "a"}},  {U'ゐ', {"", "i"}},  {U'ゑ', {"", "e"}},   {U'を', {"", "o"}},
    {U'ゔ', {"v", "u"}},
}};

std::optional<MoraSound> SoundOfKana(char32_t kana) {
    if (kana == U'ん') {
        return MoraSound{"N", ""};
    }
    if (kana == U'っ') {
        return MoraSound{"cl", ""};
    }
    // A small kana standing alone sounds as its full-size form; ゕ ゖ as か け.
    const char32_t full = ToHiragana(FullSizeKana(kana));
    for (const KanaSound& entry : kKanaSounds) {
        if (entry.kana == full) {
            return entry.sound;
        }
    }
    return std::nullopt;
}

// The consonant before ゃ ゅ ょ (and before another vowel after an i-row
// kana: きぇ, しぇ, いぇ). The voices know no "fy", "ts" + y or "w" + y, so
// those take the nearest sound they do know.
std::string_view Palatal(std::string_view consonant) {
    constexpr std::array<std::pair<std::string_view, std::string_view>, 17> kPalatal = {{
        {"", "y"},
        {"k", "ky"},
        {"g", "gy"},
        {"s", "sh"},
        {"z", "j"},
        {"t", "ty"},
        {"d", "dy"},
        {"ts", "ch"},
        {"n", "ny"},
        {"h", "hy"},
        {"f", "hy"},
        {"b", "by"},
        {"v", "by"},
        {"p", "py"},
        {"m", "my"},
        {"r", "ry"},
        {"w", "y"},
    }};
    for (const auto& [plain, palatal] : kPalatal) {
        if (plain == consonant) {
            return palatal;
        }
    }
    return consonant;  // already palatal: sh, ch, j, y, ky, ...
}

std::string_view VowelOfSmallKana(char32_t small) {
    switch (small) {
        case U'ぁ':
        case U'ゃ':
        case U'ゎ':
            return "a";
        case U'ぃ':
            return "i";
        case U'ぅ':
        case U'ゅ':
            return "u";
        case U'ぇ':
            return "e";
        case U'ぉ':
        case U'ょ':
            return "o";
        default:
            return {};
    }
}

}  // namespace

std::optional<MoraSound> SoundOfMora(std::string_view mora, std::string_view before) {
    // ゅう is u u already; after a plain kana (おもう) the う stays u.
    if (mora == "う" && before.ends_with("ょ")) {
        return MoraSound{"", "o"};
    }
    const std::u32string kana = DecodeUtf8(mora);
    if (kana.empty() || kana.size() > 2) {
        return std::nullopt;
    }
    std::optional<MoraSound> sound = SoundOfKana(kana[0]);
    if (!sound || kana.size() == 1) {
        return sound;
    }
    const std::string_view vowel = VowelOfSmallKana(kana[1]);
    if (vowel.empty() || sound->vowel.empty()) {
        return std::nullopt;
    }
    const bool glide = kana[1] == U'ゃ' || kana[1] == U'ゅ' || kana[1] == U'ょ';
    if (glide || (sound->vowel == "i" && vowel != "i")) {
        // きゃ kya, しゅ shu, ちょ cho, てゅ tyu, ゔゃ bya; きぇ kye, いぇ ye.
        sound->consonant = Palatal(sound->consonant);
    } else if (sound->consonant.empty() && sound->vowel == "u" && vowel != "u") {
        sound->consonant = "w";  // うぃ wi, うぇ we, うぉ wo
    }
    // Otherwise the consonant stays and takes the small kana's vowel: ふぁ fa,
    // つぁ tsa, てぃ ti, でぃ di, とぅ tu, すぃ si, ゔぁ va.
    sound->vowel = vowel;
    return sound;
}

bool IsVoicelessConsonant(std::string_view consonant) {
    constexpr std::array<std::string_view, 13> kVoiceless = {
        "k", "ky", "s", "sh", "t", "ty", "ch", "ts", "h", "hy", "f", "p", "py",
    };
    for (std::string_view voiceless : kVoiceless) {
        if (voiceless == consonant) {
            return true;
        }
    }
    return false;
}

}  // namespace velmora::voice
