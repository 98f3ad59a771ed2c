#include "testsupport/Golden.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vessant::testsupport {
namespace {

std::string LineAt(const std::string& text, int number) {
    std::istringstream in(text);
    std::string line;
    for (int n = 1; std::getline(in, line); ++n)
        if (n == number)
            return line;
    return "<no line>";
}

} // namespace

void ExpectMatchesGolden(const std::filesystem::path& file, const std::string& actual) {
    if (const char* update = std::getenv("VESSANT_UPDATE_GOLDEN"); update && *update) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << actual;
        ASSERT_TRUE(out.good()) << "cannot write " << file;
        return;
    }
    std::ifstream in(file, std::ios::binary);
    ASSERT_TRUE(in.good()) << "no golden file " << file << " (run with VESSANT_UPDATE_GOLDEN=1)";
    const std::string expected{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (expected == actual)
        return;
    int line = 1;
    for (std::size_t i = 0; i < expected.size() && i < actual.size() && expected[i] == actual[i]; ++i)
        line += expected[i] == '\n';
    ADD_FAILURE() << file.filename() << " differs from line " << line << ":\n  expected: "
                  << LineAt(expected, line) << "\n  actual:   " << LineAt(actual, line);
}

std::string Digest(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const char ch : bytes) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 1099511628211ull;
    }
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

} // namespace vessant::testsupport
