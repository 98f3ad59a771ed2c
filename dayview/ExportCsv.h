#pragma once
// The export file for spreadsheets: one civil year as UTF-16LE text with a byte-order
// mark, a header line of 69 column names and one line per day; every field, the last
// included, is followed by a TAB and every line ends with LF. No quoting: no field can
// hold a TAB or a line break.

#include "dayview/Export.h"

#include <array>
#include <filesystem>
#include <string>
#include <system_error>

namespace vessant {

inline constexpr int kExportColumns = 69;

// Header text of column 0..68; empty outside.
const wchar_t* ExportColumnName(int column);

class CCSVExport final : public CExport {
public:
    using CExport::CExport;

    void SetFileName(const std::filesystem::path& path) { fileName_ = path; }
    const std::filesystem::path& FileName() const { return fileName_; }

    // Writes the whole year to the file name. The file is first written beside its final
    // place and only then renamed over it, so a failure (a folder that does not exist, a
    // full disk) leaves an earlier file as it was and no partial one. Errors: no file
    // name or a year before 1 (invalid_argument), or the file system's error.
    std::error_code ExportYear(const DATE_STRUCT& date) override;

    // The bytes ExportYear writes for the year of `date`; false (and `out` empty) for a
    // year before 1. `out` is replaced.
    bool YearBytes(const DATE_STRUCT& date, std::string& out);

private:
    class CFieldWriter;
    void AppendHeader(CFieldWriter& out) const;
    void AppendDay(CFieldWriter& out, const DATE_STRUCT& date);

    std::filesystem::path fileName_;
    std::array<std::wstring, kZmanimTableEntries> zmanimTexts_;
};

} // namespace vessant
