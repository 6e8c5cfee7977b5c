#pragma once
// A sortable list of rows of three texts: the day number, the heading and the body of a day.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace veltrin {

struct ReportRow {
    int32_t day = 0;
    std::string heading;
    std::string body;
};

class RowBuffer {
  public:
    std::vector<ReportRow>& Rows() { return rows_; }
    bool Empty() const { return rows_.empty(); }
    void Add(ReportRow row) { rows_.push_back(std::move(row)); }
    void Clear() { rows_.clear(); }
    // By day; rows of one day keep the order in which they were added.
    void SortByDay() {
        std::stable_sort(rows_.begin(), rows_.end(),
                         [](const ReportRow& a, const ReportRow& b) { return a.day < b.day; });
    }

  private:
    std::vector<ReportRow> rows_;
};

}  // namespace veltrin
