#include "helpviewer/HelpPages.h"

#include "helpviewer/HelpTexts.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QMap>

namespace vessant::help {
namespace {

constexpr char kResourceFolder[] = ":/help";
constexpr char kUrlFolder[] = "qrc:/help/";

// Lower-case file name to resource path, read once from the compiled-in resources.
const QMap<QString, QString>& ResourceIndex() {
    static const QMap<QString, QString> index = [] {
        QMap<QString, QString> names;
        QDirIterator it(QString::fromLatin1(kResourceFolder), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            names.insert(QFileInfo(path).fileName().toLower(), path);
        }
        return names;
    }();
    return index;
}

} // namespace

QString FindHelpResource(const QString& name) {
    const QString fileName = name.section(QLatin1Char('/'), -1).toLower();
    return ResourceIndex().value(fileName);
}

QUrl HelpPageUrl(const QString& name) {
    return QUrl(QString::fromLatin1(kUrlFolder) + name);
}

QStringList HelpPageNames() {
    QStringList pages;
    for (const QString& name : ResourceIndex().keys())
        if (name.endsWith(QLatin1String(".htm")))
            pages.append(name);
    return pages;
}

QString MissingPageHtml(const QString& name) {
    return QStringLiteral("<html><head><title>%1</title></head><body>"
                          "<h2>%1</h2><p>%2</p><p>%3</p><p><a href=\"%4\">%5</a></p>"
                          "</body></html>")
        .arg(HelpText(kIdMissingPageTitle).toHtmlEscaped(),
             HelpText(kIdMissingPageText).arg(name).toHtmlEscaped(),
             HelpText(kIdMissingPageHint).toHtmlEscaped(), QString::fromLatin1(kContentsPage),
             HelpText(kIdMissingPageLink).toHtmlEscaped());
}

} // namespace vessant::help
