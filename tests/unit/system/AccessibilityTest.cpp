// Accessibility: a flag and a field of each structure, and a member behind each
// gate, go to their own place and back; the write rules (a fetch before the
// first write, the exclusive filter-key timings, the control speed's modifier bit).
#include "system/Accessibility.h"

#include "runtime/Error.h"
#include "platform/InputFacts.h"
#include "fake/FakeWindows.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using fake::Version;
using sys::Accessibility;

// One property: the structure it lives in, its flag mask (flags) or the offset
// of its field (fields), and how to use it (its gate is in VersionGatesTest).
struct Member {
    const char* name;
    win::UINT get;
    std::size_t size;
    win::DWORD mask;
    std::size_t offset; // 0 for a flag
    std::function<std::int64_t(Accessibility&)> read;
    std::function<void(Accessibility&, std::int64_t)> write; // empty for read-only members
};

// clang-format off
#define READ(Name) [](Accessibility& a) { return static_cast<std::int64_t>(a.Name()); }
// Each group: its structure's SPI_GET action and type.
#define GROUP_hc win::SPI_GETHIGHCONTRAST, win::HIGHCONTRASTA
#define GROUP_at win::SPI_GETACCESSTIMEOUT, win::ACCESSTIMEOUT
#define GROUP_fk win::SPI_GETFILTERKEYS, win::FILTERKEYS
#define GROUP_mk win::SPI_GETMOUSEKEYS, win::MOUSEKEYS
#define GROUP_ss win::SPI_GETSOUNDSENTRY, win::SOUNDSENTRYA
#define GROUP_sk win::SPI_GETSTICKYKEYS, win::STICKYKEYS
#define GROUP_tk win::SPI_GETTOGGLEKEYS, win::TOGGLEKEYS
#define EXPAND(Macro, ...) Macro(__VA_ARGS__) // GROUP_xx expanded into its two arguments first
#define FLAG_(Name, Get, Struct, Mask, Write) Member{#Name, Get, sizeof(Struct), Mask, 0, READ(Name), Write}
#define FIELD_(Name, Get, Struct, Field)                                                      \
    Member{#Name, Get, sizeof(Struct), 0, offsetof(Struct, Field), READ(Name),                \
           [](Accessibility& a, std::int64_t v) { a.Name(static_cast<std::int32_t>(v)); }}
#define FLAG(Name, Group, Mask) EXPAND(FLAG_, Name, GROUP_##Group, Mask, nullptr)
#define FLAG_RW(Name, Group, Mask) \
    EXPAND(FLAG_, Name, GROUP_##Group, Mask, [](Accessibility& a, std::int64_t v) { a.Name(v != 0); })
#define FIELD(Name, Group, Field) EXPAND(FIELD_, Name, GROUP_##Group, Field)

const std::vector<Member>& members() {
    static const std::vector<Member> all = {
        FLAG(hcAvailable, hc, win::HCF_AVAILABLE),
        FLAG_RW(hcHighContrastOn, hc, win::HCF_HIGHCONTRASTON),
        FIELD(atTimeOutMilliseconds, at, iTimeOutMSec),
        FLAG(atAvailable, at, 0),
        FLAG_RW(atActive, at, win::ATF_TIMEOUTON),
        FIELD(fkDelayMSec, fk, iDelayMSec),
        FIELD(fkBounceMSec, fk, iBounceMSec),
        FLAG(fkAvailable, fk, win::FKF_AVAILABLE),
        FLAG_RW(fkActive, fk, win::FKF_FILTERKEYSON),
        FLAG_RW(fkHotKeySound, fk, win::FKF_HOTKEYSOUND),
        FIELD(mkCtrlSpeed, mk, iCtrlSpeed),
        FLAG_RW(mkMouseKeysOn, mk, win::MKF_MOUSEKEYSON),
        FLAG_RW(mkModifiers, mk, win::MKF_MODIFIERS),
        FLAG_RW(mkMouseMode, mk, win::MKF_MOUSEMODE),
        FLAG_RW(ssActive, ss, win::SSF_SOUNDSENTRYON),
        FIELD(ssFSTextEffect, ss, iFSTextEffect),
        FIELD(ssWindowsEffect, ss, iWindowsEffect),
        FLAG_RW(skActive, sk, win::SKF_STICKYKEYSON),
        FLAG(skLeftAltLatched, sk, win::SKF_LALTLATCHED),
        FLAG_RW(skLeftWinLocked, sk, win::SKF_LWINLOCKED),
        FLAG_RW(tkActive, tk, win::TKF_TOGGLEKEYSON),
        FLAG_RW(tkConfirmHotKey, tk, win::TKF_CONFIRMHOTKEY),
    };
    return all;
}
// clang-format on

std::string bytesOf(const Member& member, fake::FakeWindows& windows) {
    return windows.spiBytes(member.get).substr(0, member.size);
}

win::DWORD wordAt(const std::string& bytes, std::size_t offset) {
    win::DWORD value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

void putWord(fake::FakeWindows& windows, const Member& member, std::size_t offset, win::DWORD value) {
    std::string bytes = bytesOf(member, windows);
    std::memcpy(&bytes[offset], &value, sizeof value);
    windows.setSpiBytes(member.get, bytes);
}

constexpr std::size_t FlagsAt = offsetof(win::FILTERKEYS, dwFlags);

// The word a write may change besides its own: the other filter-key timing, and
// the flags for the control speed.
std::size_t tiedWord(const std::string& name) {
    if (name == "fkDelayMSec")
        return offsetof(win::FILTERKEYS, iBounceMSec);
    if (name == "fkBounceMSec")
        return offsetof(win::FILTERKEYS, iDelayMSec);
    return name == "mkCtrlSpeed" ? FlagsAt : 0;
}

// On Windows 98 every member is there: each row reads its own bit or field,
// and a write after a read changes that bit or field and nothing else.
TEST(Accessibility, EveryFlagAndFieldRoundTrips) {
    fake::FakeWindows windows;
    for (const Member& member : members()) {
        SCOPED_TRACE(member.name);
        const bool flag = member.offset == 0;
        const std::size_t at = flag ? FlagsAt : member.offset;
        Accessibility access(windows);
        putWord(windows, member, FlagsAt, 0);
        if (!flag)
            putWord(windows, member, at, 777);
        EXPECT_EQ(member.read(access), flag ? (member.mask == 0 ? 1 : 0) : 777);
        if (flag && member.mask != 0) {
            putWord(windows, member, FlagsAt, member.mask);
            EXPECT_NE(member.read(access), 0);
            putWord(windows, member, FlagsAt, ~member.mask);
            EXPECT_EQ(member.read(access), 0);
        }
        if (!member.write)
            continue;
        member.read(access);
        const std::string before = bytesOf(member, windows);
        member.write(access, flag ? 1 : 4321);
        const std::string after = bytesOf(member, windows);
        if (flag) {
            EXPECT_EQ(wordAt(after, FlagsAt), wordAt(before, FlagsAt) | member.mask);
            member.write(access, 0);
            EXPECT_EQ(wordAt(bytesOf(member, windows), FlagsAt), wordAt(before, FlagsAt) & ~member.mask);
        } else {
            EXPECT_EQ(wordAt(after, at), 4321u);
        }
        // Every other word of the structure is as it was, but for the words the
        // write rules tie to this one.
        for (std::size_t offset = 0; offset + 4 <= member.size; offset += 4) {
            if (offset != at && offset != tiedWord(member.name)) {
                EXPECT_EQ(wordAt(after, offset), wordAt(before, offset)) << "word at " << offset;
            }
        }
    }
}

TEST(Accessibility, WriteRules) {
    fake::FakeWindows windows;
    Accessibility access(windows);
    // A write before any read of its group fetches it first: Windows gets the
    // structure's size, and the flags it had besides the one written.
    access.tkActive(true);
    EXPECT_EQ(windows.settings.spi.calls.back().uiParam, sizeof(win::TOGGLEKEYS));
    EXPECT_EQ(windows.spiStructure<win::TOGGLEKEYS>(win::SPI_GETTOGGLEKEYS).dwFlags, 0x1Fu);
    // The two filter-key timings exclude each other; 0 leaves the other alone.
    access.fkActive();
    access.fkBounceMSec(300);
    access.fkDelayMSec(500);
    auto keys = windows.spiStructure<win::FILTERKEYS>(win::SPI_GETFILTERKEYS);
    EXPECT_EQ(keys.iDelayMSec, 500u);
    EXPECT_EQ(keys.iBounceMSec, 0u);
    access.fkBounceMSec(200);
    access.fkDelayMSec(0);
    keys = windows.spiStructure<win::FILTERKEYS>(win::SPI_GETFILTERKEYS);
    EXPECT_EQ(keys.iBounceMSec, 200u);
    // A control speed switches the modifier keys with it.
    access.mkCtrlSpeed();
    access.mkCtrlSpeed(3);
    EXPECT_TRUE(access.mkModifiers());
    access.mkCtrlSpeed(0);
    EXPECT_FALSE(access.mkModifiers());
    // Show sounds travels as 1, not as the all-bits True.
    access.shActive(true);
    EXPECT_EQ(windows.settings.spi.calls.back().uiParam, 1u);
    EXPECT_TRUE(access.shActive());
    // NT 4 takes the hot-key sound it cannot tell.
    fake::FakeWindows nt;
    nt.useVersion(Version::NT4);
    Accessibility onNt(nt);
    onNt.fkActive();
    EXPECT_NO_THROW(onNt.fkHotKeySound(true));
    EXPECT_THROW(onNt.fkHotKeySound(), rt::Error);
    EXPECT_TRUE(nt.spiStructure<win::FILTERKEYS>(win::SPI_GETFILTERKEYS).dwFlags & win::FKF_HOTKEYSOUND);
}

} // namespace
