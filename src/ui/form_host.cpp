// What the game asks of the window: painting goes to the board view,
// everything else to the controls and the dialogs.

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "ui/clue_choice_place.h"
#include "ui/day_count.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/radio_group.h"
#include "view/board_view.h"
#include "view/my_image.h"

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

}  // namespace

TBoardPainter& TFormMain::Painter()
{
    if (BoardView) return *BoardView;
    return QuietPainter;
}

void TFormMain::Beep()
{
    QApplication::beep();
}

void TFormMain::SetButtonEnabled(int number, bool enabled)
{
    if (number >= 0 && number < static_cast<int>(StateButtons.size()) && StateButtons[number]) {
        StateButtons[number]->setEnabled(enabled);
    }
}

void TFormMain::ShowClock(const std::string& text)
{
    PanelTime->setText(FromUtf8(text));
}

void TFormMain::SetCaption(const std::string& text)
{
    setWindowTitle(FromUtf8(text));
}

void TFormMain::SetTimerEnabled(bool enabled)
{
    // Enabling a running timer leaves its rhythm alone, as switching a timer
    // on twice should.
    if (enabled && !Timer->isActive()) Timer->start();
    if (!enabled) Timer->stop();
    // A new problem would end a game whose clock runs.
    ButtonGenerateAll->setEnabled(!enabled);
}

QWidget* TFormMain::ControlWidget(TControl control) const
{
    switch (control) {
    case TControl::PanelMondai:
        return PanelMondai;
    case TControl::PanelPuzzle:
        return PanelPuzzle;
    case TControl::RadioGroupSize:
        return RadioGroupSize;
    case TControl::RadioGroupKosuu:
        return RadioGroupKosuu;
    case TControl::RadioGroupMenu:
        return RadioGroupMenu;
    }
    return nullptr;
}

void TFormMain::SetControlVisible(TControl control, bool visible)
{
    QWidget* widget = ControlWidget(control);
    if (!widget) return;
    widget->setVisible(visible);
    if (visible) widget->raise();
    if (control == TControl::PanelMondai) EditPanelShown(visible);
}

void TFormMain::ClearSelection(TControl control)
{
    if (auto* group = dynamic_cast<TRadioGroup*>(ControlWidget(control))) group->ClearSelection();
}

void TFormMain::SetShowHint(bool on)
{
    BoardShowHint = on;
}

void TFormMain::SetKeyPreview(bool on)
{
    KeyPreview = on;
}

void TFormMain::ProcessMessages()
{
    // Lets the window repaint during a long read; the user's clicks and keys
    // wait, so no command can start in the middle of another.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TFormMain::ShowClueChoice(int i, int j)
{
    if (!BoardView) return;
    // The lower right corner of the cell right of the clicked one, so the
    // list opens beside the cell without covering it.
    const QPoint at = PlaceClueChoice(ElementPixel(2 * i, 2 * j + 2), RadioGroupKosuu->size(), BoardImage->geometry());
    RadioGroupKosuu->move(at);
    RadioGroupKosuu->show();
    RadioGroupKosuu->raise();
}

QPoint TFormMain::ElementPixel(int r, int c) const
{
    double x = 0, y = 0;
    BoardView->ElementToWorld(r, c, x, y);
    int32_t px = 0, py = 0;
    BoardImage->WorldToPixel(x, y, px, py);
    return QPoint(px, py);
}

void TFormMain::MovePointerToElement(int r, int c)
{
    if (!BoardView) return;
    QCursor::setPos(BoardImage->mapToGlobal(ElementPixel(r, c)));
}

void TFormMain::CloseWindow()
{
    CloseConfirmed = true;
    close();
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    // Closing by the title bar would otherwise throw away unsaved moves or
    // clues without a word; it asks the quit button's question.
    if (!CloseConfirmed && Game.Dirty && !AskYesCancel("保存してませんが，終了しますか")) {
        event->ignore();
        return;
    }
    CloseConfirmed = false;
    event->accept();
}

bool TFormMain::AskYesCancel(const std::string& text)
{
    return Dialogs().AskYesCancel(FromUtf8(text));
}

void TFormMain::ShowCongratulation(const std::string& text)
{
    Dialogs().ShowCongratulation(FromUtf8(text));
}

void TFormMain::ShowMessage(const std::string& text)
{
    Dialogs().ShowInformation(FromUtf8(text));
}

void TFormMain::ShowError(const std::string& text)
{
    Dialogs().ShowError(FromUtf8(text));
}

std::optional<std::string> TFormMain::ChooseOpenFile()
{
    const std::optional<QString> chosen = Dialogs().ChooseOpenFile();
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

std::optional<std::string> TFormMain::ChooseSaveFile(const std::string& initialName, bool /*withProgress*/)
{
    const std::optional<QString> chosen = Dialogs().ChooseSaveFile(FromUtf8(initialName));
    if (!chosen) return std::nullopt;
    return chosen->toStdString();
}

double TFormMain::Now()
{
    return DayCount(QDateTime::currentDateTime());
}

std::string TFormMain::TodayShortDate()
{
    return ShortDate(QDate::currentDate()).toStdString();
}
