#pragma once
// Frames round elements of the board (cells, segments), drawn over the
// board image and following its zoom and scroll. They change nothing of the
// board or its painting and take no clicks.

#include <QColor>
#include <QWidget>

#include <vector>

#include "model/board.h"

class TFormMain;
class TMyImage;

class TBoardMarks : public QWidget {
public:
    TBoardMarks(TMyImage* image, const TFormMain& form, QColor color);

    // Elements of the doubled grid; none hides the marks.
    void SetMarks(std::vector<TGridPos> marks);
    const std::vector<TGridPos>& Marks() const { return Elements; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    TMyImage* Image;
    const TFormMain& Form;
    QColor Color;
    std::vector<TGridPos> Elements;
};
