#include "engine/LabelMorae.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace velmora::voice {
namespace {

// The text of a field ("/A:" ... up to the next "/"), empty when absent.
std::string_view Field(std::string_view label, std::string_view name) {
    const size_t at = label.find(name);
    if (at == std::string_view::npos) {
        return {};
    }
    std::string_view rest = label.substr(at + name.size());
    return rest.substr(0, rest.find('/'));
}

// The field split at any of the separators: "-1+2+4" at "+" gives "-1",
// "2", "4"; "5_1#0_xx@1_1|1_5" at "_#@|" gives eight parts.
std::vector<std::string_view> Parts(std::string_view field, std::string_view separators) {
    std::vector<std::string_view> parts;
    size_t begin = 0;
    while (true) {
        const size_t end = field.find_first_of(separators, begin);
        parts.push_back(field.substr(begin, end - begin));
        if (end == std::string_view::npos) {
            return parts;
        }
        begin = end + 1;
    }
}

// The n-th part as a number; nullopt for "xx" or a missing part.
std::optional<int> Number(const std::vector<std::string_view>& parts, size_t n) {
    if (n >= parts.size()) {
        return std::nullopt;
    }
    int value = 0;
    const std::string_view part = parts[n];
    const auto [end, error] = std::from_chars(part.data(), part.data() + part.size(), value);
    if (error != std::errc() || end != part.data() + part.size() || part.empty()) {
        return std::nullopt;
    }
    return value;
}

// p3 of "p1^p2-p3+p4=p5/A:...": the phoneme itself.
std::string_view Phoneme(std::string_view label) {
    const size_t minus = label.find('-');
    const size_t plus = label.find('+', minus == std::string_view::npos ? 0 : minus);
    if (minus == std::string_view::npos || plus == std::string_view::npos) {
        return {};
    }
    return label.substr(minus + 1, plus - minus - 1);
}

bool IsSilence(std::string_view phoneme) {
    return phoneme.empty() || phoneme == "sil" || phoneme == "pau";
}

bool IsHigh(int position, int moraCount, int accent) {
    if (accent == 1) {
        return position == 1;
    }
    if (position == 1 && moraCount > 1) {
        return false;
    }
    return accent == 0 || position <= accent;
}

}  // namespace

std::vector<LabelMora> MoraeOfLabels(const std::vector<std::string>& labels) {
    std::vector<LabelMora> morae;
    // A mora is the run of labels sharing their accent phrase (F:f5, its
    // place in the breath group) and their place in it (A:a2). Silences
    // and pauses end the breath group, where phrases count from one again.
    bool afterPause = true;
    int lastPhrase = 0;
    int lastPosition = 0;
    size_t phrase = 0;
    for (size_t i = 0; i < labels.size(); ++i) {
        const std::string_view phoneme = Phoneme(labels[i]);
        if (IsSilence(phoneme)) {
            afterPause = true;
            continue;
        }
        const auto a = Parts(Field(labels[i], "/A:"), "+");
        const auto f = Parts(Field(labels[i], "/F:"), "_#@|");
        const auto position = Number(a, 1);
        const auto moraCount = Number(f, 0);
        const auto accent = Number(f, 1);
        if (!position || !moraCount || !accent) {
            continue;
        }
        const int phraseInGroup = Number(f, 4).value_or(0);
        const bool newPhrase = afterPause || phraseInGroup != lastPhrase;
        if (newPhrase || *position != lastPosition) {
            if (newPhrase && !morae.empty()) {
                ++phrase;
            }
            morae.push_back({.firstLabel = i,
                             .labelCount = 0,
                             .high = IsHigh(*position, *moraCount, *accent),
                             .phrase = phrase});
        }
        ++morae.back().labelCount;
        afterPause = false;
        lastPhrase = phraseInGroup;
        lastPosition = *position;
    }
    return morae;
}

std::string VoicedLabel(const std::string& label) {
    const size_t minus = label.find('-');
    const size_t plus = label.find('+', minus == std::string::npos ? 0 : minus);
    if (minus == std::string::npos || plus != minus + 2) {
        return label;
    }
    std::string voiced = label;
    if (voiced[minus + 1] == 'U' || voiced[minus + 1] == 'I') {
        voiced[minus + 1] = static_cast<char>(voiced[minus + 1] - 'A' + 'a');
    }
    return voiced;
}

}  // namespace velmora::voice
