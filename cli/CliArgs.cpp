#include "cli/CliArgs.h"

#include "cli/CliText.h"
#include "cli/CliTextIds.h"
#include "zmanim/Shita.h"

#include <charconv>
#include <initializer_list>
#include <string_view>

namespace vessant::cli {
namespace {

struct COMMAND_NAME {
    const char* name;
    Command command;
};

constexpr COMMAND_NAME kCommands[] = {
    {"day", Command::Day},       {"month", Command::Month},   {"year", Command::Year},
    {"zmanim", Command::Zmanim}, {"export", Command::Export}, {"help", Command::Help},
    {"version", Command::Version},
};

enum class Value { None, Text, Number };

// Which commands take an option; an empty list: every command.
struct OPTION {
    const char* name;
    const char* shortName;
    Value value;
    std::initializer_list<Command> commands;
};

const OPTION kOptions[] = {
    {"--help", "-h", Value::None, {}},
    {"--place", nullptr, Value::Text, {Command::Day, Command::Month, Command::Zmanim, Command::Export}},
    {"--row", nullptr, Value::Text, {Command::Day, Command::Month, Command::Zmanim, Command::Export}},
    {"--clock", nullptr, Value::Number, {Command::Day, Command::Month, Command::Zmanim, Command::Export}},
    {"--lang", nullptr, Value::Number, {}},
    {"--rite", nullptr, Value::Number, {Command::Day, Command::Month}},
    {"--transition", nullptr, Value::Number, {}},
    {"--json", nullptr, Value::None, {Command::Day, Command::Year, Command::Zmanim}},
    {"--hebrew", nullptr, Value::None, {Command::Month}},
    {"--civil", nullptr, Value::None, {Command::Month}},
    {"--width", nullptr, Value::Number, {Command::Month}},
    {"--shita", nullptr, Value::Number, {Command::Day, Command::Zmanim}},
    {"--all", nullptr, Value::None, {Command::Zmanim}},
    {"--year", nullptr, Value::Number, {Command::Export}},
    {"--date", nullptr, Value::Text, {Command::Export}},
    {"--output", "-o", Value::Text, {Command::Export}},
};

const OPTION* FindOption(std::string_view word) {
    for (const OPTION& option : kOptions)
        if (word == option.name || (option.shortName && word == option.shortName))
            return &option;
    return nullptr;
}

int NumberValue(const std::string& option, const std::string& text) {
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (!text.empty() && *first == '+')
        ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last)
        UsageError(Say(kIdErrNotANumber, {Wide(option), Wide(text)}));
    return value;
}

void CheckRange(const std::string& option, int value, int low, int high) {
    if (value < low || value > high)
        UsageError(Say(kIdErrOutOfRange, {Wide(option), low, high, value}));
}

void Store(CLI_ARGS& args, const std::string& name, const std::string& text) {
    if (name == "--place") args.place = text;
    else if (name == "--row") args.row = text;
    else if (name == "--date") args.date = text;
    else if (name == "--output") args.output = text;
    else if (name == "--clock") {
        const int clock = NumberValue(name, text);
        if (clock != 12 && clock != 24)
            UsageError(Say(kIdErrClock, {Wide(text)}));
        args.clock = clock;
    } else if (name == "--lang") {
        args.language = NumberValue(name, text);
        CheckRange(name, *args.language, 0, 0x3FF);
    } else if (name == "--rite") {
        args.rite = NumberValue(name, text);
        CheckRange(name, *args.rite, 0, 3);
    } else if (name == "--transition") {
        args.transition = NumberValue(name, text);
        CheckRange(name, *args.transition, 1, 3);
    } else if (name == "--year") {
        args.year = NumberValue(name, text);
        CheckRange(name, *args.year, 1, 9999);
    } else if (name == "--shita") {
        args.shita = NumberValue(name, text);
        if (!IsShitaId(*args.shita))
            UsageError(Say(kIdErrShitaOption, {Wide(text)}));
    } else if (name == "--width") {
        args.width = NumberValue(name, text);
        CheckRange(name, *args.width, 36, 1000);
    }
}

void SetFlag(CLI_ARGS& args, const std::string& name) {
    if (name == "--help") args.help = true;
    else if (name == "--json") args.json = true;
    else if (name == "--hebrew") args.hebrewMonth = true;
    else if (name == "--civil") args.civilMonth = true;
    else if (name == "--all") args.allZmanim = true;
}

bool Allows(const OPTION& option, Command command) {
    if (option.commands.size() == 0)
        return true;
    for (const Command c : option.commands)
        if (c == command)
            return true;
    return false;
}

} // namespace

const char* CommandName(Command command) {
    for (const COMMAND_NAME& c : kCommands)
        if (c.command == command)
            return c.name;
    return "";
}

CLI_ARGS ParseArgs(const std::vector<std::string>& words) {
    CLI_ARGS args;
    struct SEEN {
        const OPTION* option;
        std::string typed;
    };
    std::vector<SEEN> seen;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        const bool looksLikeOption = !optionsEnded && word.size() > 1 && word[0] == '-' &&
                                     !(word[1] >= '0' && word[1] <= '9');
        if (!optionsEnded && word == "--") {
            optionsEnded = true;
            continue;
        }
        if (!looksLikeOption) {
            if (args.command == Command::None && !optionsEnded) {
                for (const COMMAND_NAME& c : kCommands)
                    if (word == c.name)
                        args.command = c.command;
                if (args.command == Command::None)
                    UsageError(Say(kIdErrUnknownCommand, {Wide(word)}));
                args.commandName = word;
                continue;
            }
            args.positional.push_back(word);
            continue;
        }
        if (word == "--version") {
            if (args.command == Command::None)
                args.command = Command::Version;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OPTION* option = FindOption(name);
        if (!option)
            UsageError(Say(kIdErrUnknownOption, {Wide(name)}));
        const std::string canonical = option->name;
        if (option->value == Value::None) {
            if (equals != std::string::npos)
                UsageError(Say(kIdErrTakesNoValue, {Wide(canonical)}));
            SetFlag(args, canonical);
        } else {
            std::string value;
            if (equals != std::string::npos) {
                value = word.substr(equals + 1);
            } else {
                if (i + 1 >= words.size())
                    UsageError(Say(kIdErrNeedsValue, {Wide(name)}));
                value = words[++i];
            }
            Store(args, canonical, value);
        }
        seen.push_back({option, name});
    }

    if (args.command == Command::Help) {
        args.help = true;
        // "help day" asks for the help of the command named.
        if (!args.positional.empty()) {
            Command target = Command::None;
            for (const COMMAND_NAME& c : kCommands)
                if (args.positional[0] == c.name)
                    target = c.command;
            if (target == Command::None || target == Command::Help || target == Command::Version)
                UsageError(Say(kIdErrNoHelp, {Wide(args.positional[0])}));
            args.command = target;
            args.commandName = args.positional[0];
            args.positional.clear();
        } else {
            args.command = Command::None;
        }
        return args;
    }
    if (args.help || args.command == Command::Version)
        return args;
    if (args.command == Command::None)
        UsageError(Say(kIdErrNoCommand));

    for (const SEEN& s : seen)
        if (!Allows(*s.option, args.command))
            UsageError(Say(kIdErrNotOptionOf, {Wide(s.typed), Wide(args.commandName)}));
    if (args.place && args.row)
        UsageError(Say(kIdErrPlaceAndRow));
    if (args.hebrewMonth && args.civilMonth)
        UsageError(Say(kIdErrHebrewAndCivil));
    if (args.year && args.date)
        UsageError(Say(kIdErrYearAndDate));
    if (args.command == Command::Export && !args.positional.empty())
        UsageError(Say(kIdErrExportWords));
    return args;
}

} // namespace vessant::cli
