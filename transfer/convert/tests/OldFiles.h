#pragma once
// Old "vessant.usr" and "vessant.loc" files built byte by byte, as the older programs
// wrote them: CR LF line ends, fixed-width event records with zero-padded title fields.

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vessant::transfer::fixtures {

// Hebrew letters in the old byte code: alef 128 ... tav 154.
inline constexpr unsigned char kOldAlef = 128;

struct UsrRecord {
    int flag = 1;  // 0 Hebrew, 1 civil
    int type = 3;  // old type 1..6
    int year = 2000;
    int month = 1;
    int day = 1;
    std::string english;  // up to 51 bytes; shorter ones are padded with zero bytes
    std::string hebrew;   // bytes as stored (last character first)
};

// "%02d %02d %04d %02d %02d %04d %02d %02d %02d", the separator blank, both title fields
// of 51 bytes (zero-padded), CR LF.
std::string UsrRecordBytes(const UsrRecord& record);

// Header line naming the version, the ignored second line, then the records.
std::string UsrFile(int version, const std::vector<UsrRecord>& records);

// Old Hebrew bytes from letter numbers 0 (alef) .. 26 (tav), in the order given.
std::string OldHebrewBytes(std::initializer_list<int> letters);

// "*** VESSANT32 2.0" and "*** LOC VER 000 ***", then the record lines as given (each
// "%c %s %s %d %d %d %d %d %d %d %d"), CR LF after each.
std::string LocFile(const std::vector<std::string>& recordLines);

} // namespace vessant::transfer::fixtures
