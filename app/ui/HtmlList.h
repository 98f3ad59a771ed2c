#pragma once
// The list of the details panels: each item one text in a small mark-up ("<br>",
// "<font color=...>", as Qt rich text renders it) beside a 16 x 16 image. An item may end
// inside an open font tag, and a colour may be written without its "#"; the list reads
// both as meant.

#include <QIcon>
#include <QListWidget>
#include <QString>

#include <memory>
#include <vector>

class QTextDocument;

namespace vessant::ui {

// The mark-up as Qt reads it: a colour of six hexadecimal digits without "#" gets one.
QString NormalisedMarkup(const QString& markup);

class CHtmlList : public QListWidget {
    Q_OBJECT
public:
    explicit CHtmlList(QWidget* parent = nullptr);
    ~CHtmlList() override;

    // Replaces every item. images[i] is the image of image number i.
    struct ENTRY {
        QIcon image;
        QString markup;
    };
    void SetEntries(std::vector<ENTRY> entries);

    int Count() const { return static_cast<int>(entries_.size()); }
    const QString& Markup(int row) const { return entries_[static_cast<std::size_t>(row)].markup; }
    // The text as rendered, each "<br>" a line break.
    QString PlainText(int row) const;
    // The rendered item, for painting and for tests that read its colours.
    const QTextDocument& Document(int row) const { return *documents_[static_cast<std::size_t>(row)]; }
    const QIcon& Image(int row) const { return entries_[static_cast<std::size_t>(row)].image; }

    static constexpr int kImageSize = 16;
    static constexpr int kMargin = 3;
    // Where an item's text begins, past the image.
    static constexpr int kTextIndent = kImageSize + 2 * kMargin;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Relayout();

    std::vector<ENTRY> entries_;
    std::vector<std::unique_ptr<QTextDocument>> documents_;
};

} // namespace vessant::ui
