// The RTF reader over any bytes.

#include <string_view>

#include "reports/RtfReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto doc = veltrin::ParseRtf(std::string_view(reinterpret_cast<const char*>(data), size));
    (void)doc.PlainText();
    return 0;
}
