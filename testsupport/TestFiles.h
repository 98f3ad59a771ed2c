#pragma once
// Real files for tests that read and write them: whole-file bytes, UTF-16LE files as the
// profile layer writes them, and a scratch folder of the test process that goes away when
// its tests end.

#include <filesystem>
#include <string>
#include <string_view>

namespace vessant::testsupport {

// The whole file; empty when it is missing or unreadable.
std::string ReadBytes(const std::filesystem::path& file);

// Creates or replaces the file with exactly these bytes.
void WriteBytes(const std::filesystem::path& file, std::string_view bytes);

// The bytes of a UTF-16LE file with byte-order mark holding `text`.
std::string Utf16File(std::wstring_view text);

// WriteBytes(file, Utf16File(text)).
void WriteUtf16File(const std::filesystem::path& file, std::wstring_view text);

// The text of a UTF-16LE file after its byte-order mark; a file that does not begin with
// the mark fails the running test (and its bytes after the first two are read anyway).
std::wstring Utf16Text(const std::filesystem::path& file);

// This process's own folder below the test temporary folder, named by process id so that
// test processes running side by side (parallel ctest, two build folders) never share
// one. Removed with everything in it when the tests end.
const std::filesystem::path& TestRoot();

// An empty folder of that name inside TestRoot(); whatever it held before is removed.
std::filesystem::path FreshFolder(std::string_view name);

// FreshFolder named after the running test, "Suite.Name", or "Suite.Name.part" for a
// test that wants more than one folder.
std::filesystem::path FreshFolderForThisTest(std::string_view part = {});

} // namespace vessant::testsupport
