#pragma once
// The seed inputs of the fuzz targets, written at build time into the build tree: one
// directory per target below a corpus root, which a fuzzing run then grows.

#include <string>
#include <string_view>

class SeedDirectory {
  public:
    explicit SeedDirectory(std::string root) : root_(std::move(root)) {}

    // The path of a seed (its target's directory is made when missing).
    std::string path(std::string_view target, std::string_view name) const;
    void write(std::string_view target, std::string_view name, std::string_view bytes) const;

  private:
    std::string root_;
};

// Small texts for the targets that read outside text: delimited files, the import, report
// templates, settings files and value texts.
void writeTextSeeds(const SeedDirectory& seeds);

// Databases made by the engine itself for rlv_open: between them every chunk kind, every
// field type, every section of the header chunk, and databases with many records.
void writeDatabaseSeeds(const SeedDirectory& seeds);
