#pragma once
// The image control: a widget that owns a bitmap, shows it, and hands its
// pointer events to whoever set the callbacks. All drawing goes through its
// canvas, straight into the bitmap; the widget only copies the bitmap to the
// screen when Qt asks.
//
// The bitmap has the screen's device pixels: the widget's size times the
// device pixel ratio, with QImage's ratio set to match, so Qt shows it one
// bitmap pixel to one screen pixel. Widget sizes and pointer positions stay in
// the widget's own (logical) pixels.

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
    // The widget's size in logical pixels, the unit of all layout arithmetic.
    int Width() const { return width(); }
    int Height() const { return height(); }

    // Device pixels per logical pixel of the bitmap.
    double PixelRatio() const { return Ratio; }
    // Draws at ratio from now on, whatever the screen says (the command-line
    // tool, tests); 0 goes back to following the screen. The bitmap is made
    // anew, white, when the ratio changes: the caller repaints.
    void SetPixelRatio(double ratio);

    // Gives the bitmap the widget's size at the current ratio, keeping what it
    // held in the top-left corner when the ratio stays; new area is white. The
    // resize event does this, but a hidden widget gets that event only when
    // it is first shown, so code that draws on a widget it never shows
    // resizes it with ResizeView.
    void FollowWidgetSize();
    void ResizeView(int width, int height);

    // Pointer events in widget pixels. Moves arrive also with no button held.
    std::function<void(const TPointerEvent&)> OnPointerDown;
    std::function<void(const TPointerEvent&)> OnPointerMove;
    std::function<void(const TPointerEvent&)> OnPointerUp;
    // Called after every resize event, once the bitmap has the new size.
    std::function<void()> OnResized;
    // Called when the widget has moved to a screen of another ratio (or the
    // screen's ratio changed) and the bitmap was made anew for it, blank: the
    // owner repaints the whole picture. With a resize, before OnResized.
    std::function<void()> OnPixelRatioChanged;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    double WantedRatio() const;
    // Re-creates the bitmap if the screen's ratio is no longer the bitmap's,
    // and has the owner repaint it.
    void FollowScreenRatio();

    QImage BitmapImage;
    TCanvas CanvasObject;
    double Ratio = 1;
    double FixedRatio = 0;  // 0: the screen's
};
