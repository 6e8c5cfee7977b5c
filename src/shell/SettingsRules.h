#pragma once
// How the stored settings texts become values: numbers with their defaults, the corrections of the
// year range, and where the main window may be placed. No user-interface code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reckoning/YearRange.h"

namespace veltrin {

// A decimal number with optional sign, fraction and exponent, blanks around it allowed.
std::optional<double> ParseNumber(std::string_view text);

// A whole number rounded to the nearest (halves to even); the default when the text is not a
// number or does not fit 16 bits.
int16_t ReadInteger(std::string_view text, int16_t fallback);
// A year: the number truncated toward zero; the default as above.
int16_t ReadYear(std::string_view text, int16_t fallback);
// True or False in any letter case, or a number (non-zero is true); the default otherwise.
bool ReadBoolean(std::string_view text, bool fallback);
// A single-precision number; the default when the text is not a number.
float ReadSingle(std::string_view text, float fallback);

// "Calendar": a style 1..3; anything else is the default style 2.
int16_t ReadStyle(std::string_view text);
// "FirstWeekday": 7 (Sunday) or 1 (Monday); anything else is 7.
int16_t ReadFirstWeekday(std::string_view text);
// "FontSize": a positive point size; anything else is 10.
int16_t ReadFontSize(std::string_view text);

// The text a value is stored as.
std::string BooleanText(bool value);
std::string NumberText(double value);

// The stored bounds corrected so that the current year lies inside the range: a first year not
// before the current one becomes 1900, a last year not after it 2100. A bound outside the widest
// range the program supports reads as its default as well.
YearRange CorrectYearRange(int16_t minYear, int16_t maxYear, int currentYear);

// What the year range dialog makes of the two texts the user typed.
enum class RangeVerdict { kUnchanged, kInvalid, kApply };
struct RangeCheck {
    RangeVerdict verdict = RangeVerdict::kInvalid;
    YearRange range;  // the new range when it is to be applied
};

// A year typed by the user: blanks around it, an optional sign, decimal digits and an optional
// fraction after a point or a comma, truncated toward zero. Anything else (exponents, letters,
// an empty text, more digits than a year can have) is no year.
std::optional<int> ReadTypedYear(std::string_view text);

// The range typed as `lowText` .. `highText` against the range in force. The same two years as
// before change nothing; otherwise the new range must lie within 325..2325 and hold the current
// year strictly inside it.
RangeCheck CheckNewRange(std::string_view lowText, std::string_view highText, YearRange current,
                         int currentYear);

// Rectangles in twips.
struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

// Window state as stored: 0 normal, 1 minimised, 2 maximised.
enum StoredWindowState : int16_t { kNormalWindow = 0, kMinimisedWindow = 1, kMaximisedWindow = 2 };

inline constexpr float kMinWindowWidth = 9600;
inline constexpr float kMinWindowHeight = 6850;

struct StoredPlacement {
    std::string state, height, width, left, top;  // empty: the key is absent
};

struct WindowPlacement {
    int16_t state = kNormalWindow;
    float left = 0, top = 0, width = kMinWindowWidth, height = kMinWindowHeight;
};

// Where the main window opens. A stored minimised state opens it normal; without a stored
// position it is centred horizontally on the primary screen at a third of the free height. A
// stored position whose title strip lies on none of the screens would leave the window out of
// reach, so the default position is used instead. `minimum` is the smallest size the window can
// take at its font; a first run opens at it and a smaller stored size is enlarged to it.
struct TwipsSize {
    double width = kMinWindowWidth, height = kMinWindowHeight;
};
WindowPlacement ResolvePlacement(const StoredPlacement& stored, const TwipsRect& primaryScreen,
                                 const std::vector<TwipsRect>& screens,
                                 const TwipsSize& minimum = {});

// Whether a window at `window` can be reached: its title strip overlaps one of the screens.
bool IsReachable(const TwipsRect& window, const std::vector<TwipsRect>& screens);

}  // namespace veltrin
