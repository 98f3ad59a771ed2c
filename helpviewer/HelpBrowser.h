#pragma once
// The browser of the help window: shows the viewer's own pages, finds link targets among
// them without regard to letter case, and shows an error page, which history keeps like
// any page, for a target the viewer does not carry. It follows no link itself: the
// window decides what a click does.

#include <QTextBrowser>

namespace vessant::help {

class CHelpBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit CHelpBrowser(QWidget* parent = nullptr);

    // Shows a page by name ("contents.htm") or by any address relative to the current page.
    void ShowPage(const QString& name);
    // The lower-case file name of the page shown.
    QString CurrentPageName() const;
    // True when the page shown is the error page of a missing page.
    bool ShowingMissingPage() const { return missing_; }

    QVariant loadResource(int type, const QUrl& name) override;

private:
    bool missing_ = false;
};

} // namespace vessant::help
