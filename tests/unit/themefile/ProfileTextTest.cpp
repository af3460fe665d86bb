// The profile rules of the theme-file reader, each against the oddity Windows'
// profile functions meet in real files (Wine's profile.c shows the rules).
#include "themefile/ProfileText.h"

#include "ThemeData.h"
#include "runtime/Error.h"

#include <gtest/gtest.h>

#include <string>

using themefile::ProfileText;

namespace {

// What a look-up of [section] key finds: its ANSI text, "refused: <reason>" or "(none)".
std::string lookUp(const std::string& bytes, const char* section, const char* key) {
    const ProfileText profile = ProfileText::read(bytes);
    for (const auto& candidate : profile.sections()) {
        if (!themefile::sameName(candidate.name, section) || !candidate.searched)
            continue;
        const themefile::ProfileKey* found = candidate.find(key);
        if (!found || !found->hasValue)
            return "(none)";
        const themefile::AnsiText text = profile.ansi(found->value, theme_test::ansi98());
        return text.refusal.empty() ? text.text : "refused: " + text.refusal;
    }
    return "(none)";
}

std::string utf16(const std::u16string& text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t c : text) {
        const char low = static_cast<char>(c & 0xFF), high = static_cast<char>(c >> 8);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

} // namespace

TEST(ProfileTextTest, FindsValuesAsTheProfileFunctionsDo) {
    const struct {
        std::string bytes;
        const char* section;
        const char* key;
        std::string found;
    } cases[] = {
        {"[Colors]\r\nTitleText=1 2 3\r\n", "COLORS", "titletext", "1 2 3"},
        {"[S]\nK=first\nk=second\n", "S", "K", "first"},
        {"[S]\nK\nK=second\n", "S", "K", "(none)"},
        {"[S]\nK=one\n[s]\nK=two\nL=three\n", "S", "K", "one"},
        {"[S]\nK=one\n[s]\nK=two\nL=three\n", "S", "L", "(none)"},
        {"[S]\n;K=commented\n", "S", "K", "(none)"},
        {"[S]\n \t K \t=\t v a l \t\r\n", "S", "K", "v a l"},
        {"[S]\nK=\"quoted value\"\n", "S", "K", "quoted value"},
        {"[S]\nK='single'\n", "S", "K", "single"},
        {"[S]\nK=\"a\"b\"\n", "S", "K", "a\"b"},
        {"[S]\nK=\"unmatched'\n", "S", "K", "\"unmatched'"},
        {"[S]\nK=\"\n", "S", "K", "\""},
        {"[S]\nK= \" padded \" \n", "S", "K", " padded "},
        {"[S]\rK=cr only\r", "S", "K", "(none)"},
        {"K=before\n[S]\nL=after\n", "S", "K", "(none)"},
        {"[S] and more\nK=v\n", "S", "K", "v"},
        {"[S\nK=v\n", "S", "K", "(none)"},
        {std::string("[S]\nK=abc\0def\n", 14), "S", "K", "abc"},
        {"[S]\nK=B\xF6hme \x96\x81\n", "S", "K", "B\xF6hme \x96\x81"},
        {"\xEF\xBB\xBF[S]\nK=B\xC3\xB6hme \xE2\x80\x93 x\n", "S", "K", "B\xF6hme \x96 x"},
        {utf16(u"[S]\r\nK=B\u00F6hme\r\n", false), "S", "K", "B\xF6hme"},
        {utf16(u"[S]\r\nK=B\u00F6hme\r\n", true), "S", "K", "B\xF6hme"},
        {"\xEF\xBB\xBF[S]\nK=\xE6\xA3\xAE\n", "S", "K", "refused: not in the ANSI code page"},
        {"\xEF\xBB\xBF[S]\nK=\xC3(\n", "S", "K", "refused: not valid text"},
        {"\xEF\xBB\xBF[S]\nK=\xC0\xAF\n", "S", "K", "refused: not valid text"},
        {"\xEF\xBB\xBF[S]\nK=\xE0\x80\xAF\n", "S", "K", "refused: not valid text"},
        {"\xEF\xBB\xBF[S]\nK=\xED\xA0\x80\n", "S", "K", "refused: not valid text"},
        {"\xEF\xBB\xBF[S]\nK=\xF4\x90\x80\x80\n", "S", "K", "refused: not valid text"},
        {utf16(u"[S]\r\nK=a\xD800z\r\n", false), "S", "K", "refused: not valid text"},
        {utf16(u"[S]\r\nK=\xDC00\r\n", false), "S", "K", "refused: not valid text"},
        {utf16(u"[S]\r\nK=\U0001F600\r\n", false), "S", "K", "refused: not in the ANSI code page"},
        {utf16(u"[S]\r\nK=v", false) + "\x41", "S", "K", "v"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lookUp(c.bytes, c.section, c.key), c.found) << c.bytes;
}

TEST(ProfileTextTest, RefusesAFileOver1MiBOrWithALineOver64KiB) {
    const auto refused = [](const std::string& bytes) {
        try {
            ProfileText::read(bytes);
        } catch (const rt::Error& error) {
            return error.description();
        }
        return std::string("read");
    };
    const std::string key = "[S]\nK=";
    EXPECT_EQ(refused(key + std::string(64 * 1024 - 2, 'x') + "\r\n[T]"), "read");
    EXPECT_EQ(refused(key + std::string(64 * 1024 - 1, 'x') + "\n[T]"), "line over 64 KiB");
    EXPECT_EQ(refused(utf16(u"K=" + std::u16string(32 * 1024 - 2, u'x'), false)), "read");
    EXPECT_EQ(refused(utf16(u"K=" + std::u16string(32 * 1024 - 1, u'x'), false)), "line over 64 KiB");
    std::string full;
    for (int i = 0; i < 16; ++i)
        full += std::string(64 * 1024 - 1, 'x') + "\n";
    EXPECT_EQ(refused(full), "read");
    EXPECT_EQ(refused(full + " "), "theme file over 1 MiB");
}
