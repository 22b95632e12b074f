#pragma once
// The image control: a widget that owns a bitmap, shows it, and hands its
// pointer events to whoever set the callbacks. All drawing goes through its
// canvas, straight into the bitmap; the widget only copies the bitmap to the
// screen when Qt asks.

#include <QImage>
#include <QWidget>

#include <functional>

#include "view/canvas.h"

struct TPointerEvent {
    Qt::MouseButton Button = Qt::NoButton;  // the button pressed or released; none for a move
    Qt::MouseButtons Buttons;               // the buttons held after the event
    Qt::KeyboardModifiers Modifiers;
    int X = 0;  // widget pixels
    int Y = 0;
};

class TImage : public QWidget {
public:
    explicit TImage(QWidget* parent = nullptr);

    TCanvas& Canvas() { return CanvasObject; }
    const QImage& Bitmap() const { return BitmapImage; }
    int Width() const { return width(); }
    int Height() const { return height(); }

    // Gives the bitmap the widget's size, keeping what it held in the top-left
    // corner; new area is white. The resize event does this, but a hidden
    // widget gets that event only when it is first shown, so code that draws
    // on a widget it never shows resizes it with ResizeView.
    void FollowWidgetSize();
    void ResizeView(int width, int height);

    // Pointer events in widget pixels. Moves arrive also with no button held.
    std::function<void(const TPointerEvent&)> OnPointerDown;
    std::function<void(const TPointerEvent&)> OnPointerMove;
    std::function<void(const TPointerEvent&)> OnPointerUp;
    // Called after every resize event, once the bitmap has the new size.
    std::function<void()> OnResized;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QImage BitmapImage;
    TCanvas CanvasObject;
};
