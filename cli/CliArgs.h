#pragma once
// The command line of vessant: a command, its positional words and options, checked
// before anything is computed. A problem becomes a CliError carrying the one line that
// names it and the exit status.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vessant::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the work could not be done (a file that cannot be written)
inline constexpr int kExitUsage = 2;   // the command line asked for something that does not exist

class CliError : public std::runtime_error {
public:
    CliError(int status, const std::string& message) : std::runtime_error(message), status_(status) {}
    int status() const { return status_; }

private:
    int status_;
};

[[noreturn]] inline void UsageError(const std::string& message) { throw CliError(kExitUsage, message); }
[[noreturn]] inline void Failure(const std::string& message) { throw CliError(kExitFailure, message); }

enum class Command { None, Day, Month, Year, Zmanim, Export, Help, Version };

struct CLI_ARGS {
    Command command = Command::None;
    std::string commandName;             // as typed
    std::vector<std::string> positional; // words after the command that are not options
    bool help = false;                   // --help / -h
    bool json = false;
    bool hebrewMonth = false;            // month --hebrew
    bool civilMonth = false;             // month --civil
    bool allZmanim = false;              // zmanim --all
    std::optional<std::string> place;
    std::optional<std::string> row;
    std::optional<std::string> date;     // export --date
    std::optional<std::string> output;   // export -o
    std::optional<int> year;             // export --year
    std::optional<int> clock;            // 12 or 24
    std::optional<int> language;         // language id
    std::optional<int> rite;             // 0..3
    std::optional<int> transition;       // 1..3
    std::optional<int> shita;            // 1..6 or a custom id
    std::optional<int> width;            // month: terminal columns
};

// Reads the words after the program name. Options may stand before or after the command,
// as "--name value" or "--name=value"; "--" ends the options. Throws CliError (usage).
CLI_ARGS ParseArgs(const std::vector<std::string>& words);

// The command's name as it is typed ("day"), for messages.
const char* CommandName(Command command);

} // namespace vessant::cli
