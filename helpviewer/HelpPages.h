#pragma once
// The pages and picture compiled into the viewer. Links between pages are plain file
// names; they are found among the resources without regard to letter case, so a link
// written "Yahrzeit.htm" reaches "yahrzeit.htm".

#include <QString>
#include <QStringList>
#include <QUrl>

namespace vessant::help {

inline constexpr char kContentsPage[] = "contents.htm";

// The resource path (":/help/...") of a page or picture name, in any letter case, with or
// without a folder in front; empty when the viewer does not carry it.
QString FindHelpResource(const QString& name);

// The address the browser shows for a page name: resolving relative links against it
// keeps them among the viewer's resources.
QUrl HelpPageUrl(const QString& name);

// The file names (lower case) of every page the viewer carries, ".htm" files only.
QStringList HelpPageNames();

// The error page shown in place of a page the viewer does not carry.
QString MissingPageHtml(const QString& name);

} // namespace vessant::help
