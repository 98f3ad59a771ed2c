#pragma once
// The help window "Vessant3 Help": a fixed-size window with a row of buttons (Contents,
// Back, forward, Print, About, a picture, Close) over the browser of the pages.

#include <QDialog>

#include <map>

class QPrinter;
class QPushButton;

namespace vessant::help {

class CHelpBrowser;

// Control numbers of the window.
enum HelpControl : int {
    kControlClose = 1,
    kControlFrame = 1000,
    kControlPrint = 1001,
    kControlContents = 1002,
    kControlAbout = 1003,
    kControlBack = 1004,
    kControlForward = 1005,
};

// What an "app:" link did.
enum class AppCommandResult { Minimised, Beeped, Asked };

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);

    CHelpBrowser* Browser() const { return browser_; }
    QPushButton* Button(int control) const;

    // Runs a button's command.
    void RunCommand(int control);
    // The command of an "app:" link: the text after "app:".
    AppCommandResult RunAppCommand(const QString& command);
    // Follows a link of a page: "app:" commands run, pages open in the browser, web and
    // mail addresses go to the desktop's own programs.
    void FollowLink(const QUrl& url);
    // Prints the page shown on a printer that is already set up (a PDF file, say).
    void PrintPage(QPrinter& printer);
    // Another start of the viewer asked for this window: restore it when minimised and
    // bring it, then the box open over it if any, to the front.
    void BringToFront();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QPushButton* AddButton(int control, int image, int textId, int tipId, const QRect& place);
    void Print();
    void ShowAbout();

    CHelpBrowser* browser_ = nullptr;
    std::map<int, QPushButton*> buttons_;
};

} // namespace vessant::help
