// Writes the seed files of every fuzz target below a corpus directory, one directory per
// target. Usage: make_seeds <directory>

#include "fuzz/Seeds.h"

#include "engine/KxDbError.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

std::string SeedDirectory::path(std::string_view target, std::string_view name) const {
    const std::filesystem::path dir = std::filesystem::path(root_) / target;
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

void SeedDirectory::write(std::string_view target, std::string_view name, std::string_view bytes) const {
    std::ofstream out(path(target, name), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write the seed " + std::string(name));
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <directory>\n", argv[0]);
        return 2;
    }
    try {
        const SeedDirectory seeds(argv[1]);
        writeTextSeeds(seeds);
        writeDatabaseSeeds(seeds);
    } catch (const KxDbError& e) {
        std::fprintf(stderr, "make_seeds: engine error %u\n", kxCode(e));
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_seeds: %s\n", e.what());
        return 1;
    }
    return 0;
}
