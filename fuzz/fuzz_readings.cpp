// The reading notation of the data set and its printed form, over any text.

#include <string_view>

#include "data/Readings.h"
#include "reports/ReadingsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    (void)veltrin::ReadingsText(veltrin::ParseReadings(text));
    (void)veltrin::ParseLabeledReadings(text);
    return 0;
}
