#pragma once

#include <QImage>
#include <QStyledItemDelegate>

#include <vector>

class QAbstractItemView;

namespace bytelora {

// A list repaints every row it shows whenever a row is added, and lays each row's text out
// again to do it. This delegate keeps the picture of the last few plain rows (text only,
// not selected), so that such a repaint copies them; any other row is drawn as usual.
class RowImageDelegate final : public QStyledItemDelegate {
    Q_OBJECT

  public:
    explicit RowImageDelegate(QAbstractItemView& view);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    // How many rows were drawn into a picture.
    int RowsDrawn() const { return drawn_; }

  private:
    struct Row {
        QString text;
        QSize size;
        QStyle::State state;
        qint64 palette;
        QString font;
        QImage image;
    };
    bool Plain(const QPainter& painter, const QStyleOptionViewItem& item) const;
    const QImage& Picture(const QPainter& painter, const QStyleOptionViewItem& option,
                          const QStyleOptionViewItem& item, const QModelIndex& index) const;

    QAbstractItemView& view_;
    mutable std::vector<Row> rows_;
    mutable int drawn_ = 0;
};

}  // namespace bytelora
