#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>

#include "common/RateUnits.h"

namespace bytelora {

// The small meter, "Rates Window": a frameless window above all others that shows the
// download (↓) and upload (↑) rates and, when asked, the last minute of the strip chart
// under them. It is dragged anywhere with the left button; a double-click asks for the
// main window and a right-click for the tray menu. Sizes follow the font, so the meter
// grows with the screen's DPI; the arrows and the chart take the graph window's colours,
// the text and the background the system palette's.
class RatesWindow : public QWidget {
    Q_OBJECT

  public:
    // How long the meter waits after the last move of a drag before it reports its place:
    // a drag moves it many times a second, and the place is stored once.
    static constexpr int kPlaceSettleMs = 400;

    RatesWindow();

    // Rates in bytes per second. Repainted only when a text changed.
    void SetRates(double downloadBytesPerSecond, double uploadBytesPerSecond);
    void SetUnits(RateUnits units);
    RateUnits Units() const { return units_; }
    const QString& DownloadText() const { return downloadText_; }
    const QString& UploadText() const { return uploadText_; }

    // The strip chart's image, asked for at each paint; the meter shows its newest columns.
    void SetChartSource(std::function<const QImage*()> source) { chart_ = std::move(source); }
    void ShowChart(bool on);
    bool ShowsChart() const { return showChart_; }
    // A new column was drawn: repainted while the chart is shown.
    void ChartChanged();

    // Puts the top-left corner at `corner` (the stored place), or near the top-right
    // corner of the primary screen when there is none, in either case wholly on a screen
    // that exists now.
    void PlaceAt(std::optional<QPoint> corner);

  signals:
    void ShowMainRequested();
    void MenuRequested(QPoint globalPosition);
    // The user moved the meter to here; it has stood still since.
    void PlaceChosen(QPoint corner);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Sizes the meter for its font, its units and the chart.
    void FitContents();
    QRect ChartRect() const;

    RateUnits units_ = RateUnits::Bytes;
    double download_ = 0.0;
    double upload_ = 0.0;
    QString downloadText_;
    QString uploadText_;
    std::function<const QImage*()> chart_;
    bool showChart_ = false;

    // The drag: where the button went down, relative to the meter, while it is held.
    std::optional<QPoint> grip_;
    bool dragging_ = false;
    bool movedByUser_ = false;
    QTimer placeSettled_;
};

}  // namespace bytelora
