#pragma once
// The zoom track bar and the two scroll bars as the board view sees them.
// Values set from here never reach the user-action handlers: the widgets'
// signals are blocked while the board view moves them.

#include "view/view_controls.h"

class QAbstractSlider;

class TWidgetViewControls : public TViewControls {
public:
    TWidgetViewControls(QAbstractSlider* trackBar, QAbstractSlider* tate, QAbstractSlider* yoko)
        : TrackBar(trackBar), Tate(tate), Yoko(yoko)
    {
    }

    int TrackBarPosition() const override;
    void SetTrackBarPosition(int position) override;
    int TatePosition() const override;
    int YokoPosition() const override;
    void SetTateRange(int minimum, int maximum) override;
    void SetYokoRange(int minimum, int maximum) override;
    void SetTatePosition(int position) override;
    void SetYokoPosition(int position) override;

private:
    QAbstractSlider* TrackBar;
    QAbstractSlider* Tate;
    QAbstractSlider* Yoko;
};
