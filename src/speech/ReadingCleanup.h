#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The steps that turn a reading service's kana into the voices' phonetic
// notation. They work on code points; all of them are pure.

// Maps the text into code page 932 and back, as every stored or spoken text
// is: characters it lacks are dropped, characters it folds onto another
// (the wave dash onto the full-width tilde, say) come back folded.
std::u32string ThroughShiftJis(std::u32string_view text);

// Consecutive pieces of `pieceLength` characters, the last one holding the
// rest; none for an empty text.
std::vector<std::u32string> SplitIntoPieces(std::u32string_view text, size_t pieceLength);

// Everything after the reading: づ and ぢ as the voices pronounce them,
// brackets and the middle dot as pauses, the full-width full stop, digits,
// letters and signs as ASCII, and every number in a number tag.
std::u32string CleanUpReading(std::u32string_view reading);

// Puts each run of ASCII digits (with any full stops inside or after it)
// into a number tag without a counter: "へや305.5ごう" gives
// "へや<NUMK VAL=305.5>ごう".
std::u32string TagNumbers(std::u32string_view text);

}  // namespace velmora
