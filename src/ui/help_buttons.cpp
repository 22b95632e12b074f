// The player's help in the window: redo, the check of the board and the
// hint, their keys, and the mark they leave on the board. The check and the
// hint may search for long on a big board; they then run beside the window
// with a box that can stop them, as the editor's solution check does.

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QFrame>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <atomic>
#include <thread>

#include "play/help.h"
#include "ui/form_main.h"
#include "view/board_view.h"
#include "view/my_image.h"

namespace {

// Under this long the answer comes without the box.
constexpr int kQuietMilliseconds = 300;

QPushButton* MakeHelpButton(QWidget* parent, const char* caption, int left, int top, int width)
{
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setGeometry(left, top, width, 28);
    button->setEnabled(false);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// A frame round one element of the board, drawn over the board image and
// following its zoom and scroll; it takes no clicks.
class THighlightOverlay : public QWidget {
public:
    THighlightOverlay(TMyImage* image, TFormMain& form) : QWidget(image), Image(image), Form(form)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(image->rect());
        image->installEventFilter(this);
    }
    int Row = 0, Col = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == Image && event->type() == QEvent::Resize) setGeometry(Image->rect());
        return false;
    }
    void paintEvent(QPaintEvent*) override
    {
        if (Row <= 0 || !Form.BoardView) return;
        double x = 0, y = 0;
        Form.BoardView->ElementToWorld(Row, Col, x, y);
        const bool cell = (Row & 1) != 0 && (Col & 1) != 0;
        const double halfW = cell || (Row & 1) != 0 ? 1.0 : 0.45;
        const double halfH = cell || (Row & 1) == 0 ? 1.0 : 0.45;
        int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        Image->WorldToPixel(x - halfW, y - halfH, x1, y1);
        Image->WorldToPixel(x + halfW, y + halfH, x2, y2);
        QPainter painter(this);
        painter.setPen(QPen(QColor(255, 120, 0), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(QPoint(x1, y1), QPoint(x2, y2)).normalized());
    }

private:
    TMyImage* Image;
    TFormMain& Form;
};

// Works an answer out on a thread of its own while the window stays
// painted; the box with 中止 appears when it takes more than a moment.
// False when the player stopped it.
template <class Answer, class Work>
bool RunAside(QWidget* parent, Answer& answer, Work work)
{
    std::atomic<bool> cancel{false};
    std::atomic<bool> done{false};
    QProgressDialog progress(QStringLiteral("解を調べています…"), QStringLiteral("中止"), 0, 0, parent);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.hide();
    QEventLoop loop;
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, [&cancel] { cancel = true; });
    QTimer::singleShot(kQuietMilliseconds, &loop, &QEventLoop::quit);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::thread worker([&] {
        answer = work(&cancel);
        done = true;
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    // Input waits while the answer is worked out, since it is about this
    // board; after a moment the modal box takes it, with 中止.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!done) {
        progress.show();
        loop.exec();
    }
    worker.join();
    QApplication::restoreOverrideCursor();
    progress.hide();
    return !cancel;
}

}  // namespace

void TFormMain::BuildHelpButtons()
{
    // Redo in the gap under the buttons, check and hint side by side under
    // the clock, in a panel grown for them.
    ButtonRedo = MakeHelpButton(PanelPuzzle, "一手進む", 8, 231, 120);
    ButtonCheckProgress = MakeHelpButton(PanelPuzzle, "確認", 8, 298, 58);
    ButtonHint = MakeHelpButton(PanelPuzzle, "ヒント", 70, 298, 58);
    PanelPuzzle->setFixedHeight(332);
    connect(ButtonRedo, &QPushButton::clicked, this, [this] { Game.ButtonRedoClick(); });
    connect(ButtonCheckProgress, &QPushButton::clicked, this, [this] { ButtonCheckProgressClick(); });
    connect(ButtonHint, &QPushButton::clicked, this, [this] { ButtonHintClick(); });
}

void TFormMain::ButtonCheckProgressClick()
{
    if (Game.PlayState != PlayStates::kPlaying) return;
    const THelpQuestion question = Game.HelpQuestion();
    TProgressAnswer answer;
    if (!RunAside(this, answer, [&](const std::atomic<bool>* cancel) { return AnswerProgress(question, cancel); })) return;
    Game.ShowProgressAnswer(answer);
}

void TFormMain::ButtonHintClick()
{
    if (Game.PlayState != PlayStates::kPlaying) return;
    const THelpQuestion question = Game.HelpQuestion();
    THintAnswer answer;
    if (!RunAside(this, answer, [&](const std::atomic<bool>* cancel) { return AnswerHint(question, cancel); })) return;
    Game.ShowHintAnswer(answer);
}

bool TFormMain::HelpKeyDown(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (!(modifiers & Qt::ControlModifier) || Game.PlayState != PlayStates::kPlaying) return false;
    const bool shift = (modifiers & Qt::ShiftModifier) != 0;
    if (qtKey == Qt::Key_Z && !shift) {
        Game.ButtonUndoClick();
        return true;
    }
    if (qtKey == Qt::Key_Y || (qtKey == Qt::Key_Z && shift)) {
        Game.ButtonRedoClick();
        return true;
    }
    return false;
}

void TFormMain::SetRedoEnabled(bool enabled)
{
    if (ButtonRedo) ButtonRedo->setEnabled(enabled);
}

void TFormMain::SetHelpEnabled(bool enabled)
{
    if (ButtonCheckProgress) ButtonCheckProgress->setEnabled(enabled);
    if (ButtonHint) ButtonHint->setEnabled(enabled);
}

void TFormMain::ShowHighlight(int r, int c)
{
    if (!BoardImage) return;
    if (!HighlightOverlay) HighlightOverlay = new THighlightOverlay(BoardImage, *this);
    auto* overlay = static_cast<THighlightOverlay*>(HighlightOverlay);
    overlay->Row = r;
    overlay->Col = c;
    overlay->setGeometry(BoardImage->rect());
    overlay->raise();
    overlay->show();
    overlay->update();
}
