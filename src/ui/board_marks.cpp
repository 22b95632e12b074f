#include "ui/board_marks.h"

#include <QEvent>
#include <QPainter>

#include "ui/form_main.h"
#include "view/board_view.h"
#include "view/my_image.h"

TBoardMarks::TBoardMarks(TMyImage* image, const TFormMain& form, QColor color)
    : QWidget(image), Image(image), Form(form), Color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(image->rect());
    image->installEventFilter(this);
    hide();
}

void TBoardMarks::SetMarks(std::vector<TGridPos> marks)
{
    Elements = std::move(marks);
    setGeometry(Image->rect());
    setVisible(!Elements.empty());
    if (!Elements.empty()) raise();
    update();
}

bool TBoardMarks::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Image && event->type() == QEvent::Resize) setGeometry(Image->rect());
    return false;
}

void TBoardMarks::paintEvent(QPaintEvent*)
{
    if (!Form.BoardView) return;
    QPainter painter(this);
    painter.setPen(QPen(Color, 3));
    painter.setBrush(Qt::NoBrush);
    for (const TGridPos& at : Elements) {
        double x = 0, y = 0;
        Form.BoardView->ElementToWorld(at.Row, at.Col, x, y);
        // A cell gets a square; a segment a narrow box along it.
        const bool cell = (at.Row & 1) != 0 && (at.Col & 1) != 0;
        const double halfW = cell || (at.Row & 1) != 0 ? 1.0 : 0.45;
        const double halfH = cell || (at.Row & 1) == 0 ? 1.0 : 0.45;
        int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Image->WorldToPixel(x - halfW, y - halfH, x1, y1);
        Image->WorldToPixel(x + halfW, y + halfH, x2, y2);
        painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
    }
}
