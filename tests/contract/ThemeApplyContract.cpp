// The Windows calls a theme apply makes, held against every backend:
// SystemParametersInfoA for each row of the settings table, SetSysColors and
// GetSysColor, GetSystemMetrics (the cursor calls are in SampleCollectionContract).
// Every setting a test changes is read first and put back before the test ends,
// so the real machine is left as it was found. A setting the running Windows
// version lacks (its row's gate is closed) is skipped, not passed.
#include "Backends.h"

#include "platform/Settings.h"
#include "system/SettingCalls.h"
#include "system/VersionGates.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using win::Setting;
using win::Transport;

bool gateOpen(win::WindowsApi& api, win::VersionGate gate) {
    return sys::VersionGates(api).opens(gate);
}

// The Wine runs name the Windows version they play in DECORAMA_WINE_VERSION.
template <class Backend> bool underWine() {
    return Backend::isReal && std::getenv("DECORAMA_WINE_VERSION") != nullptr;
}

// Where Wine 8 departs from Windows, the real backend under Wine skips the
// check: SPI_SETMOUSESPEED and SPI_SETACTIVEWNDTRKTIMEOUT take the new value
// from pvParam on Windows, from uiParam on Wine.
bool wineDiffers(const Setting& row) {
    return row.get == win::SPI_GETMOUSESPEED || row.get == win::SPI_GETACTIVEWNDTRKTIMEOUT;
}

bool isNumber(const Setting& row) {
    const Transport t = row.transport;
    return row.get != 0 && row.set != 0 &&
           (t == Transport::UiParam || t == Transport::UiParamScratch || t == Transport::PvValue ||
            t == Transport::PvPointer || t == Transport::IconSpacing);
}

std::vector<const Setting*> rowsWhere(const std::function<bool(const Setting&)>& wanted) {
    std::vector<const Setting*> rows;
    for (const Setting* row = win::settingsBegin(); row != win::settingsEnd(); ++row) {
        if (wanted(*row))
            rows.push_back(row);
    }
    return rows;
}

template <class Backend> class ThemeApplyContract : public ::testing::Test {
protected:
    win::WindowsApi& api() { return backend.api(); }

    win::BOOL spi(win::UINT action, win::UINT uiParam, void* pvParam, win::UINT fWinIni) {
        return api().SystemParametersInfoA(action, uiParam, pvParam, fWinIni);
    }

    // Reads a number the way its row says; false when Windows refuses.
    bool readNumber(const Setting& row, std::int32_t& value) {
        value = 0;
        return spi(row.get, 0, &value, win::NoUpdate) != win::FALSE;
    }

    bool writeNumber(const Setting& row, std::int32_t value) {
        std::int32_t scratch = value;
        switch (row.transport) {
        case Transport::PvValue:
            return spi(row.set, 0, reinterpret_cast<void*>(static_cast<std::intptr_t>(value)), row.fWinIni);
        case Transport::PvPointer:
            return spi(row.set, 0, &scratch, row.fWinIni);
        case Transport::UiParamScratch:
            scratch = 0;
            return spi(row.set, static_cast<win::UINT>(value), &scratch, row.fWinIni);
        default:
            return spi(row.set, static_cast<win::UINT>(value), nullptr, row.fWinIni);
        }
    }

    Backend backend;
};

TYPED_TEST_SUITE(ThemeApplyContract, ContractBackends);

TYPED_TEST(ThemeApplyContract, EveryNumberSettingRoundTripsAndIsRestored) {
    int checked = 0;
    for (const Setting* row : rowsWhere(isNumber)) {
        SCOPED_TRACE(row->name);
        if (!gateOpen(this->api(), row->gate) || (underWine<TypeParam>() && wineDiffers(*row)))
            continue;
        std::int32_t original = 0;
        ASSERT_TRUE(this->readNumber(*row, original));
        if (row->boolean) {
            EXPECT_TRUE(original == 0 || original == 1) << original;
        }

        // A Boolean is handed over as -1 (all bits), as the program does, and
        // comes back as 1; a number moves by one, away from the bottom of its range.
        const std::int32_t wanted =
            row->boolean ? (original ? 0 : -1) : (original > 1 ? original - 1 : original + 1);
        const std::int32_t expected = row->boolean ? (original ? 0 : 1) : wanted;
        ASSERT_TRUE(this->writeNumber(*row, wanted));
        std::int32_t now = 0;
        EXPECT_TRUE(this->readNumber(*row, now));
        EXPECT_EQ(now, expected);
        if (row->metric >= 0) {
            EXPECT_EQ(this->api().GetSystemMetrics(row->metric), expected) << "the metric behind it";
        }

        ASSERT_TRUE(this->writeNumber(*row, original));
        EXPECT_TRUE(this->readNumber(*row, now));
        EXPECT_EQ(now, original) << "restored";
        ++checked;
    }
    EXPECT_GT(checked, 0);
}

TYPED_TEST(ThemeApplyContract, IconSpacingBelowThirtyTwoPixelsIsRaisedAndShowsInTheIconMetrics) {
    const Setting& row = win::setting(win::SPI_ICONHORIZONTALSPACING);
    const int original = this->api().GetSystemMetrics(win::SM_CXICONSPACING);
    ASSERT_TRUE(this->writeNumber(row, 10));
    EXPECT_EQ(this->api().GetSystemMetrics(win::SM_CXICONSPACING), 32);
    win::ICONMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(this->spi(win::SPI_GETICONMETRICS, sizeof metrics, &metrics, win::NoUpdate));
    EXPECT_EQ(metrics.iHorzSpacing, 32);
    ASSERT_TRUE(this->writeNumber(row, original));
    EXPECT_EQ(this->api().GetSystemMetrics(win::SM_CXICONSPACING), original);
}

TYPED_TEST(ThemeApplyContract, StructuresAreReadWithTheirSizeAndRefusedWithAWrongOneAsAreUnknownActions) {
    for (const Setting* row :
         rowsWhere([](const Setting& r) { return r.transport == Transport::Structure; })) {
        SCOPED_TRACE(row->name);
        if (!gateOpen(this->api(), row->gate))
            continue;
        // A guard byte after the structure proves Windows writes no further.
        std::vector<unsigned char> buffer(row->size + 1, 0xAB);
        const win::UINT cbSize = static_cast<win::UINT>(row->size);
        if (row->hasCbSize)
            std::memcpy(buffer.data(), &cbSize, sizeof cbSize);
        EXPECT_TRUE(this->spi(row->get, row->hasCbSize ? cbSize : 0, buffer.data(), win::NoUpdate));
        EXPECT_EQ(buffer[row->size], 0xAB);
        if (row->hasCbSize) {
            win::UINT got = 0;
            std::memcpy(&got, buffer.data(), sizeof got);
            EXPECT_EQ(got, cbSize);
            const win::UINT wrong = cbSize - 1;
            std::memcpy(buffer.data(), &wrong, sizeof wrong);
            EXPECT_FALSE(this->spi(row->get, wrong, buffer.data(), win::NoUpdate)) << "cbSize one byte short";
        }
    }
    // An action Windows does not know fails and leaves the buffer alone.
    std::int32_t value = 0x5A5A5A5A;
    this->api().SetLastError(0);
    EXPECT_FALSE(this->spi(0xFFFF, 0, &value, win::NoUpdate));
    EXPECT_EQ(this->api().GetLastError(), win::ERROR_INVALID_SPI_VALUE);
    EXPECT_EQ(value, 0x5A5A5A5A);
}

TYPED_TEST(ThemeApplyContract, TheWallpaperTextRoundTrips) {
    // The fake plays a Windows that has the setting.
    if constexpr (!TypeParam::isReal)
        this->backend.fake().useVersion(fake::Version::Win2000);
    const Setting& row = win::setting(win::SPI_GETDESKWALLPAPER);
    if (!gateOpen(this->api(), row.gate))
        GTEST_SKIP() << "SPI_GETDESKWALLPAPER is Windows 2000's";
    char original[260] = {};
    ASSERT_TRUE(this->spi(win::SPI_GETDESKWALLPAPER, sizeof original, original, win::NoUpdate));
    // An empty name is the one wallpaper every machine can show: none.
    char none[1] = {'\0'};
    ASSERT_TRUE(this->spi(win::SPI_SETDESKWALLPAPER, 0, none, win::NoUpdate));
    char now[260];
    std::memset(now, 'x', sizeof now);
    ASSERT_TRUE(this->spi(win::SPI_GETDESKWALLPAPER, sizeof now, now, win::NoUpdate));
    EXPECT_STREQ(now, "");
    ASSERT_TRUE(this->spi(win::SPI_SETDESKWALLPAPER, 0, original, win::NoUpdate));
    ASSERT_TRUE(this->spi(win::SPI_GETDESKWALLPAPER, sizeof now, now, win::NoUpdate));
    EXPECT_STREQ(now, original);
}

TYPED_TEST(ThemeApplyContract, AllColoursSetInOneCallReadBackAndAreRestoredAndUnknownIndicesSkipped) {
    // The 29 colours the applier hands over; 25 has no colour, and the gradient
    // and hot-track colours are Windows 98's and 2000's.
    const bool level5 = gateOpen(this->api(), win::VersionGate::WinLevel5);
    std::vector<win::INT> indices;
    for (int i = 0; i <= win::COLOR_GRADIENTINACTIVECAPTION; ++i) {
        if (i != win::COLOR_ALTERNATEBTNFACE && (level5 || i < win::COLOR_HOTLIGHT))
            indices.push_back(i);
    }
    std::vector<win::COLORREF> original, changed;
    for (win::INT i : indices) {
        original.push_back(this->api().GetSysColor(i));
        changed.push_back((original.back() ^ 0x00102030u) & 0x00FFFFFFu);
    }
    const int count = static_cast<int>(indices.size());
    ASSERT_TRUE(this->api().SetSysColors(count, indices.data(), changed.data()));
    for (std::size_t n = 0; n < indices.size(); ++n)
        EXPECT_EQ(this->api().GetSysColor(indices[n]), changed[n]) << "colour " << indices[n];

    ASSERT_TRUE(this->api().SetSysColors(count, indices.data(), original.data()));
    for (std::size_t n = 0; n < indices.size(); ++n)
        EXPECT_EQ(this->api().GetSysColor(indices[n]), original[n]) << "colour " << indices[n];
    // An index Windows does not know is skipped and the rest applied.
    const win::COLORREF menu = this->api().GetSysColor(win::COLOR_MENU);
    const win::INT unknown[2] = {1000, win::COLOR_MENU};
    const win::COLORREF values[2] = {0x00123456, menu ^ 0x00010101u};
    EXPECT_TRUE(this->api().SetSysColors(2, unknown, values));
    EXPECT_EQ(this->api().GetSysColor(win::COLOR_MENU), values[1]);
    EXPECT_TRUE(this->api().SetSysColors(1, &unknown[1], &menu));
    EXPECT_EQ(this->api().GetSysColor(win::COLOR_MENU), menu);
}

} // namespace
