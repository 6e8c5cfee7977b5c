#pragma once
// Every key of the settings store with the text it reads as when the key is absent, and the
// store's two operations. No user-interface code: the store the program uses is SettingsStore.

#include <string>
#include <string_view>

namespace veltrin {

struct SettingKey {
    std::string_view name;
    std::string_view fallback;
};

namespace key {
inline constexpr SettingKey Calendar{"Calendar", "2"};
inline constexpr SettingKey FirstWeekday{"FirstWeekday", "7"};
inline constexpr SettingKey FontName{"FontName", "System"};
inline constexpr SettingKey FontSize{"FontSize", "10"};
inline constexpr SettingKey FontBold{"FontBold", "False"};
inline constexpr SettingKey FontItalic{"FontItalic", "False"};
inline constexpr SettingKey ShowIndiction{"ShowIndiction", "False"};
inline constexpr SettingKey ShowAllStyles{"ShowAllStyles", "False"};
inline constexpr SettingKey ShowFasting{"ShowFasting", "True"};
inline constexpr SettingKey ShowReadings{"ShowReadings", "True"};
inline constexpr SettingKey LastDir{"LastDir", ""};
inline constexpr SettingKey MinYear{"MinYear", "1900"};
inline constexpr SettingKey MaxYear{"MaxYear", "2100"};
// The window's placement: without a stored size or position the window takes its defaults.
inline constexpr SettingKey WindowState{"WindowState", ""};
inline constexpr SettingKey Height{"Height", ""};
inline constexpr SettingKey Width{"Width", ""};
inline constexpr SettingKey Left{"Left", ""};
inline constexpr SettingKey Top{"Top", ""};
}  // namespace key

// A store of text values under keys.
class SettingsStorage {
  public:
    virtual ~SettingsStorage() = default;
    // The stored text of `key`, or `fallback` when the key is absent.
    virtual std::string Get(std::string_view key, std::string_view fallback) const = 0;
    virtual void Save(std::string_view key, std::string_view value) = 0;

    std::string Get(const SettingKey& k) const { return Get(k.name, k.fallback); }
    void Save(const SettingKey& k, std::string_view value) { Save(k.name, value); }
    // Writes what was saved to the disk, where the store keeps one.
    virtual void Sync() {}
};

}  // namespace veltrin
