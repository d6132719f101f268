#include "widgets/RowImageDelegate.h"

#include <QAbstractItemView>
#include <QPainter>

#include <algorithm>

#include "widgets/PaintCache.h"

namespace bytelora {
namespace {

// A screenful of the snapshot list and a few more.
constexpr std::size_t kRowsKept = 8;

}  // namespace

RowImageDelegate::RowImageDelegate(QAbstractItemView& view)
    : QStyledItemDelegate(&view), view_(view) {}

bool RowImageDelegate::Plain(const QPainter& painter, const QStyleOptionViewItem& item) const {
    // A selected row lies over the row's own highlight, which the view draws first.
    const QStyleOptionViewItem::ViewItemFeatures extras =
        item.features & ~QStyleOptionViewItem::ViewItemFeatures(QStyleOptionViewItem::HasDisplay);
    return !(item.state & QStyle::State_Selected) && extras == 0 &&
           item.backgroundBrush.style() == Qt::NoBrush &&
           painter.transform().type() <= QTransform::TxTranslate &&
           PaintCache::Usable(*view_.viewport()) && !item.rect.isEmpty();
}

const QImage& RowImageDelegate::Picture(const QPainter& painter, const QStyleOptionViewItem& option,
                                        const QStyleOptionViewItem& item,
                                        const QModelIndex& index) const {
    // Whether a later row follows tells the view how to draw its branch lines; the row
    // itself looks the same either way.
    const QStyle::State state = item.state & ~QStyle::State_Sibling;
    const qint64 palette = item.palette.cacheKey();
    const QString font = item.font.key();
    for (auto it = rows_.begin(); it != rows_.end(); ++it) {
        if (it->text == item.text && it->size == item.rect.size() && it->state == state &&
            it->palette == palette && it->font == font) {
            std::rotate(it, it + 1, rows_.end());
            return rows_.back().image;
        }
    }
    const QWidget& viewport = *view_.viewport();
    QImage image = ScreenImage(viewport, item.rect.size());
    // What the view has drawn under the row: its background.
    image.fill(viewport.palette().color(viewport.backgroundRole()));
    {
        QPainter into(&image);
        into.translate(-item.rect.topLeft());
        into.setFont(painter.font());
        into.setPen(painter.pen());
        into.setBrush(painter.brush());
        into.setRenderHints(painter.renderHints());
        QStyledItemDelegate::paint(&into, option, index);
    }
    ++drawn_;
    if (rows_.size() >= kRowsKept) rows_.erase(rows_.begin());
    rows_.push_back({item.text, item.rect.size(), state, palette, font, std::move(image)});
    return rows_.back().image;
}

bool RowImageDelegate::Measure::Fits(const Measure& other) const {
    return text == other.text && font == other.font && decoration == other.decoration &&
           width == other.width && alignment == other.alignment && state == other.state &&
           style == other.style;
}

QSize RowImageDelegate::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QStyleOptionViewItem::ViewItemFeatures extras =
        item.features & ~QStyleOptionViewItem::ViewItemFeatures(QStyleOptionViewItem::HasDisplay);
    if (extras != 0 || index.data(Qt::SizeHintRole).isValid()) {
        return QStyledItemDelegate::sizeHint(option, index);
    }
    Measure wanted{item.text,
                   item.font.key(),
                   item.decorationSize,
                   item.rect.width(),
                   item.displayAlignment,
                   item.state,
                   item.widget != nullptr ? item.widget->style() : view_.style(),
                   QSize()};
    for (auto it = measures_.begin(); it != measures_.end(); ++it) {
        if (!it->Fits(wanted)) continue;
        std::rotate(it, it + 1, measures_.end());
        return measures_.back().size;
    }
    wanted.size = QStyledItemDelegate::sizeHint(option, index);
    ++measured_;
    if (measures_.size() >= kRowsKept) measures_.erase(measures_.begin());
    measures_.push_back(std::move(wanted));
    return measures_.back().size;
}

void RowImageDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    if (!Plain(*painter, item)) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    painter->drawImage(item.rect.topLeft(), Picture(*painter, option, item, index));
}

}  // namespace bytelora
