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
    // A list of uniform rows measures its first row at every layout, which lays the row's
    // text out: plain rows are measured once and their size kept.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // How many rows were drawn into a picture.
    int RowsDrawn() const { return drawn_; }
    // How many rows were measured.
    int RowsMeasured() const { return measured_; }

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

    struct Measure {
        QString text;
        QString font;
        QSize decoration;
        int width;
        Qt::Alignment alignment;
        QStyle::State state;
        const QStyle* style;
        QSize size;
        bool Fits(const Measure& other) const;
    };

    QAbstractItemView& view_;
    mutable std::vector<Row> rows_;
    mutable std::vector<Measure> measures_;
    mutable int drawn_ = 0;
    mutable int measured_ = 0;
};

}  // namespace bytelora
