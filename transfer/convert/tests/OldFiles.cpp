#include "transfer/convert/tests/OldFiles.h"

#include "transfer/convert/OldEventFile.h"

#include <cstdio>

namespace vessant::transfer::fixtures {
namespace {

std::string TitleField(const std::string& text) {
    std::string field = text.substr(0, kOldTitleFieldBytes);
    field.resize(kOldTitleFieldBytes, '\0');
    return field;
}

} // namespace

std::string UsrRecordBytes(const UsrRecord& r) {
    char numbers[64];
    std::snprintf(numbers, sizeof numbers, "%02d %02d %04d %02d %02d %04d %02d %02d %02d", r.flag,
                  r.type, r.year, r.month, r.day, 0, 0, 0, 0);
    return std::string(numbers) + " " + TitleField(r.english) + TitleField(r.hebrew) + "\r\n";
}

std::string UsrFile(int version, const std::vector<UsrRecord>& records) {
    std::string file = "*** VESSANT " + std::to_string(version) + " ***\r\nUser data file\r\n";
    for (const UsrRecord& record : records)
        file += UsrRecordBytes(record);
    return file;
}

std::string OldHebrewBytes(std::initializer_list<int> letters) {
    std::string bytes;
    for (const int letter : letters)
        bytes.push_back(static_cast<char>(kOldAlef + letter));
    return bytes;
}

std::string LocFile(const std::vector<std::string>& recordLines) {
    std::string file = "*** VESSANT32 2.0 ***\r\n*** LOC VER 000 ***\r\n";
    for (const std::string& line : recordLines)
        file += line + "\r\n";
    return file;
}

} // namespace vessant::transfer::fixtures
