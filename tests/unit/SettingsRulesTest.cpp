#include "shell/SettingsRules.h"

#include <gtest/gtest.h>

namespace veltrin {
namespace {

TEST(SettingsRules, StoredValuesRoundTruncateOrFallBack) {
    EXPECT_EQ(ReadInteger(" 2.6 ", 0), 3);
    EXPECT_EQ(ReadInteger("2.5", 0), 2);  // halves to even
    EXPECT_EQ(ReadInteger("7x", 7), 7);
    EXPECT_EQ(ReadInteger("40000", 10), 10);  // does not fit
    EXPECT_EQ(ReadYear("-1850.9", 1900), -1850);
    EXPECT_FLOAT_EQ(ReadSingle("nan", 5), 5);
    EXPECT_TRUE(ReadBoolean("tRuE", false));
    EXPECT_TRUE(ReadBoolean("-1", false));
    EXPECT_FALSE(ReadBoolean("0", true));
    EXPECT_TRUE(ReadBoolean("yes", true));  // not a boolean: the default
    EXPECT_EQ(BooleanText(false), "False");
    EXPECT_EQ(ReadStyle("4"), 2);
    EXPECT_EQ(ReadStyle("Gregorian"), 2);
    EXPECT_EQ(ReadFirstWeekday("3"), 7);
    EXPECT_EQ(ReadFontSize("0"), 10);
}

TEST(SettingsRules, YearRangeKeepsTheCurrentYearInside) {
    EXPECT_EQ(CorrectYearRange(2500, 2200, 2026).minYear, 1900);
    EXPECT_EQ(CorrectYearRange(2026, 2200, 2026).minYear, 1900);
    EXPECT_EQ(CorrectYearRange(2025, 2200, 2026).minYear, 2025);
    EXPECT_EQ(CorrectYearRange(1800, 2026, 2026).maxYear, 2100);
    EXPECT_EQ(CorrectYearRange(1800, 2027, 2026).maxYear, 2027);
    const YearRange wild = CorrectYearRange(-5000, 30000, 2026);
    EXPECT_EQ(wild.minYear, 1900);
    EXPECT_EQ(wild.maxYear, 2100);
}

// A 1280 x 1024 screen at 96 dpi, in twips.
const TwipsRect kScreen{0, 0, 19200, 15360};

TEST(SettingsRules, PlacementDefaultsCentreTheWindow) {
    const WindowPlacement p = ResolvePlacement({}, kScreen, {kScreen});
    EXPECT_EQ(p.state, kNormalWindow);
    EXPECT_FLOAT_EQ(p.width, 9600);
    EXPECT_FLOAT_EQ(p.height, 6850);
    EXPECT_FLOAT_EQ(p.left, 4800);               // (19200 - 9600) / 2
    EXPECT_FLOAT_EQ(p.top, (15360 - 6850) / 3);  // truncated
    // A larger font makes a larger minimum: the first run centres that, and a smaller stored
    // size grows to it.
    const WindowPlacement big = ResolvePlacement({}, kScreen, {kScreen}, {10800.5, 7200});
    EXPECT_FLOAT_EQ(big.width, 10801);
    EXPECT_FLOAT_EQ(big.left, 4199);  // the free room halved, truncated
    const StoredPlacement small{"0", "7000", "10000", "", ""};
    EXPECT_FLOAT_EQ(ResolvePlacement(small, kScreen, {kScreen}, {10800, 7200}).height, 7200);
}

TEST(SettingsRules, PlacementStatesAndStoredValues) {
    StoredPlacement s{"1", "7000", "10000", "300", "450"};
    WindowPlacement p = ResolvePlacement(s, kScreen, {kScreen});
    EXPECT_EQ(p.state, kNormalWindow);  // a minimised window opens normal
    EXPECT_FLOAT_EQ(p.left, 300);
    EXPECT_FLOAT_EQ(p.width, 10000);
    // Not a number: the default of the key, the default position using the stored size.
    s = {"9", "tall", "12000", "left", "?"};
    p = ResolvePlacement(s, kScreen, {kScreen});
    EXPECT_EQ(p.state, kNormalWindow);
    EXPECT_FLOAT_EQ(p.height, 6850);
    EXPECT_FLOAT_EQ(p.left, (19200 - 12000) / 2);
}

TEST(SettingsRules, PlacementOnNoScreenFallsBackToTheDefaultPosition) {
    const TwipsRect second{19200, 0, 19200, 15360};
    // A position on a second screen that is gone.
    StoredPlacement s{"0", "6850", "9600", "25000", "1000"};
    WindowPlacement p = ResolvePlacement(s, kScreen, {kScreen});
    EXPECT_FLOAT_EQ(p.left, 4800);
    // The same position while that screen is there.
    p = ResolvePlacement(s, kScreen, {kScreen, second});
    EXPECT_FLOAT_EQ(p.left, 25000);
    // Above the screen: the caption cannot be reached.
    s = {"0", "6850", "9600", "100", "-6000"};
    EXPECT_FLOAT_EQ(ResolvePlacement(s, kScreen, {kScreen}).top, (15360 - 6850) / 3);
    // Hanging over the left edge with most of the caption still on the screen is fine.
    s = {"0", "6850", "9600", "-4000", "-60"};
    p = ResolvePlacement(s, kScreen, {kScreen});
    EXPECT_FLOAT_EQ(p.left, -4000);
    EXPECT_FLOAT_EQ(p.top, -60);
}

// Found by the settings fuzzer: a stored size larger than the screen put the default position
// above the screen's top edge, out of reach.
TEST(SettingsRules, WindowLargerThanTheScreenStartsAtItsEdge) {
    const StoredPlacement s{"0", "31900", "40000", "", ""};
    const WindowPlacement p = ResolvePlacement(s, kScreen, {kScreen});
    EXPECT_FLOAT_EQ(p.left, 0);
    EXPECT_FLOAT_EQ(p.top, 0);
    EXPECT_TRUE(IsReachable({p.left, p.top, p.width, p.height}, {kScreen}));
    // A window stored one twip wide is laid out at the minimum width, which is what must be
    // reached.
    const WindowPlacement thin =
        ResolvePlacement({"0", "6850", "1", "100", "100"}, kScreen, {kScreen});
    EXPECT_FLOAT_EQ(thin.left, 100);
    EXPECT_FLOAT_EQ(thin.top, 100);
    // Found by the fuzzer as well: a width of 1e22 twips overflowed the centring arithmetic.
    const WindowPlacement wide =
        ResolvePlacement({"0", "6850", "9999999999999999999990", "", ""}, kScreen, {kScreen});
    EXPECT_FLOAT_EQ(wide.width, kMinWindowWidth);
    EXPECT_TRUE(IsReachable({wide.left, wide.top, wide.width, wide.height}, {kScreen}));
}

TEST(SettingsRules, TypedYears) {
    for (const char* text : {" 1900 ", "+1900", "1900.9", "1900,9", "1900."})
        EXPECT_EQ(ReadTypedYear(text), 1900) << text;
    EXPECT_EQ(ReadTypedYear("-0"), 0);
    for (const char* text : {"", "1e9", "12abc", "19 00", ".5", "+-1", "1234567", "0x10"})
        EXPECT_EQ(ReadTypedYear(text), std::nullopt) << text;
}

TEST(SettingsRules, NewRangeMustHoldTheCurrentYearWithinTheWidest) {
    const YearRange current{1900, 2100};
    const auto verdict = [&](const char* low, const char* high) {
        return CheckNewRange(low, high, current, 2001).verdict;
    };
    EXPECT_EQ(verdict("1900", "2100"), RangeVerdict::kUnchanged);
    EXPECT_EQ(verdict("1900.5", "2100"), RangeVerdict::kUnchanged);
    const RangeCheck widest = CheckNewRange("325", "2325", current, 2001);
    EXPECT_EQ(widest.verdict, RangeVerdict::kApply);
    EXPECT_EQ(widest.range.minYear, 325);
    EXPECT_EQ(widest.range.maxYear, 2325);
    EXPECT_EQ(verdict("2000", "2002"), RangeVerdict::kApply);
    for (const auto& [low, high] :
         std::vector<std::pair<const char*, const char*>>{{"324", "2325"},
                                                          {"325", "2326"},
                                                          {"2001", "2100"},
                                                          {"1900", "2001"},
                                                          {"2100", "1900"},
                                                          {"-0", "2100"},
                                                          {"", "2100"},
                                                          {"1900", "12abc"}})
        EXPECT_EQ(verdict(low, high), RangeVerdict::kInvalid) << low << " " << high;
    // The same years as in force pass even outside today's rules: nothing is changed.
    EXPECT_EQ(CheckNewRange("1900", "2100", current, 2100).verdict, RangeVerdict::kUnchanged);
}

}  // namespace
}  // namespace veltrin
