#include "app/ui/HtmlList.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QResizeEvent>
#include <QStyledItemDelegate>
#include <QTextDocument>

namespace vessant::ui {
namespace {

// Paints an item of the list from the list's rendered document.
class CHtmlItemDelegate : public QStyledItemDelegate {
public:
    explicit CHtmlItemDelegate(CHtmlList* list) : QStyledItemDelegate(list), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const int row = index.row();
        if (row < 0 || row >= list_->Count())
            return;
        const QRect r = option.rect;
        const bool rtl = option.direction == Qt::RightToLeft;
        const int imageX = rtl ? r.right() - CHtmlList::kMargin - CHtmlList::kImageSize : r.left() + CHtmlList::kMargin;
        list_->Image(row).paint(painter, QRect(imageX, r.top() + CHtmlList::kMargin, CHtmlList::kImageSize,
                                               CHtmlList::kImageSize));
        painter->save();
        painter->translate(rtl ? r.left() : r.left() + CHtmlList::kTextIndent, r.top());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette.setColor(QPalette::Text, Qt::black);
        context.clip = QRectF(0, 0, r.width() - CHtmlList::kTextIndent, r.height());
        list_->Document(row).documentLayout()->draw(painter, context);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const override {
        const int row = index.row();
        if (row < 0 || row >= list_->Count())
            return {};
        const int height = static_cast<int>(list_->Document(row).size().height() + 0.5);
        return {list_->viewport()->width(), std::max(height, CHtmlList::kImageSize + 2 * CHtmlList::kMargin) + 2};
    }

private:
    CHtmlList* list_;
};

} // namespace

QString NormalisedMarkup(const QString& markup) {
    static const QRegularExpression bareColour(
        QStringLiteral("(<font\\s+color\\s*=\\s*)([0-9A-Fa-f]{6})(?=[\\s>])"));
    QString out = markup;
    out.replace(bareColour, QStringLiteral("\\1#\\2"));
    return out;
}

CHtmlList::CHtmlList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new CHtmlItemDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setUniformItemSizes(false);
    setResizeMode(QListView::Adjust);
    // The items' colours are chosen for a white ground, whatever the desktop's theme.
    QPalette ground = palette();
    ground.setColor(QPalette::Base, Qt::white);
    ground.setColor(QPalette::Text, Qt::black);
    setPalette(ground);
}

CHtmlList::~CHtmlList() = default;

void CHtmlList::SetEntries(std::vector<ENTRY> entries) {
    clear();
    entries_ = std::move(entries);
    documents_.clear();
    documents_.reserve(entries_.size());
    for (const ENTRY& entry : entries_) {
        auto document = std::make_unique<QTextDocument>();
        document->setDocumentMargin(CHtmlList::kMargin);
        document->setDefaultFont(font());
        QTextOption option = document->defaultTextOption();
        option.setTextDirection(layoutDirection());
        document->setDefaultTextOption(option);
        document->setHtml(NormalisedMarkup(entry.markup));
        documents_.push_back(std::move(document));
        addItem(QString());
    }
    Relayout();
}

QString CHtmlList::PlainText(int row) const {
    QString text = Document(row).toPlainText();
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

void CHtmlList::Relayout() {
    const qreal width = std::max(20, viewport()->width() - kTextIndent);
    for (const auto& document : documents_)
        document->setTextWidth(width);
    doItemsLayout();
    viewport()->update();
}

void CHtmlList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    Relayout();
}

void CHtmlList::changeEvent(QEvent* event) {
    QListWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LayoutDirectionChange) {
        for (const auto& document : documents_) {
            document->setDefaultFont(font());
            QTextOption option = document->defaultTextOption();
            option.setTextDirection(layoutDirection());
            document->setDefaultTextOption(option);
        }
        Relayout();
    }
}

} // namespace vessant::ui
