#pragma once
// A data directory of its own for a test, written in Windows-1251 as the program expects it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "data/Cp1251.h"

namespace veltrin::test {

class TempDataDir {
  public:
    TempDataDir() {
        static int counter = 0;
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::filesystem::temp_directory_path() /
                ("veltrin-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) +
                 "-" + (info ? info->name() : "data"));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDataDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDataDir(const TempDataDir&) = delete;
    TempDataDir& operator=(const TempDataDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Writes UTF-8 text as Windows-1251.
    void Write(const std::string& name, const std::string& utf8) const {
        const auto bytes = EncodeCp1251(utf8);
        ASSERT_TRUE(bytes.has_value()) << name;
        WriteBytes(name, *bytes);
    }
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream out(path_ / name, std::ios::binary | std::ios::trunc);
        out << bytes;
    }

  private:
    std::filesystem::path path_;
};

inline std::string RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    std::string bytes(size, '\0');
    for (char& b : bytes)
        b = static_cast<char>(random() & 0xFF);
    return bytes;
}

}  // namespace veltrin::test
