#pragma once
// The commands of vessant. Each writes its result to `out` and returns the exit status;
// problems are thrown as CliError.

#include "cli/CliArgs.h"
#include "cli/CliContext.h"
#include "calendar/DateStruct.h"

#include <cstdio>
#include <string>

namespace vessant::cli {

// Where a command's result goes: standard output in the program, a string in tests.
class COutput {
public:
    virtual ~COutput() = default;
    virtual void Write(std::string_view bytes) = 0;
};

int RunDay(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out);
int RunMonth(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out);
int RunYear(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out);
int RunZmanim(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out);
int RunExport(const CLI_ARGS& args, const CLI_CONTEXT& context, COutput& out);

// The help of the program (Command::None) or of one command.
std::string HelpText(Command command);

// The date the command's words name, or today; throws CliError (usage) when malformed.
DATE_STRUCT DateOfWords(const std::vector<std::string>& words, const CLI_CONTEXT& context);

// Runs a whole command line (the words after the program name): the one entry point of
// the program. Problems are written as one line "vessant: ..." to `err`.
int RunCli(const std::vector<std::string>& words, COutput& out, COutput& err);

} // namespace vessant::cli
