#pragma once
// The text of an RTF fragment as a reader sees it, with the place in the fragment of every
// visible byte, so that a search matches only what is shown and marks land outside control words.

#include <string>
#include <string_view>
#include <vector>

namespace veltrin {

struct VisibleText {
    std::string text;           // the visible bytes (UTF-8)
    std::vector<size_t> start;  // fragment offset where visible byte i begins its source unit
    std::vector<size_t> end;    // fragment offset just after that unit
};

VisibleText ExtractVisibleText(std::string_view fragment);

}  // namespace veltrin
