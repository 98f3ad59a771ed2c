// The haftarah tables. Each cell lists the references read in that rite, joined by " + ";
// "none" reads nothing.

#include "dayevents/detail/HaftarahTables.h"

namespace vessant {
namespace {

using haftarah_notation::Reading;
using enum YearTypeFlag;
using enum FlagState;

consteval HAFTARAH_KEY_ROW K(int key, const char* ashkenazi, const char* adotMizrach, const char* italian,
                             const char* yemenite) {
    return {static_cast<std::int16_t>(key),
            {Reading(ashkenazi), Reading(adotMizrach), Reading(italian), Reading(yemenite)}};
}

consteval HAFTARAH_SPECIAL_ROW S(int special, const char* ashkenazi, const char* adotMizrach, const char* italian,
                                 const char* yemenite) {
    return {static_cast<std::int8_t>(special),
            {Reading(ashkenazi), Reading(adotMizrach), Reading(italian), Reading(yemenite)}};
}

// The Case column of the portion table.
struct PortionCase {
    YearTypeFlag flag;
    FlagState state;
};
constexpr PortionCase Always{A, Any};
constexpr PortionCase AClear{A, Clear};
constexpr PortionCase ASet{A, Set};
constexpr PortionCase BClear{B, Clear};
constexpr PortionCase BSet{B, Set};
constexpr PortionCase CClear{C, Clear};
constexpr PortionCase CSet{C, Set};
constexpr PortionCase DClear{D, Clear};
constexpr PortionCase DSet{D, Set};
constexpr PortionCase EClear{E, Clear};
constexpr PortionCase ESet{E, Set};

consteval HAFTARAH_PORTION_ROW P(int portion, PortionCase when, const char* ashkenazi, const char* adotMizrach,
                                 const char* italian, const char* yemenite) {
    return {static_cast<std::int8_t>(portion), when.flag, when.state,
            {Reading(ashkenazi), Reading(adotMizrach), Reading(italian), Reading(yemenite)}};
}

// Readings by key: festival codes, fast cases and the internal keys 91 and 96-103.
// The Yom Kippur reading begins at Yishayahu 57:14 and the Yemenite addition is Ovadiah's
// last verse (1:21); the seventh day of Pesach reads Shmuel II 22, which has 51 verses.
//   key  Ashkenazi | Adot Mizrach | Italian | Yemenite
constexpr HAFTARAH_KEY_ROW kKeyRows[] = {
    K(1, "Shmuel I 1:1-2:10", "Shmuel I 1:1-2:10", "Shmuel I 1:1-2:10", "Shmuel I 1:1-2:10"),
    K(2, "Yirmiyahu 31:2-31:20", "Yirmiyahu 31:2-31:20", "Yirmiyahu 31:2-31:20", "Yirmiyahu 31:2-31:20"),
    K(3, "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8"),
    K(7, "Yishayahu 57:14-58:14 + Yonah", "Yishayahu 57:14-58:14 + Yonah + Michah 7:18-7:20", "Yishayahu 57:14-58:14 + Yishayahu 59:20-59:21 + Yonah + Michah 7:18-7:20", "Yishayahu 57:14-58:14 + Yishayahu 59:20-59:21 + Ovadiah 1:21 + Yonah + Michah 7:18-7:20"),
    K(9, "Zechariah 14:1-14:21", "Zechariah 14:1-14:21", "Zechariah 14:1-14:21", "Zechariah 14:1-14:21"),
    K(10, "Zechariah 14:1-14:21", "Zechariah 14:1-14:21", "Zechariah 14:1-14:21", "Zechariah 14:1-14:21"),
    K(11, "Melachim I 8:2-8:21", "Melachim I 8:2-8:21", "Melachim I 7:51-8:21", "Melachim I 7:51-8:15"),
    K(18, "Yehoshua 1:1-1:18", "Yehoshua 1:1-1:9", "none", "none"),
    K(20, "Melachim I 8:54-9:1 + Melachim I 8:54-8:66", "Melachim I 8:54-8:66", "Melachim I 8:54-8:66", "Melachim I 8:54-9:1 + Melachim I 8:54-8:66"),
    K(21, "Yehoshua 1:1-1:18", "Yehoshua 1:1-1:9", "none", "none"),
    K(37, "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8"),
    K(52, "Yehoshua 5:2-6:1", "Yehoshua 5:2-6:1 + Yehoshua 6:27", "Yehoshua 5:2-6:1 + Yehoshua 6:27", "Yehoshua 5:2-6:1 + Yehoshua 6:27"),
    K(53, "Yehoshua 5:2-6:1", "Yehoshua 5:2-6:1 + Yehoshua 6:27", "Yehoshua 5:2-6:1 + Yehoshua 6:27", "Yehoshua 5:2-6:1 + Yehoshua 6:27"),
    K(54, "Melachim II 23:1-23:9 + Melachim II 23:21-23:25", "Melachim II 23:1-23:9 + Melachim II 23:21-23:25", "Melachim II 22:1-22:7 + Melachim II 23:21-23:25", "Melachim II 23:21-23:30"),
    K(60, "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51"),
    K(62, "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51"),
    K(63, "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6"),
    K(67, "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6", "Yishayahu 10:32-12:6"),
    K(72, "Yechezkel 1:1-1:28 + Yechezkel 3:12", "Yechezkel 1:1-1:28 + Yechezkel 3:12", "Yechezkel 1:1-1:22 + Yechezkel 3:12", "Yechezkel 1:1-1:28 + Yechezkel 3:12"),
    K(74, "Yechezkel 1:1-1:28 + Yechezkel 3:12", "Yechezkel 1:1-1:28 + Yechezkel 3:12", "Yechezkel 1:1-1:22 + Yechezkel 3:12", "Yechezkel 1:1-1:28 + Yechezkel 3:12"),
    K(75, "Chabakuk 3:1-3:19", "Chabakuk 2:20-3:19", "Chabakuk 2:20-3:19", "Chabakuk 3:1-3:19"),
    K(77, "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8", "Yishayahu 55:6-56:8"),
    K(91, "Shmuel I 20:18-20:42", "Shmuel I 20:18-20:42", "Shmuel I 20:18-20:42", "Shmuel I 20:18-20:42"),
    K(96, "Zechariah 2:14-4:7", "Zechariah 2:14-4:7", "Zechariah 2:14-4:7", "Zechariah 2:14-4:7"),
    K(97, "Melachim I 7:40-7:50", "Melachim I 7:40-7:50", "Melachim I 7:40-7:50", "Melachim I 7:40-7:50"),
    K(98, "Yishayahu 66:1-66:24", "Yishayahu 66:1-66:24", "Yishayahu 66:1-66:24", "Yishayahu 66:1-66:24"),
    K(99, "Yirmiyahu 2:4-2:28 + Yirmiyahu 3:4", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yehoshua 19:51-21:3"),
    K(100, "Yechezkel 37:1-37:14", "Yechezkel 37:1-37:14", "Yechezkel 36:37-37:14", "Yechezkel 37:1-37:14"),
    K(101, "Yechezkel 38:18-39:16 + Yechezkel 38:1-38:23", "Yechezkel 38:18-39:16 + Yechezkel 38:1-38:23", "Yechezkel 38:1-38:23", "Yechezkel 38:1-38:23"),
    K(102, "Yirmiyahu 8:13-9:23", "Yirmiyahu 8:13-9:23", "Yirmiyahu 8:13-9:23", "Yirmiyahu 8:13-9:23"),
    K(103, "Yishayahu 55:6-56:8", "Hoshea 14:2-14:10 + Michah 7:18-7:20", "Hoshea 14:2-14:10 + Michah 7:18-7:20", "Hoshea 14:2-14:10"),
};

// Readings of the special Shabbatot that replace the portion's haftarah.
//   special  Ashkenazi | Adot Mizrach | Italian | Yemenite
constexpr HAFTARAH_SPECIAL_ROW kSpecialRows[] = {
    S(1, "Hoshea 14:2-14:10 + Yoel 2:15-2:27", "Hoshea 14:2-14:10 + Michah 7:18-7:20", "Hoshea 14:2-14:10 + Michah 7:18-7:20", "Hoshea 14:2-14:10 + Michah 7:18-7:20"),
    S(3, "Melachim II 12:1-12:17", "Melachim II 11:17-12:17", "Melachim II 12:1-12:17", "Melachim II 12:1-12:17"),
    S(4, "Shmuel I 15:1-15:34", "Shmuel I 15:1-15:34", "Shmuel I 14:52-15:33", "Shmuel I 15:1-15:34"),
    S(5, "Yechezkel 45:16-46:18", "Yechezkel 45:18-46:18", "none", "none"),
    S(6, "Yechezkel 36:16-36:38", "Yechezkel 36:16-36:36", "Yechezkel 36:16-36:36", "Yechezkel 36:16-36:38"),
    S(7, "Malachi 3:4-3:24", "Malachi 3:4-3:24", "Malachi 3:4-3:24", "Malachi 3:4-3:24"),
};

// Readings by first portion. Portion 52 stands alone only on Shabbat Shuva, which reads
// the special-Shabbat table; portion 54 is never a weekly portion.
//   portion, case (a year-type flag clear or set)  Ashkenazi | Adot Mizrach | Italian | Yemenite
constexpr HAFTARAH_PORTION_ROW kPortionRows[] = {
    P(1, Always, "Yishayahu 42:5-42:10", "Yishayahu 42:5-42:21", "Yishayahu 42:1-42:21", "Yishayahu 42:1-42:21"),
    P(2, Always, "Yishayahu 54:1-55:5", "Yishayahu 54:1-54:10", "Yishayahu 54:1-55:5", "Yishayahu 54:1-55:5"),
    P(3, Always, "Yishayahu 40:27-41:16", "Yishayahu 40:27-41:16", "Yishayahu 40:25-41:17", "Yishayahu 40:25-41:17"),
    P(4, Always, "Melachim II 4:1-4:23", "Melachim II 4:1-4:37", "Melachim II 4:1-4:23", "Melachim II 4:1-4:23"),
    P(5, Always, "Melachim I 1:1-1:31", "Melachim I 1:1-1:31", "Melachim I 1:1-1:31", "Melachim I 1:1-1:34"),
    P(6, Always, "Malachi 1:1-2:7", "Malachi 1:1-2:7", "Malachi 1:1-3:4", "Malachi 1:1-2:7"),
    P(7, Always, "Hoshea 12:13-14:10", "Hoshea 12:13-14:10", "Hoshea 11:7-12:12", "Hoshea 11:7-12:12"),
    P(8, Always, "Hoshea 11:7-12:12", "Ovadiah 1:1-1:21", "Hoshea 11:7-12:12", "Hoshea 11:7-12:12"),
    P(9, Always, "Amos 2:6-3:8", "Amos 2:6-3:8", "Amos 2:6-3:8", "Amos 2:6-3:8"),
    P(10, Always, "Melachim I 3:15-4:1", "Melachim I 3:15-4:1", "Melachim I 3:15-4:1", "Melachim I 3:15-4:1"),
    P(11, Always, "Yechezkel 37:15-37:28", "Yechezkel 37:15-37:28", "Yechezkel 37:15-37:28", "Yechezkel 37:15-37:28"),
    P(12, Always, "Melachim I 2:1-2:12", "Melachim I 2:1-2:12", "Melachim I 2:1-2:12", "Melachim I 2:1-2:12"),
    P(13, Always, "Yishayahu 27:6-28:13 + Yishayahu 29:22-29:23", "Yirmiyahu 1:1-2:3", "Yechezkel 15:1-15:14", "Yirmiyahu 1:1-2:3"),
    P(14, Always, "Yechezkel 28:25-29:21", "Yechezkel 28:25-29:21", "Yechezkel 28:24-29:21", "Yechezkel 28:24-29:21"),
    P(15, Always, "Yirmiyahu 46:13-46:28", "Yirmiyahu 46:13-46:28", "Yishayahu 18:7-19:25", "Yishayahu 18:7-19:25"),
    P(16, Always, "Shoftim 4:4-5:31", "Shoftim 5:1-5:31", "Shoftim 4:23-5:31", "Shoftim 4:4-5:3"),
    P(17, Always, "Yishayahu 6:1-7:6 + Yishayahu 9:5-9:6", "Yishayahu 6:1-6:13", "Yishayahu 6:1-6:13 + Yishayahu 9:5-9:6", "Yishayahu 6:1-7:6 + Yishayahu 9:5-9:6"),
    P(18, Always, "Yirmiyahu 34:8-34:22 + Yirmiyahu 33:25-33:26", "Yirmiyahu 34:8-34:22 + Yirmiyahu 33:25-33:26", "Yirmiyahu 34:8-34:19", "Yirmiyahu 34:8-34:11"),
    P(19, Always, "Melachim I 5:26-6:13", "Melachim I 5:26-6:13", "Melachim I 5:26-6:13", "Melachim I 5:26-6:13"),
    P(20, Always, "Yechezkel 43:10-43:27", "Yechezkel 43:10-43:27", "Yechezkel 43:10-43:27", "Yechezkel 43:10-43:27"),
    P(21, Always, "Melachim I 18:1-18:39", "Melachim I 18:20-18:39", "Melachim I 18:1-18:46", "Melachim I 18:20-18:39"),
    P(22, AClear, "Melachim I 7:40-7:50", "Melachim I 7:13-7:26", "Melachim I 7:13-7:22", "Melachim I 7:13-7:26"),
    P(22, ASet, "Melachim I 7:51-8:21", "Melachim I 7:40-7:50", "Melachim I 7:40-7:50", "Melachim I 7:40-7:51"),
    P(23, Always, "Melachim I 7:51-8:21", "Melachim I 7:40-7:50", "Melachim I 7:40-7:50", "Melachim I 7:40-7:51"),
    P(24, Always, "Yishayahu 43:21-44:23", "Yishayahu 43:21-44:23", "Yishayahu 43:21-44:6", "Yishayahu 43:21-44:6"),
    P(25, Always, "Yirmiyahu 7:21-8:3 + Yirmiyahu 9:22-9:23", "Yirmiyahu 7:21-8:3 + Yirmiyahu 9:22-9:23", "Yirmiyahu 7:21-8:3 + Yirmiyahu 9:22-9:23", "Yirmiyahu 7:21-8:3 + Yirmiyahu 9:22-9:23"),
    P(26, Always, "Shmuel II 6:1-7:17", "Shmuel II 6:1-6:19", "Shmuel II 6:1-6:19", "Shmuel II 6:1-7:3"),
    P(27, AClear, "Melachim II 4:42-5:19", "Melachim II 4:42-5:19", "Melachim II 4:42-5:19", "Melachim II 4:42-5:19"),
    P(27, ASet, "Melachim II 7:3-7:20", "Melachim II 7:3-7:20", "Melachim II 7:1-7:20 + Melachim II 1:23", "Melachim II 7:1-7:20 + Melachim II 1:23"),
    P(28, Always, "Melachim II 7:3-7:20", "Melachim II 7:3-7:20", "Melachim II 7:1-7:20 + Melachim II 1:23", "Melachim II 7:1-7:20 + Melachim II 1:23"),
    P(29, BClear, "Yechezkel 22:1-22:16", "Yechezkel 22:1-22:16", "Yechezkel 22:1-22:16", "Yechezkel 22:1-22:16"),
    P(29, BSet, "Amos 9:7-9:15", "Yechezkel 20:2-20:20", "Yechezkel 20:1-20:20", "Yechezkel 20:1-20:20"),
    P(30, Always, "Amos 9:7-9:15", "Yechezkel 20:2-20:20", "Yechezkel 20:1-20:20", "Yechezkel 20:1-20:20"),
    P(31, Always, "Yechezkel 44:15-44:31", "Yechezkel 44:15-44:31", "Yechezkel 44:15-44:31", "Yechezkel 44:15-44:31"),
    P(32, CClear, "Yirmiyahu 32:6-32:27", "Yirmiyahu 32:6-32:27", "Yirmiyahu 15:19-17:14", "Yirmiyahu 15:19-17:14"),
    P(32, CSet, "Yirmiyahu 16:19-17:14", "Yirmiyahu 16:19-17:14", "Yechezkel 34:1-34:27", "Yechezkel 34:1-34:15"),
    P(33, Always, "Yirmiyahu 16:19-17:14", "Yirmiyahu 16:19-17:14", "Yechezkel 34:1-34:27", "Yechezkel 34:1-34:15"),
    P(34, Always, "Hoshea 2:1-2:22", "Hoshea 2:1-2:22", "Hoshea 2:1-2:22", "Hoshea 2:1-2:22"),
    P(35, Always, "Shoftim 13:2-13:25", "Shoftim 13:2-13:25", "Shoftim 13:2-13:25", "Shoftim 13:2-13:25"),
    P(36, Always, "Zechariah 2:14-4:10", "Zechariah 2:14-4:10", "Zechariah 2:14-4:9", "Zechariah 2:14-4:9"),
    P(37, Always, "Yehoshua 2:1-2:24", "Yehoshua 2:1-2:24", "Yehoshua 2:1-2:24", "Yehoshua 2:1-2:24"),
    P(38, Always, "Shmuel I 11:14-12:22", "Shmuel I 11:14-12:22", "Shmuel I 11:14-12:22", "Shmuel I 11:14-12:22"),
    P(39, EClear, "Shoftim 11:1-11:33", "Shoftim 11:1-11:33", "Shoftim 11:1-11:40", "Shoftim 11:1-11:33"),
    P(39, ESet, "Michah 5:6-6:8", "Michah 5:6-6:8", "Michah 5:6-6:8", "Michah 5:4-6:8"),
    P(40, Always, "Michah 5:6-6:8", "Michah 5:6-6:8", "Michah 5:6-6:8", "Michah 5:4-6:8"),
    P(41, DClear, "Melachim I 18:46-19:21", "Melachim I 18:46-19:21", "Melachim I 18:46-19:21", "Melachim I 18:46-19:21"),
    P(41, DSet, "Yirmiyahu 1:1-2:3", "Yirmiyahu 1:1-2:3", "Yirmiyahu 1:1-2:3", "Melachim I 18:46-19:21"),
    P(42, DClear, "Yirmiyahu 1:1-2:3", "Yirmiyahu 1:1-2:3", "Yirmiyahu 1:1-2:3", "Yehoshua 13:15-13:33"),
    P(42, DSet, "Yirmiyahu 2:4-2:28 + Yirmiyahu 3:4", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yehoshua 13:15-13:33"),
    P(43, Always, "Yirmiyahu 2:4-2:28 + Yirmiyahu 3:4", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yirmiyahu 2:4-2:28 + Yirmiyahu 4:1-4:2", "Yehoshua 19:51-21:3"),
    P(44, Always, "Yishayahu 1:1-1:27", "Yishayahu 1:1-1:27", "Yishayahu 1:1-1:31", "Yishayahu 1:1-1:27"),
    P(45, Always, "Yishayahu 40:1-40:26", "Yishayahu 40:1-40:26", "Yishayahu 40:1-40:26 + Yishayahu 41:17", "Yishayahu 40:1-40:15"),
    P(46, Always, "Yishayahu 49:14-51:3", "Yishayahu 49:14-51:3", "Yishayahu 49:14-51:3", "Yishayahu 49:14-51:3"),
    P(47, Always, "Yishayahu 54:11-55:5", "Yishayahu 54:11-55:5", "Yishayahu 54:11-55:5", "Yishayahu 54:11-55:5"),
    P(48, Always, "Yishayahu 51:12-52:12", "Yishayahu 51:12-52:12", "Yishayahu 51:12-52:12", "Shmuel I 8:1-8:22"),
    P(49, Always, "Yishayahu 54:1-54:10", "Yishayahu 54:1-54:10", "Yishayahu 54:1-54:10", "Shmuel I 17:1-17:37"),
    P(50, Always, "Yishayahu 60:1-60:22", "Yishayahu 60:1-60:22", "Yishayahu 60:1-60:22", "Yehoshua 8:30-9:27"),
    P(51, Always, "Yishayahu 61:10-63:9", "Yishayahu 61:10-63:9", "Yishayahu 61:9-63:9", "Yehoshua 24:1-24:18"),
    P(53, Always, "Shmuel II 22:1-22:51", "Shmuel II 22:1-22:51", "Yechezkel 17:22-18:32", "Yechezkel 17:22-18:32"),
};

} // namespace

std::span<const HAFTARAH_KEY_ROW> HaftarahKeyRows() {
    return {kKeyRows};
}

std::span<const HAFTARAH_SPECIAL_ROW> HaftarahSpecialRows() {
    return {kSpecialRows};
}

std::span<const HAFTARAH_PORTION_ROW> HaftarahPortionRows() {
    return {kPortionRows};
}

} // namespace vessant
