#pragma once
// The number of mishnayot in each chapter of the 63 tractates of the Mishnah, in the order
// Mishna yomit reads them. The day table of the cycle is built from these counts.

#include <array>
#include <cstdint>

namespace vessant {

inline constexpr int kMishnaTractates = 63;
inline constexpr int kMishnaMaxChapters = 30; // Keilim

struct MISHNA_TRACTATE_CHAPTERS {
    std::uint8_t chapters;
    std::array<std::uint8_t, kMishnaMaxChapters> mishnayot; // per chapter, 1-based in reading
};

// Row t - 1 is tractate t (text: resource 576 + t).
inline constexpr MISHNA_TRACTATE_CHAPTERS kMishnaChapters[kMishnaTractates] = {
    {9, {5, 8, 6, 7, 5, 8, 5, 8, 5}},                                                         // Berachot
    {8, {6, 8, 8, 11, 8, 11, 8, 9}},                                                          // Peah
    {7, {4, 5, 6, 7, 11, 12, 8}},                                                             // Demai
    {9, {9, 11, 7, 9, 8, 9, 8, 6, 10}},                                                       // Kilayim
    {10, {8, 10, 10, 10, 9, 6, 7, 11, 9, 9}},                                                 // Shviit
    {11, {10, 6, 9, 13, 9, 6, 7, 12, 7, 12, 10}},                                             // Terumot
    {5, {8, 8, 10, 6, 8}},                                                                    // Maaserot
    {5, {7, 10, 13, 12, 15}},                                                                 // Maaser Sheni
    {4, {9, 8, 10, 11}},                                                                      // Challah
    {3, {9, 17, 9}},                                                                          // Orlah
    {4, {11, 11, 12, 5}},                                                                     // Bikurim
    {24, {11, 7, 6, 2, 4, 10, 4, 7, 7, 6, 6, 6, 7, 4, 3, 8, 8, 3, 6, 5, 3, 6, 5, 5}},         // Shabbat
    {10, {10, 6, 9, 11, 9, 10, 11, 11, 4, 15}},                                               // Eruvin
    {10, {7, 8, 8, 9, 10, 6, 13, 8, 11, 9}},                                                  // Pesachim
    {8, {7, 5, 4, 9, 6, 6, 7, 8}},                                                            // Shekalim
    {8, {8, 7, 11, 6, 7, 8, 5, 9}},                                                           // Yoma
    {5, {11, 9, 15, 10, 8}},                                                                  // Succah
    {5, {10, 10, 8, 7, 7}},                                                                   // Beitzah
    {4, {9, 9, 8, 9}},                                                                        // Rosh Hashanah
    {4, {7, 10, 9, 8}},                                                                       // Taanit
    {4, {11, 6, 6, 10}},                                                                      // Megilah
    {3, {10, 5, 9}},                                                                          // Moed Katan
    {3, {8, 7, 8}},                                                                           // Chagigah
    {16, {4, 10, 10, 13, 6, 6, 6, 6, 6, 9, 7, 6, 13, 9, 10, 7}},                              // Yebomot
    {13, {10, 10, 9, 12, 9, 7, 10, 8, 9, 6, 6, 4, 11}},                                       // Ketubot
    {11, {4, 5, 11, 8, 6, 10, 9, 7, 10, 8, 12}},                                              // Nedarim
    {9, {7, 10, 7, 7, 7, 11, 4, 2, 5}},                                                       // Nazir
    {9, {9, 6, 8, 5, 5, 4, 8, 7, 15}},                                                        // Sotah
    {9, {6, 7, 8, 9, 9, 7, 9, 10, 10}},                                                       // Gitin
    {4, {10, 10, 13, 14}},                                                                    // Kidushin
    {10, {4, 6, 11, 9, 7, 6, 7, 7, 12, 10}},                                                  // Bava Kama
    {10, {8, 11, 12, 12, 11, 8, 11, 9, 13, 6}},                                               // Bava Metzia
    {10, {6, 14, 8, 9, 11, 8, 4, 8, 10, 8}},                                                  // Bava Batra
    {11, {6, 5, 8, 5, 5, 6, 11, 7, 6, 6, 6}},                                                 // Sanhedrin
    {3, {10, 8, 16}},                                                                         // Makot
    {8, {7, 5, 11, 13, 5, 7, 8, 6}},                                                          // Shavuot
    {8, {14, 10, 12, 12, 7, 3, 9, 7}},                                                        // Eduyot
    {5, {9, 7, 10, 12, 12}},                                                                  // Avodah Zarah
    {6, {18, 16, 18, 22, 23, 11}},                                                            // Avot
    {3, {5, 7, 8}},                                                                           // Horayot
    {14, {4, 5, 6, 6, 8, 7, 6, 12, 7, 8, 8, 6, 8, 10}},                                       // Zevachim
    {13, {4, 5, 7, 5, 9, 7, 6, 7, 9, 9, 9, 5, 11}},                                           // Menachot
    {12, {7, 10, 7, 7, 5, 7, 6, 6, 8, 4, 2, 5}},                                              // Chulin
    {9, {7, 9, 4, 10, 6, 12, 7, 10, 8}},                                                      // Bechorot
    {9, {4, 6, 5, 4, 6, 5, 5, 7, 8}},                                                         // Erchin
    {7, {6, 3, 5, 4, 6, 5, 6}},                                                               // Temurah
    {6, {7, 6, 10, 3, 8, 9}},                                                                 // Keritut
    {6, {4, 9, 8, 6, 5, 6}},                                                                  // Meilah
    {7, {4, 5, 9, 3, 6, 3, 4}},                                                               // Tamid
    {5, {9, 6, 8, 7, 4}},                                                                     // Midot
    {3, {4, 5, 6}},                                                                           // Kinim
    {30, {9, 8, 8, 4, 11, 4, 6, 11, 8, 8, 9, 8, 8, 8, 6, 8, 17, 9, 10, 7, 3, 10, 5, 17, 9, 9, 12, 10, 8, 4}}, // Keilim
    {18, {8, 7, 7, 3, 7, 7, 6, 6, 16, 7, 9, 8, 6, 7, 10, 5, 5, 10}},                          // Ohalot
    {14, {6, 5, 8, 11, 5, 8, 5, 10, 3, 10, 12, 7, 12, 13}},                                   // Negaim
    {12, {4, 5, 11, 4, 9, 5, 12, 11, 9, 6, 9, 11}},                                           // Parah
    {10, {9, 8, 8, 13, 9, 10, 9, 9, 9, 8}},                                                   // Tahorot
    {10, {8, 10, 4, 5, 6, 11, 7, 5, 7, 8}},                                                   // Mikvaot
    {10, {7, 7, 7, 7, 9, 14, 5, 4, 11, 8}},                                                   // Nidah
    {6, {6, 11, 8, 10, 11, 8}},                                                               // Machshirin
    {5, {6, 4, 3, 7, 12}},                                                                    // Zavim
    {4, {5, 8, 6, 7}},                                                                        // Tvul Yom
    {4, {5, 4, 5, 8}},                                                                        // Yadayim
    {3, {6, 10, 12}},                                                                         // Uktzin
};

} // namespace vessant
