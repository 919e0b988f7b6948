#include <gtest/gtest.h>

#include "fakes/FakeReadingService.h"
#include "speech/ReadingConverter.h"

namespace velmora {
namespace {

using test::FakeReadingServices;
using Strings = std::vector<std::string>;

std::string Repeat(std::string_view character, size_t count) {
    std::string text;
    for (size_t i = 0; i < count; ++i) {
        text += character;
    }
    return text;
}

TEST(ReadingConverter, CleansUpWhatTheServiceReads) {
    FakeReadingServices services;
    ReadingConverter converter(services.Factory());
    const std::pair<const char*, const char*> cases[] = {
        {"７じにおきる", "<NUMK VAL=7>じにおきる"},
        {"「おはよう」ございます？", "、おはよう、ございます?"},
        {"へや３０５．５ごうしつ", "へや<NUMK VAL=305.5>ごうしつ"},
        {"みかづき", "みかずき"},
    };
    for (const auto& [reading, phonetic] : cases) {
        services.reading = [r = std::string(reading)](std::string_view) { return r; };
        EXPECT_EQ(converter.ConvertToPhonetic("漢字"), phonetic) << reading;
    }
}

TEST(ReadingConverter, OpensReadsClosesAndReleasesInOrder) {
    FakeReadingServices services;
    services.reading = [](std::string_view) { return std::string("よみ"); };
    ReadingConverter converter(services.Factory());
    EXPECT_EQ(converter.ConvertToPhonetic("朝*です"), "よみ");
    EXPECT_EQ(services.log, (Strings{"open", "read:朝です", "close", "release"}));
}

TEST(ReadingConverter, ReadsAtMost64CharactersAtATime) {
    struct Case {
        size_t length;
        std::vector<size_t> pieces;
    };
    const Case cases[] = {
        {1, {1}}, {64, {64}}, {65, {64, 1}}, {128, {64, 64}}, {129, {64, 64, 1}},
    };
    for (const auto& c : cases) {
        FakeReadingServices services;
        ReadingConverter converter(services.Factory());
        const std::string phonetic = converter.ConvertToPhonetic(Repeat("漢", c.length));
        std::vector<size_t> pieces;
        std::string joined;
        for (const std::string& piece : services.ReadTexts()) {
            pieces.push_back(piece.size() / 3);
            joined += (joined.empty() ? "" : "/") + piece;
        }
        // The readings are joined in order, each piece starting a phrase.
        EXPECT_EQ(phonetic, joined);
        EXPECT_EQ(pieces, c.pieces) << c.length << " characters";
    }
}

TEST(ReadingConverter, SeparatorsAreRemovedBeforeCutting) {
    FakeReadingServices services;
    ReadingConverter converter(services.Factory());
    converter.ConvertToPhonetic("*" + Repeat("漢", 32) + "*" + Repeat("字", 32) + "*");
    EXPECT_EQ(services.ReadTexts(), Strings{Repeat("漢", 32) + Repeat("字", 32)});
}

TEST(ReadingConverter, PiecesAreJoinedBeforeNumbersAreTagged) {
    // A number cut in two by the piece boundary is still one number.
    FakeReadingServices services;
    ReadingConverter converter(services.Factory());
    EXPECT_EQ(converter.ConvertToPhonetic(Repeat("あ", 62) + "１２３４"),
              Repeat("あ", 62) + "<NUMK VAL=1234>");
    EXPECT_EQ(services.ReadTexts().size(), 2u);
}

TEST(ReadingConverter, WhatShiftJisLacksNeverReachesTheServiceOrTheOutput) {
    FakeReadingServices services;
    services.reading = [](std::string_view text) { return std::string(text) + "ゔ"; };
    ReadingConverter converter(services.Factory());
    EXPECT_EQ(converter.ConvertToPhonetic("𠮷野家〜"), "野家～");
    EXPECT_EQ(services.ReadTexts(), Strings{"野家～"});
}

TEST(ReadingConverter, AnyFailureGivesAnEmptyText) {
    {
        FakeReadingServices services;
        services.available = false;
        EXPECT_EQ(ReadingConverter(services.Factory()).ConvertToPhonetic("漢字"), "");
    }
    { EXPECT_EQ(ReadingConverter(nullptr).ConvertToPhonetic("漢字"), ""); }
    {
        FakeReadingServices services;
        services.openFails = true;
        EXPECT_EQ(ReadingConverter(services.Factory()).ConvertToPhonetic("漢字"), "");
        EXPECT_EQ(services.log, (Strings{"open", "release"}));
    }
    for (const int failing : {0, 1, 2}) {
        FakeReadingServices services;
        services.failingRead = failing;
        EXPECT_EQ(ReadingConverter(services.Factory()).ConvertToPhonetic(Repeat("漢", 150)), "")
            << "piece " << failing;
        // Nothing is read after the failure, and the service is let go.
        EXPECT_EQ(services.ReadTexts().size(), static_cast<size_t>(failing + 1));
        EXPECT_EQ(services.log.back(), "release");
    }
}

TEST(ReadingConverter, EachTextGetsAFreshService) {
    FakeReadingServices services;
    ReadingConverter converter(services.Factory());
    converter.ConvertToPhonetic("一");
    converter.ConvertToPhonetic("二");
    EXPECT_EQ(services.log, (Strings{"open", "read:一", "close", "release", "open", "read:二",
                                     "close", "release"}));
}

}  // namespace
}  // namespace velmora
