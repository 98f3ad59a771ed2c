#include "dayevents/detail/TanachYomiTable.h"

namespace vessant {

// Books: Yehoshua, Shoftim, Shmuel, Melachim, Yishayahu, Yirmiyahu, Yechezkel, 12 Prophets,
// Tehillim, Mishle, Job, Shir Hashirim, Ruth, Eicha, Kohelet, Esther, Daniel,
// Ezra v'Nechemiah, Divrei Hayamim, Divrei Hayamim (leap years).
const std::uint8_t kTanachDaysPerBook[kTanachVariants][kTanachBooks] = {
    {14, 14, 34, 35, 26, 31, 29, 21, 18, 8, 8, 1, 1, 1, 4, 5, 7, 10, 25, 25}, // 0: 292 / 317
    {14, 14, 34, 35, 26, 31, 29, 21, 19, 8, 8, 2, 2, 1, 4, 5, 7, 10, 25, 25}, // 1: 295 / 320
    {14, 14, 34, 35, 26, 31, 29, 21, 19, 8, 8, 1, 1, 1, 4, 5, 7, 10, 25, 25}, // 2: 293 / 318
    {14, 14, 34, 35, 26, 31, 29, 21, 19, 8, 8, 1, 2, 1, 4, 5, 7, 10, 25, 25}, // 3: 294 / 319
    {14, 14, 34, 35, 26, 32, 29, 21, 19, 8, 8, 2, 2, 1, 4, 5, 7, 10, 25, 25}, // 4: 296 / 321
    {15, 14, 34, 35, 26, 32, 29, 21, 19, 8, 8, 2, 2, 1, 4, 5, 7, 10, 25, 25}, // 5: 297 / 322
};

} // namespace vessant
