// The widget tests never touch the user's files: before anything starts, the per-user store,
// the cache (print output) and the settings file are sent to a scratch directory that goes
// when the tests end.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
class ScratchHome {
  public:
    ScratchHome() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rolva-gui-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) return;
        path_ = pattern;
        ::setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
        ::setenv("XDG_CACHE_HOME", (path_ + "/cache").c_str(), 1);
        ::setenv("ROLVA_SETTINGS", (path_ + "/rolvadesk.ini").c_str(), 1);
    }
    ~ScratchHome() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    ScratchHome(const ScratchHome&) = delete;
    ScratchHome& operator=(const ScratchHome&) = delete;

  private:
    std::string path_;
};

const ScratchHome scratchHome;
} // namespace
