#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

#include <functional>

namespace bytelora {

class ErrorReporter;

// The drawing surface of the graph window: shows the strip chart's image at its top-left
// corner on the system window-text colour.
class GraphSurface : public QWidget {
    Q_OBJECT

  public:
    explicit GraphSurface(QWidget* parent);

    void SetImage(const QImage* image) { image_ = image; }
    const QImage* Image() const { return image_; }
    // Asked for the image at each paint, in place of the one set: a chart that draws its
    // steps only when looked at brings its image up to date there.
    void SetImageSource(std::function<const QImage*()> source) { source_ = std::move(source); }
    void SetMouseMoveHandler(std::function<void()> handler) { onMouseMove_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    const QImage* image_ = nullptr;
    std::function<const QImage*()> source_;
    std::function<void()> onMouseMove_;
};

// The graph window, "Bandwidth Graph": one for the life of the program, created hidden
// by the main window. Closing it only hides it; it keeps its place and its chart.
class GraphWindow : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 324;    // 4860 twips
    static constexpr int kClientHeight = 226;   // 3390 twips
    static constexpr int kSurfaceWidth = 324;   // 4860 twips
    static constexpr int kSurfaceHeight = 225;  // 3375 twips

    // chart: the strip chart's image, owned by the caller and kept alive as long as the
    // window (may be null until there is one). Runs the window's load handler.
    GraphWindow(ErrorReporter& reporter, const QImage* chart, const QIcon& programIcon);

    GraphSurface* surface = nullptr;

    void SetChart(const QImage* chart);
    // The chart's image changed: repainted only while the window is visible, since a
    // hidden window is painted afresh when it is shown.
    void ChartChanged();

    void OnLoad(const QIcon& programIcon);
    // A close asked for by the user: cancelled, and the window hidden instead.
    void OnCloseRequested(QCloseEvent* event);
    // The pointer rule of the window and its surface: back to the default pointer unless
    // the busy pointer is showing.
    void OnMouseMoveOverWindow();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void CentreOnScreen();

    ErrorReporter& reporter_;
    bool placed_ = false;
};

}  // namespace bytelora
