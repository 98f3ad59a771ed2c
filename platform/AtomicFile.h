#pragma once
// Writing files so that a crash or a full disk never leaves a half-written file.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace vessant::platform {

// Writes bytes to a temporary file in the same folder, flushes it to disk and renames it
// over the target. On failure the target is untouched, the temporary file removed and
// the error returned.
std::error_code WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// Copies an existing file to "<name>.txt" (the previous generation kept beside user data
// files), replacing an older copy. A missing file is not an error.
std::error_code KeepPreviousGeneration(const std::filesystem::path& file);

} // namespace vessant::platform
