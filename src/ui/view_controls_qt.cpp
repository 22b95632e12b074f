#include "ui/view_controls_qt.h"

#include <QAbstractSlider>
#include <QSignalBlocker>

namespace {

void SetQuietly(QAbstractSlider* slider, int position)
{
    const QSignalBlocker block(slider);
    slider->setValue(position);  // the slider holds it within its range
}

void SetRangeQuietly(QAbstractSlider* slider, int minimum, int maximum)
{
    const QSignalBlocker block(slider);
    slider->setRange(minimum, maximum);
}

}  // namespace

int TWidgetViewControls::TrackBarPosition() const
{
    return TrackBar->value();
}

void TWidgetViewControls::SetTrackBarPosition(int position)
{
    SetQuietly(TrackBar, position);
}

int TWidgetViewControls::TatePosition() const
{
    return Tate->value();
}

int TWidgetViewControls::YokoPosition() const
{
    return Yoko->value();
}

void TWidgetViewControls::SetTateRange(int minimum, int maximum)
{
    SetRangeQuietly(Tate, minimum, maximum);
}

void TWidgetViewControls::SetYokoRange(int minimum, int maximum)
{
    SetRangeQuietly(Yoko, minimum, maximum);
}

void TWidgetViewControls::SetTatePosition(int position)
{
    SetQuietly(Tate, position);
}

void TWidgetViewControls::SetYokoPosition(int position)
{
    SetQuietly(Yoko, position);
}
