#pragma once
// The handheld users known to the sync software. The install-aide library of
// the handheld platform offered two calls, and callers are written against exactly those:
// the number of users, and one user's name copied into the caller's buffer. Here the names
// come from a text file, one name per line: "handheld-users.txt" beside the settings file,
// or the file named by $ROLVA_HANDHELD_USERS.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class KxHandheldUserSource {
  public:
    // The buffer was too small; *size now holds the size needed.
    static constexpr std::int32_t kBufferTooSmall = -502;
    // No user with that index, or no buffer or size given.
    static constexpr std::int32_t kNoSuchUser = -1;

    virtual ~KxHandheldUserSource() = default;

    // Number of users; zero or less means none.
    virtual std::int32_t userCount() const = 0;

    // Copies user index's name, null-terminated, into buffer of *size bytes and returns 0.
    // Returns kBufferTooSmall with *size set to the bytes needed, or another negative value
    // when the user cannot be had.
    virtual std::int32_t userName(std::int32_t index, char* buffer, std::uint16_t* size) const = 0;
};

// Users read once from a list file. A missing or unreadable file means no users.
class KxHandheldUsersFile : public KxHandheldUserSource {
  public:
    static constexpr std::string_view kFileName = "handheld-users.txt";

    explicit KxHandheldUsersFile(const std::string& path);

    // The list file that belongs to a settings file; a non-empty override wins.
    static std::string pathFor(std::string_view settingsPath, std::string_view overridePath);

    // The users of the settings file, honouring $ROLVA_HANDHELD_USERS.
    static KxHandheldUsersFile forSettingsFile(std::string_view settingsPath);

    // One name per line, UTF-8 (a Windows-1252 file is converted); blanks around a name,
    // empty lines and names too long to pass through a 16-bit buffer size are left out.
    static std::vector<std::string> parse(std::string_view text);

    std::int32_t userCount() const override;
    std::int32_t userName(std::int32_t index, char* buffer, std::uint16_t* size) const override;

  private:
    std::vector<std::string> names_;
};
