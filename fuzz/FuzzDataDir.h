#pragma once
// A data directory of the fuzzer's own, rewritten from each input.

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace veltrin::fuzz {

inline const std::filesystem::path& Directory() {
    static const std::filesystem::path dir = [] {
        auto d =
            std::filesystem::temp_directory_path() / ("veltrin-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

// The input split at the byte 0x01 into the named files, in order; the rest are removed.
inline void WriteFiles(const uint8_t* data, size_t size, const std::vector<std::string>& names) {
    size_t start = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        size_t end = start;
        while (end < size && data[end] != 0x01)
            ++end;
        const auto path = Directory() / names[i];
        if (start < size || i == 0) {
            std::ofstream(path, std::ios::binary | std::ios::trunc)
                .write(reinterpret_cast<const char*>(data + std::min(start, size)),
                       static_cast<std::streamsize>(std::min(end, size) - std::min(start, size)));
        } else {
            std::error_code ec;
            std::filesystem::remove(path, ec);
        }
        start = end + 1;
    }
}

}  // namespace veltrin::fuzz
