#include "speech/AnalysedWord.h"

#include <array>

namespace velmora {

AnalysedWord FromNaistFeature(std::string_view surface, std::string_view feature) {
    std::array<std::string_view, 11> fields{};
    for (std::string_view& field : fields) {
        const size_t comma = feature.find(',');
        field = feature.substr(0, comma);
        if (comma == std::string_view::npos) {
            break;
        }
        feature.remove_prefix(comma + 1);
    }
    return AnalysedWord{.surface = std::string(surface),
                        .partOfSpeech = std::string(fields[0]),
                        .kind = std::string(fields[1]),
                        .detail = std::string(fields[2]),
                        .conjugationType = std::string(fields[4]),
                        .conjugationForm = std::string(fields[5]),
                        .baseForm = std::string(fields[6]),
                        .pronunciation = std::string(fields[8]),
                        .accent = std::string(fields[9]),
                        .chain = std::string(fields[10])};
}

}  // namespace velmora
