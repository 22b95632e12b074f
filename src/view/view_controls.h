#pragma once
// The controls around the board view: the zoom track bar (unit size) and the
// two scroll bars (world x and y at the view's centre). The view operations
// talk to them only through this interface, so their arithmetic runs without a
// window. Setting a value from code never runs a handler: where a change must
// have an effect, the board view calls the handler itself. The window's
// implementation must therefore set its widgets with their signals blocked.

#include <algorithm>

class TViewControls {
public:
    static constexpr int kUnitMin = 3;
    static constexpr int kUnitMax = 40;

    virtual ~TViewControls() = default;

    // The track bar keeps its position within kUnitMin..kUnitMax.
    virtual int TrackBarPosition() const = 0;
    virtual void SetTrackBarPosition(int position) = 0;

    // ScrollBarTate is the vertical bar (world y), ScrollBarYoko the
    // horizontal one (world x). A bar keeps its position inside its range,
    // also when the range changes.
    virtual int TatePosition() const = 0;
    virtual int YokoPosition() const = 0;
    virtual void SetTateRange(int minimum, int maximum) = 0;
    virtual void SetYokoRange(int minimum, int maximum) = 0;
    virtual void SetTatePosition(int position) = 0;
    virtual void SetYokoPosition(int position) = 0;
};

// Controls with no widgets behind them, for drawing without a window (the
// command-line tool, tests, benchmarks). They hold the values with the same
// limits as the real controls.
class TPlainViewControls : public TViewControls {
public:
    int TrackBarPosition() const override { return TrackBar; }
    void SetTrackBarPosition(int position) override { TrackBar = std::clamp(position, kUnitMin, kUnitMax); }

    int TatePosition() const override { return Tate.Position; }
    int YokoPosition() const override { return Yoko.Position; }
    void SetTateRange(int minimum, int maximum) override { Tate.SetRange(minimum, maximum); }
    void SetYokoRange(int minimum, int maximum) override { Yoko.SetRange(minimum, maximum); }
    void SetTatePosition(int position) override { Tate.SetPosition(position); }
    void SetYokoPosition(int position) override { Yoko.SetPosition(position); }

private:
    struct TBar {
        int Minimum = 0;
        int Maximum = 100;
        int Position = 0;
        // A minimum above the maximum is taken as an empty range at the
        // minimum, as a scroll bar widget does.
        void SetRange(int minimum, int maximum)
        {
            Minimum = minimum;
            Maximum = std::max(minimum, maximum);
            SetPosition(Position);
        }
        void SetPosition(int position) { Position = std::clamp(position, Minimum, Maximum); }
    };
    int TrackBar = 20;
    TBar Tate;
    TBar Yoko;
};
