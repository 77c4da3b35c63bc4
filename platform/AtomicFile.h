#pragma once
// Whole-file reads and crash-safe whole-file writes for small files the program owns
// (the settings file). A write goes to a temporary file beside the target, is flushed to
// disk and renamed over the target, so the target is always either the old or the new
// content, never a half-written mix.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

enum class KxReadStatus { Ok, Missing, TooLarge, Failed };

struct KxFileContent {
    KxReadStatus status = KxReadStatus::Failed;
    std::string bytes;
};

// Reads a whole file of at most maxBytes.
KxFileContent kxReadWholeFile(const std::string& path, std::size_t maxBytes);

// Replaces (or creates) the file. Missing parent directories are created (mode 0700).
// A symbolic link is followed, so the file it points to is replaced and the link kept.
// The file keeps its permission bits; a new one gets 0666 less the umask.
bool kxWriteFileAtomically(const std::string& path, std::string_view bytes);
