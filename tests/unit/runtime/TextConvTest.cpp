// Number conversions as the runtime's Val and CLng make them, whole numbers
// (read directly) and the rest (read by the C runtime) alike.
#include "support/ErrorOf.h"
#include "runtime/TextConv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(TextConvTest, ValReadsTheLeadingNumber) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"007", 7},
        {"+12", 12},
        {" \t42abc", 42},
        {"12.", 12},
        {"1e3", 1000},
        {"1D3", 1000},
        {"2.5x", 2.5},
        {"-31,5", -31},
        {"abc", 0},
        {"", 0},
        {"- 4", 0},
        {"4 5", 4},
        {"999999999999999", 999999999999999.0},
        {"12345678901234567", 12345678901234568.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::Val(c.text), c.value) << c.text;
    EXPECT_TRUE(std::signbit(rt::Val("-0")));
    EXPECT_FALSE(std::signbit(rt::Val("0")));
}

TEST(TextConvTest, CLngRoundsHalfToEvenAndRefusesWhatIsNotAWholeNumber) {
    const struct {
        const char* text;
        long value;
    } cases[] = {{" 04 ", 4},
                 {"2.5", 2},
                 {"3.5", 4},
                 {"-2.5", -2},
                 {"2147483647", 2147483647},
                 {"-2147483648", -2147483648L}};
    for (const auto& c : cases)
        EXPECT_EQ(rt::CLng(std::string(c.text)), c.value) << c.text;
    const struct {
        const char* text;
        int error;
    } failures[] = {{"2147483648", rt::ErrOverflow},
                    {"99999999999999999", rt::ErrOverflow},
                    {"4 5", rt::ErrTypeMismatch},
                    {"", rt::ErrTypeMismatch},
                    {"x1", rt::ErrTypeMismatch}};
    for (const auto& f : failures)
        EXPECT_EQ(errorOf([&] { rt::CLng(std::string(f.text)); }), f.error) << f.text;
}
