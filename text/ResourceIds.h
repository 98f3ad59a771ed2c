#pragma once
// String-resource ids that more than one program or module asks for by number. Ids that
// one program alone uses stay with it (cli/CliTextIds.h); a language module may replace the
// text of any of them.

namespace vessant {

// "Vessant 3": the application title, which also names the per-user data folder.
inline constexpr int kIdApplicationTitle = 57344;

} // namespace vessant
