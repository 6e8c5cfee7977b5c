#pragma once
// Pascha, the twelve great feasts and the great feasts, as days rather than a view.

#include <cstdint>
#include <vector>

namespace veltrin {

struct MainFeast {
    int32_t day = 0;
    int key = 0;                  // which feast: the same for it in every year
    const char* title = nullptr;  // as the Main feasts view prints it
};

// The main feasts of the days `first` to `last`, by day.
std::vector<MainFeast> MainFeastsBetween(int32_t first, int32_t last);

}  // namespace veltrin
