// Every page of the manual renders, and every link in it reaches a page or picture the
// viewer carries, except the one page the contents names without carrying it.

#include "helpviewer/HelpBrowser.h"
#include "helpviewer/HelpPages.h"
#include "helpviewer/tests/HelpTestApp.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>

namespace vessant::help {
namespace {

constexpr char kKnownMissingPage[] = "zmanim-shitot.htm";

const QStringList kManualPages = {
    "contents.htm", "general.htm", "history.htm", "registration.htm", "websites.htm", "author.htm",
    "locations.htm", "shitot.htm", "add-events.htm", "reminders.htm", "printing.htm", "calendar.htm",
    "earliest.htm", "birthday.htm", "yahrzeit.htm", "yom-haatzmaut.htm", "yom-hashoah.htm",
    "shealat-hageshem.htm", "tanach_yomi.htm", "misc-terms.htm", "zmanim-introduction.htm",
    "zmanim-times.htm", "zmanim-precision.htm", "zmanim-dst.htm", "zmanim-erevpesach.htm", "computing.htm"};

// The link targets of the document shown, as written in the page.
QStringList LinksOf(const QTextDocument& document) {
    QStringList links;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor() && !format.anchorHref().isEmpty() && !links.contains(format.anchorHref()))
                links.append(format.anchorHref());
        }
    return links;
}

QString Source(const QString& page) {
    QFile file(FindHelpResource(page));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class HelpPagesTest : public ::testing::Test {
protected:
    void SetUp() override { testing::TestApplication(); }
};

TEST_F(HelpPagesTest, TheViewerCarriesTheManualAndNothingElse) {
    QStringList carried = HelpPageNames();
    QStringList expected = kManualPages;
    carried.sort();
    expected.sort();
    EXPECT_EQ(carried, expected);
    EXPECT_FALSE(FindHelpResource(QStringLiteral("author.png")).isEmpty());
    EXPECT_TRUE(FindHelpResource(QString::fromLatin1(kKnownMissingPage)).isEmpty());
}

TEST_F(HelpPagesTest, EveryPageRendersAndEveryLinkReachesItsTarget) {
    QSet<QString> linkedFromContents;
    for (const QString& page : kManualPages) {
        SCOPED_TRACE(page.toStdString());
        CHelpBrowser browser;
        browser.ShowPage(page);
        ASSERT_FALSE(browser.ShowingMissingPage());
        EXPECT_FALSE(browser.documentTitle().isEmpty());
        EXPECT_GT(browser.toPlainText().size(), 300);
        const QStringList links = LinksOf(*browser.document());
        if (page != QLatin1String("contents.htm")) {
            EXPECT_TRUE(links.contains(QStringLiteral("contents.htm"))) << "no way back to the contents";
        }
        for (const QString& link : links) {
            SCOPED_TRACE(link.toStdString());
            EXPECT_FALSE(link.startsWith(QLatin1String("app:"), Qt::CaseInsensitive)) << "shipped pages run no commands";
            const QUrl target = browser.source().resolved(QUrl(link));
            const bool knownMissing = target.fileName() == QLatin1String(kKnownMissingPage);
            EXPECT_TRUE(knownMissing || !FindHelpResource(target.path()).isEmpty());
            if (page == QLatin1String("contents.htm"))
                linkedFromContents.insert(target.fileName());
        }
        // Pictures: every <img> is carried and decodes.
        static const QRegularExpression image(QStringLiteral("<img src=\"([^\"]+)\""));
        auto it = image.globalMatch(Source(page));
        while (it.hasNext()) {
            const QString src = it.next().captured(1);
            const QVariant data = browser.loadResource(QTextDocument::ImageResource, browser.source().resolved(QUrl(src)));
            EXPECT_FALSE(QImage::fromData(data.toByteArray()).isNull()) << src.toStdString();
        }
    }
    for (const QString& page : kManualPages) {
        if (page != QLatin1String("contents.htm")) {
            EXPECT_TRUE(linkedFromContents.contains(page)) << page.toStdString() << " is not in the contents";
        }
    }
    EXPECT_TRUE(linkedFromContents.contains(QString::fromLatin1(kKnownMissingPage)));
}

TEST_F(HelpPagesTest, NamesAreFoundWithoutRegardToCase) {
    for (const char* name : {"YAHRZEIT.HTM", "Yahrzeit.htm", "yahrzeit.htm", "qrc:/help/YAHRZEIT.HTM", "Author.PNG"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(FindHelpResource(QUrl(QString::fromLatin1(name)).path()).isEmpty());
    }
    CHelpBrowser browser;
    browser.ShowPage(QStringLiteral("CONTENTS.HTM"));
    browser.ShowPage(QStringLiteral("Yom-Hashoah.HTM"));
    EXPECT_FALSE(browser.ShowingMissingPage());
    EXPECT_TRUE(browser.toPlainText().contains(QStringLiteral("Yom Hashoah")));
}

TEST_F(HelpPagesTest, AMissingPageShowsAnErrorPageNamingIt) {
    CHelpBrowser browser;
    browser.ShowPage(QString::fromLatin1(kContentsPage));
    browser.ShowPage(QString::fromLatin1(kKnownMissingPage));
    EXPECT_TRUE(browser.ShowingMissingPage());
    EXPECT_TRUE(browser.toPlainText().contains(QString::fromLatin1(kKnownMissingPage)));
    EXPECT_TRUE(LinksOf(*browser.document()).contains(QString::fromLatin1(kContentsPage)));
}

} // namespace
} // namespace vessant::help
