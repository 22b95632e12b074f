#include "view/image.h"

#include <QMouseEvent>
#include <QPainter>

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

}  // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent), BitmapImage(std::max(width(), 1), std::max(height(), 1), QImage::Format_RGB32),
      CanvasObject(BitmapImage)
{
    BitmapImage.fill(Qt::white);
    // Hover tracing needs moves without a button held.
    setMouseTracking(true);
    // The bitmap covers the whole widget, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TImage::FollowWidgetSize()
{
    const int w = std::max(width(), 1);
    const int h = std::max(height(), 1);
    if (BitmapImage.width() == w && BitmapImage.height() == h) return;
    QImage next(w, h, QImage::Format_RGB32);
    next.fill(Qt::white);
    {
        QPainter painter(&next);
        painter.drawImage(0, 0, BitmapImage);
    }
    // The canvas keeps a reference to this member, so the new bitmap is
    // assigned into it rather than replacing the object.
    BitmapImage = std::move(next);
}

void TImage::ResizeView(int width, int height)
{
    resize(width, height);
    FollowWidgetSize();
}

void TImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    painter.drawImage(area, BitmapImage, area);
}

void TImage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FollowWidgetSize();
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
