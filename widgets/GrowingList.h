#pragma once

#include <QSize>
#include <QString>
#include <QTreeWidget>

class QStyle;

namespace bytelora {

// A list that grows at its end, as the snapshot list does. After rows are added, a plain
// list lays its rows out again and repaints every row it shows and its header, although
// rows added below the last one shown change nothing on screen. This one, when rows were
// only added at the end and the list still shows the same rows in the same place,
// repaints only the added rows that are in view (and the row before them); any other
// change repaints as a plain list does.
class GrowingList : public QTreeWidget {
    Q_OBJECT

  public:
    explicit GrowingList(QWidget* parent = nullptr);
    ~GrowingList() override;
    void doItemsLayout() override;
    // How many layouts repainted only the added rows.
    int NarrowRepaints() const { return narrowRepaints_; }

  private:
    // What decides where the rows lie on screen.
    struct Placement {
        QSize viewport;
        int vertical = 0;
        int horizontal = 0;
        int headerOffset = 0;
        int headerLength = 0;
        QString font;
        const QStyle* style = nullptr;
        bool operator==(const Placement&) const = default;
    };
    Placement Now() const;
    void OnRowsInserted(const QModelIndex& parent, int first, int last);
    void RepaintFrom(int row);

    static constexpr int kNoneAdded = -1;
    int addedFrom_ = kNoneAdded;
    bool changedOtherwise_ = true;
    Placement laidOut_;
    int narrowRepaints_ = 0;
};

}  // namespace bytelora
