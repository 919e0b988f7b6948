#include <gtest/gtest.h>

#include "base/ShiftJis.h"
#include "settings/IniDocument.h"

namespace velmora {
namespace {

std::string Sjis(const std::string& utf8) {
    return *Utf8ToSjis(utf8);
}

TEST(IniDocument, ReadsTheProfileDialect) {
    const IniDocument doc = IniDocument::Parse(
        "Orphan=1\r\n"
        "[Alarm]\r\n"
        "  Use = 1  \r\n"
        "Quoted=\"  spaced  \"\r\n"
        "Half=\"open\r\n"
        "Empty=\r\n"
        "[jiho]\n"
        "gobino=3\n");
    EXPECT_EQ(doc.Get("alarm", "USE"), "1");
    EXPECT_EQ(doc.Get("Alarm", "Quoted"), "  spaced  ");
    EXPECT_EQ(doc.Get("Alarm", "Half"), "\"open");
    EXPECT_EQ(doc.Get("Alarm", "Empty"), "");
    EXPECT_EQ(doc.Get("Jiho", "GobiNo"), "3");
    EXPECT_FALSE(doc.Get("Alarm", "Orphan").has_value());
    EXPECT_FALSE(doc.Get("", "Orphan").has_value());
    EXPECT_FALSE(doc.Get("Alarm", "Missing").has_value());
    EXPECT_FALSE(doc.Get("Missing", "Use").has_value());
}

TEST(IniDocument, FirstOfDuplicateSectionsAndKeysWins) {
    IniDocument doc = IniDocument::Parse("[A]\r\nk=1\r\nk=2\r\n[a]\r\nk=3\r\nonly=4\r\n");
    EXPECT_EQ(doc.Get("A", "k"), "1");
    EXPECT_FALSE(doc.Get("A", "only").has_value());
    doc.Set("A", "k", "9");
    EXPECT_EQ(doc.Serialize(), "[A]\r\nk=9\r\nk=2\r\n[a]\r\nk=3\r\nonly=4\r\n");
    EXPECT_TRUE(doc.Remove("A", "k"));
    EXPECT_EQ(doc.Get("A", "k"), "2");
}

TEST(IniDocument, ValuesAreCutAt2047BytesWithoutSplittingACharacter) {
    const std::string longAscii(3000, 'x');
    IniDocument doc = IniDocument::Parse("[S]\r\nk=" + longAscii + "\r\n");
    EXPECT_EQ(doc.Get("S", "k")->size(), 2047u);

    // 2046 ASCII bytes then a double-byte character straddling the limit.
    const std::string straddle = std::string(2046, 'a') + Sjis("あ") + "z";
    doc = IniDocument::Parse("[S]\r\nk=" + straddle + "\r\n");
    EXPECT_EQ(*doc.Get("S", "k"), std::string(2046, 'a'));
}

TEST(IniDocument, WritesInPlaceAndAppendsInOrder) {
    IniDocument doc = IniDocument::Parse("[Clock]\r\nShow=1\r\nLeft=5\r\n\r\n[Alarm]\r\nUse=0\r\n");
    doc.Set("clock", "left", "7");   // replaced in place, stored spelling kept
    doc.Set("Clock", "Top", "9");    // appended after the section's last entry
    doc.Set("Music", "Count", "1");  // new section at the end of the file
    EXPECT_EQ(doc.Serialize(),
              "[Clock]\r\nShow=1\r\nLeft=7\r\nTop=9\r\n\r\n[Alarm]\r\nUse=0\r\n"
              "[Music]\r\nCount=1\r\n");
}

TEST(IniDocument, CreatesTheFileContentOnFirstWrite) {
    IniDocument doc;
    doc.Set("Alarm", "Use", "1");
    EXPECT_EQ(doc.Serialize(), "[Alarm]\r\nUse=1\r\n");
}

TEST(IniDocument, DeletesOnlyTheNamedKey) {
    IniDocument doc = IniDocument::Parse("[NoAlarm]\r\nDayOfMonth1=1\r\nDayOfMonth10=1\r\n");
    EXPECT_TRUE(doc.Remove("noalarm", "dayofmonth1"));
    EXPECT_FALSE(doc.Remove("NoAlarm", "DayOfMonth1"));
    EXPECT_FALSE(doc.HasKey("NoAlarm", "DayOfMonth1"));
    EXPECT_TRUE(doc.HasKey("NoAlarm", "DayOfMonth10"));
    EXPECT_EQ(doc.Keys("NoAlarm"), std::vector<std::string>{"DayOfMonth10"});
}

TEST(IniDocument, KeepsUntouchedLinesByteForByte) {
    // Invalid Shift-JIS, a stray lead byte, a NUL and a bare CR survive a
    // rewrite of an unrelated key; only line ends become CR LF.
    const std::string junk = std::string("[S]\r\nbad=\x80\xFF\x82\r\n", 14) +
                             std::string("nul=a\0b", 7) + "\nmac=a\rb\r\n[T]\r\nk=1\r\n";
    IniDocument doc = IniDocument::Parse(junk);
    doc.Set("T", "k", "2");
    EXPECT_EQ(doc.Serialize(), std::string("[S]\r\nbad=\x80\xFF\x82\r\n", 14) +
                                   std::string("nul=a\0b", 7) + "\r\nmac=a\rb\r\n[T]\r\nk=2\r\n");
    EXPECT_EQ(*doc.Get("S", "bad"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(IniDocument, JapaneseNamesMatchAfterDecoding) {
    // Trail bytes can be ASCII letters: "ア" is 0x83 0x41 and "ヂ" is
    // 0x83 0x61, so folding case on the raw bytes would make them one name.
    IniDocument doc = IniDocument::Parse(Sjis("[音声]\r\nア=1\r\n"));
    EXPECT_EQ(doc.Get("音声", "ア"), "1");
    EXPECT_FALSE(doc.Get("音声", "ヂ").has_value());
    // A trail byte can be ']' too: "ゾ" is 0x83 0x5D. A second write must
    // find the section the first one made.
    doc.Set("ゾーン", "鍵", "1");
    doc.Set("ゾーン", "鍵", "2");
    EXPECT_EQ(doc.Serialize(), Sjis("[音声]\r\nア=1\r\n[ゾーン]\r\n鍵=2\r\n"));
}

TEST(IniDocument, SurvivesBinaryJunk) {
    std::string junk;
    for (int i = 0; i < 4096; ++i) {
        junk += static_cast<char>((i * 7919) % 256);
    }
    IniDocument doc = IniDocument::Parse(junk);
    (void)doc.Get("Alarm", "Use");
    doc.Set("Alarm", "Use", "1");
    EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get("Alarm", "Use"), "1");
}

}  // namespace
}  // namespace velmora
