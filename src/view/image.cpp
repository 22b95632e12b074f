#include "view/image.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <cstring>

namespace {

TPointerEvent MakePointerEvent(const QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    TPointerEvent pointer;
    pointer.Button = event->button();
    pointer.Buttons = event->buttons();
    pointer.Modifiers = event->modifiers();
    pointer.X = at.x();
    pointer.Y = at.y();
    return pointer;
}

// Device pixels enough to cover a side of logical pixels: at a fractional
// ratio the last device pixel is only partly inside the widget, and it must
// still be painted. The small allowance keeps 1.1 * 10 from becoming 12.
int DeviceSide(int logical, double ratio)
{
    return std::max(static_cast<int>(std::ceil(logical * ratio - 1e-6)), 1);
}

}  // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent), BitmapImage(1, 1, QImage::Format_RGB32), CanvasObject(BitmapImage)
{
    BitmapImage.fill(Qt::white);
    Ratio = WantedRatio();
    CanvasObject.SetPixelRatio(Ratio);
    FollowWidgetSize();
    // Hover tracing needs moves without a button held.
    setMouseTracking(true);
    // The bitmap covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

double TImage::WantedRatio() const
{
    if (FixedRatio > 0) return FixedRatio;
    const double screen = devicePixelRatioF();
    return screen > 0 ? screen : 1;
}

void TImage::SetPixelRatio(double ratio)
{
    FixedRatio = ratio > 0 ? ratio : 0;
    FollowWidgetSize();
}

void TImage::FollowWidgetSize()
{
    const double ratio = WantedRatio();
    const int w = DeviceSide(std::max(width(), 1), ratio);
    const int h = DeviceSide(std::max(height(), 1), ratio);
    if (BitmapImage.width() == w && BitmapImage.height() == h && ratio == Ratio) return;
    QImage next(w, h, QImage::Format_RGB32);
    next.fill(Qt::white);
    if (ratio == Ratio) {
        // Row by row, so nothing is resampled.
        const int rows = std::min(h, BitmapImage.height());
        const size_t bytes = static_cast<size_t>(std::min(w, BitmapImage.width())) * 4;
        for (int y = 0; y < rows; ++y) std::memcpy(next.scanLine(y), BitmapImage.constScanLine(y), bytes);
    }
    next.setDevicePixelRatio(ratio);
    // The canvas keeps a reference to this member, so the new bitmap is
    // assigned into it rather than replacing the object.
    BitmapImage = std::move(next);
    Ratio = ratio;
    CanvasObject.SetPixelRatio(ratio);
}

void TImage::ResizeView(int width, int height)
{
    resize(width, height);
    FollowWidgetSize();
}

void TImage::FollowScreenRatio()
{
    if (WantedRatio() == Ratio) return;
    FollowWidgetSize();
    if (OnPixelRatioChanged) OnPixelRatioChanged();
    update();
}

bool TImage::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Qt tells every widget of a window that moved to another screen; later
    // versions also say when a screen changes its ratio in place.
    bool ratioMayChange = event->type() == QEvent::ScreenChangeInternal;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    ratioMayChange = ratioMayChange || event->type() == QEvent::DevicePixelRatioChange;
#endif
    if (ratioMayChange) FollowScreenRatio();
    return handled;
}

void TImage::paintEvent(QPaintEvent*)
{
    // A ratio change that came without an event of its own shows up here.
    FollowScreenRatio();
    // Drawn at its own ratio the bitmap covers the widget pixel for pixel;
    // the painter clips to the area Qt asked for.
    QPainter painter(this);
    painter.drawImage(QPointF(0, 0), BitmapImage);
}

void TImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A move to another screen can bring the resize before the news of the
    // screen; the new ratio then comes with it, and the blank bitmap must be
    // repainted all the same.
    const double before = Ratio;
    FollowWidgetSize();
    if (Ratio != before && OnPixelRatioChanged) OnPixelRatioChanged();
    if (OnResized) OnResized();
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    if (OnPointerDown) OnPointerDown(MakePointerEvent(event));
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnPointerMove) OnPointerMove(MakePointerEvent(event));
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (OnPointerUp) OnPointerUp(MakePointerEvent(event));
}
