#include "helpviewer/HelpBrowser.h"

#include "helpviewer/HelpPages.h"

#include <QFile>
#include <QTextDocument>

namespace vessant::help {

CHelpBrowser::CHelpBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("helpBrowser"));
    setOpenLinks(false);
    setOpenExternalLinks(false);
}

void CHelpBrowser::ShowPage(const QString& name) {
    const QUrl url = source().isEmpty() ? HelpPageUrl(name) : source().resolved(QUrl(name));
    setSource(url);
}

QString CHelpBrowser::CurrentPageName() const {
    return source().fileName().toLower();
}

QVariant CHelpBrowser::loadResource(int type, const QUrl& name) {
    const QString path = FindHelpResource(name.path());
    QByteArray data;
    if (!path.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
    }
    if (type != QTextDocument::HtmlResource)
        return data.isEmpty() ? QVariant() : QVariant(data);
    missing_ = data.isEmpty();
    return missing_ ? MissingPageHtml(name.fileName()) : QString::fromUtf8(data);
}

} // namespace vessant::help
