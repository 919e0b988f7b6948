#include "CliCommands.h"
#include "kana/Notation.h"

namespace velmora::cli {

int RunKana(Args args, Io io) {
    if (args.size() != 1) {
        return Fail(io, "usage: velmora-cli kana TEXT", kUsage);
    }
    const auto utterance = voice::ParseNotation(args[0]);
    if (!utterance) {
        return Fail(io, "しゃべれません。", kUsage);
    }
    io.out << voice::PlainKana(*utterance) << '\n';
    return kOk;
}

}  // namespace velmora::cli
