#pragma once
// A stand-in for the window that records what the reckoning asks of them.

#include <string>
#include <vector>

#include "reckoning/CalendarHost.h"

namespace veltrin::test {

class RecordingHost : public CalendarHost {
  public:
    std::vector<std::string> calls;
    void SetWeeks() override { calls.push_back("SetWeeks"); }
    void SetYearsMonths() override { calls.push_back("SetYearsMonths"); }
    void SetGridCal() override { calls.push_back("SetGridCal"); }
    void RefreshView() override { calls.push_back("RefreshView"); }
    void Beep() override { calls.push_back("Beep"); }
    void CheckStyleMenu(int16_t style) override {
        calls.push_back("CheckStyleMenu " + std::to_string(style));
    }
    void SetSelectorPosition(int16_t kind, int16_t position) override {
        calls.push_back("SetSelectorPosition " + std::to_string(kind) + " " +
                        std::to_string(position));
    }
};

}  // namespace veltrin::test
