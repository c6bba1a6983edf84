// Whole-file reading and writing for the small text files (settings,
// slips): a file is replaced only once its new content is complete.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pennant {

// The file's bytes, or nullopt when it is missing or cannot be read.
std::optional<std::string> readFileBytes(const std::filesystem::path& path);

// Writes `bytes` to a new file beside `path` and renames it over `path`,
// so a failure leaves the old file (or no file) as it was. Returns nullopt
// on success, otherwise the reason in words for a message box.
std::optional<std::string> replaceFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace pennant
