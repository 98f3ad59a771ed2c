#include "helpviewer/HelpTexts.h"

#include <algorithm>
#include <iterator>

namespace vessant::help {
namespace {

struct TextEntry {
    int id;
    const char16_t* text;
};

constexpr TextEntry kTexts[] = {
    {kIdAboutMenuItem, u"&About Vessant3Help..."},
    {kIdWindowTitle, u"Vessant3 Help"},
    {kIdContents, u"Contents"},
    {kIdBack, u"Back"},
    {kIdForwardTip, u"Forward"},
    {kIdPrint, u"Print"},
    {kIdAbout, u"About"},
    {kIdClose, u"Close"},
    {kIdContentsTip, u"Show the table of contents"},
    {kIdBackTip, u"Go back to the previous page"},
    {kIdPrintTip, u"Print this page"},
    {kIdAboutTip, u"About this help program"},
    {kIdCloseTip, u"Close the help"},
    {kIdAboutTitle, u"About Vessant3Help"},
    {kIdAboutVersion, u"Vessant3Help Version 1.00"},
    {kIdAboutComponents,
     u"Built with:\n"
     u"  Qt Widgets (window, buttons, message boxes)\n"
     u"  QTextBrowser (shows the pages)\n"
     u"  Qt Print Support (printing and PDF)\n"
     u"  Qt Network local sockets (one window at a time)"},
    {kIdAboutManual, u"The manual of the Vessant 3 calendar. Its pages are carried inside this program."},
    {kIdUnexpectedCommand, u"Unexpected Command"},
    {kIdPrintTitle, u"Print Help Page"},
    {kIdMissingPageTitle, u"Page not found"},
    {kIdMissingPageText, u"The page \"%1\" is not part of this help."},
    {kIdMissingPageHint, u"Use Back to return to the page you came from, or go to the contents."},
    {kIdMissingPageLink, u"Contents"},
};

constexpr bool IdsUnique() {
    for (std::size_t i = 0; i < std::size(kTexts); ++i)
        for (std::size_t j = i + 1; j < std::size(kTexts); ++j)
            if (kTexts[i].id == kTexts[j].id)
                return false;
    return true;
}
static_assert(IdsUnique(), "two help texts share an id");

} // namespace

QString HelpText(int id) {
    const auto* found = std::find_if(std::begin(kTexts), std::end(kTexts),
                                     [id](const TextEntry& entry) { return entry.id == id; });
    return found == std::end(kTexts) ? QString() : QString::fromUtf16(found->text);
}

} // namespace vessant::help
