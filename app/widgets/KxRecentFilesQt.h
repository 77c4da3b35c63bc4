#pragma once
// The recent-file list kept in the per-user store: organisation "Vantorquelline",
// application "Rolva", group "Recent File List", values "File1" to "File9".

#include "app/KxRecentFileList.h"

#include <string>

class KxRecentFilesQt {
  public:
    static constexpr const char* kOrganisation = "Vantorquelline";
    static constexpr const char* kApplication = "Rolva";
    static constexpr const char* kGroup = "Recent File List";

    void load();
    // Each change is written at once, as another run may start before this one ends.
    void add(const std::string& path);
    void remove(std::size_t index);
    const KxRecentFileList& list() const { return list_; }

  private:
    void save() const;
    KxRecentFileList list_;
};
