#pragma once
// The game window. It owns the game (board, moves, clock, records), the
// board view and every control, and is the game's host: the game decides,
// the window shows, asks and reports. Its work is split by concern:
//   form_create.cpp      the controls, their captions, fonts and places
//   form_resize.cpp      the first resize that makes the board view, and later ones
//   form_host.cpp        what the game asks of the window
//   form_input.cpp       pointer and keyboard on the board
//   solution_check.cpp   the editor's "check the solutions" button
//   help_buttons.cpp     the player's redo, check and hint, and their board mark
//   generate_command.cpp "自動作成": a new problem of a chosen size and grade
//   solution_status.cpp  the editor's running solution count and its board marks

#include <QWidget>

#include <array>
#include <cstdint>
#include <memory>

#include "play/game.h"
#include "play/game_host.h"
#include "solve/explain.h"
#include "ui/dialogs.h"
#include "view/image.h"

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QSlider;
class QTimer;
class TBoardMarks;
class TBoardView;
class TLiveStatus;
class TMyImage;
class TRadioGroup;
class TWidgetViewControls;

class TFormMain : public QWidget, public TGameHost {
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;
    TFormMain(const TFormMain&) = delete;
    TFormMain& operator=(const TFormMain&) = delete;

    TGame Game;

    // ---- controls ----
    // Left: the board with its zoom bar and scroll bars, and the overlays.
    QWidget* PanelImage = nullptr;
    QSlider* TrackBarUnit = nullptr;
    QScrollBar* ScrollBarYoko = nullptr;
    QScrollBar* ScrollBarTate = nullptr;
    TMyImage* BoardImage = nullptr;  // the board's drawing surface, made by the first resize
    TRadioGroup* RadioGroupKosuu = nullptr;
    QPlainTextEdit* MemoSetsumei = nullptr;
    // Right: the mode selector, the two command panels, the sizes, quit.
    QFrame* PanelMain = nullptr;
    TRadioGroup* RadioGroupMenu = nullptr;
    QFrame* PanelMondai = nullptr;
    QLabel* LabelMondai = nullptr;
    QPushButton* ButtonOpen = nullptr;
    QPushButton* ButtonNew = nullptr;
    QPushButton* ButtonSave = nullptr;
    QPushButton* ButtonCheckSolutions = nullptr;
    // Outside the numbered buttons: a new problem made by the generator,
    // and what the clues on the board allow.
    QPushButton* ButtonGenerate = nullptr;
    QLabel* LabelSolutions = nullptr;
    QFrame* PanelPuzzle = nullptr;
    QLabel* LabelPuzzle = nullptr;
    QPushButton* ButtonOpenAll = nullptr;
    QPushButton* ButtonStart = nullptr;
    QPushButton* ButtonContinue = nullptr;
    QPushButton* ButtonUndo = nullptr;
    QPushButton* ButtonPause = nullptr;
    QPushButton* ButtonSaveAll = nullptr;
    QLabel* PanelTime = nullptr;
    QPushButton* ButtonGenerateAll = nullptr;  // 自動作成 in play
    // The player's help, outside the numbered buttons.
    QPushButton* ButtonRedo = nullptr;
    QPushButton* ButtonCheckProgress = nullptr;
    QPushButton* ButtonHint = nullptr;
    TBoardMarks* HighlightOverlay = nullptr;  // made with the first mark
    // Where two solutions part, or the clues that clash; edit mode only.
    TBoardMarks* ComposerMarks = nullptr;
    TRadioGroup* RadioGroupSize = nullptr;
    QFrame* PanelClose = nullptr;
    QPushButton* ButtonSetsumei = nullptr;
    QPushButton* ButtonClose = nullptr;
    QTimer* Timer = nullptr;

    // The command buttons by their number in the button-state sets.
    std::array<QPushButton*, Buttons::kCount> StateButtons{};

    // Paints the board on BoardImage, zooms and scrolls it; made with it.
    std::unique_ptr<TBoardView> BoardView;

    // ---- input state ----
    bool Dragging = false;
    int32_t DragX = 0;
    int32_t DragY = 0;
    bool KeyPanned = false;
    int16_t TraceRow = 0;
    int16_t TraceCol = 0;
    // Key events reach FormKeyDown before the focused control.
    bool KeyPreview = true;
    // Whether the board image would show a hint; it carries none.
    bool BoardShowHint = true;

    // The pixel of the board image at the centre of element (r, c) of the
    // doubled grid; only once the board view is made.
    QPoint ElementPixel(int r, int c) const;

    // Replaces the message boxes and file dialogs (tests answer them).
    void SetDialogs(std::unique_ptr<TDialogs> dialogs);
    TDialogs& Dialogs() { return *DialogsObject; }

    // ---- handlers ----
    void FormCreate();
    void FormResize();
    void FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
    void FormKeyUp();
    void BoardMouseDown(const TPointerEvent& event);
    void BoardMouseMove(const TPointerEvent& event);
    void BoardMouseUp(const TPointerEvent& event);
    void ButtonSetsumeiMouseDown();
    void ButtonSetsumeiMouseUp();
    void ButtonCheckSolutionsClick();
    void ButtonCheckProgressClick();
    void ButtonHintClick();
    void ButtonGenerateClick();
    // The running solution count is still at work on the board's clues.
    bool LiveStatusRunning() const;
    TLiveStatus& SolutionStatus() { return *LiveStatus; }
    // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in play; false for other keys.
    bool HelpKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);
    void TrackBarUnitChange();
    void ScrollBarTateScroll();

    // ---- the game's host ----
    TBoardPainter& Painter() override;
    void Beep() override;
    void SetButtonEnabled(int number, bool enabled) override;
    void ShowClock(const std::string& text) override;
    void SetCaption(const std::string& text) override;
    void SetTimerEnabled(bool enabled) override;
    void SetControlVisible(TControl control, bool visible) override;
    void ClearSelection(TControl control) override;
    void SetShowHint(bool on) override;
    void SetKeyPreview(bool on) override;
    void ProcessMessages() override;
    void ShowClueChoice(int i, int j) override;
    void MovePointerToElement(int r, int c) override;
    void CloseWindow() override;
    void SetRedoEnabled(bool enabled) override;
    void SetHelpEnabled(bool enabled) override;
    void ShowHighlight(int r, int c) override;
    void CluesChanged() override;
    bool AskYesCancel(const std::string& text) override;
    void ShowCongratulation(const std::string& text) override;
    void ShowMessage(const std::string& text) override;
    void ShowError(const std::string& text) override;
    std::optional<std::string> ChooseOpenFile() override;
    std::optional<std::string> ChooseSaveFile(const std::string& initialName, bool withProgress) override;
    double Now() override;
    std::string TodayShortDate() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<TDialogs> DialogsObject;
    std::unique_ptr<TWidgetViewControls> ViewControls;
    // The painter until the first resize makes the board view.
    TQuietPainter QuietPainter;
    // The quit button has asked already; closing asks no second time.
    bool CloseConfirmed = false;
    // The size and grade 自動作成 offers first: the last ones chosen.
    TGenerateChoice LastGenerateChoice;
    // The running solution count; Stale when the clues changed while the
    // edit panel was hidden.
    std::unique_ptr<TLiveStatus> LiveStatus;
    bool SolutionsStale = true;
    TVerdict LastVerdict;

    void BuildImagePanel();
    void BuildMainPanel();
    void BuildEditPanel();
    void BuildPlayPanel();
    void BuildClosePanel();
    void BuildHelpButtons();
    void BuildComposerHelp();
    void EditPanelShown(bool shown);
    // Stops the running count for a while; showing the edit panel again
    // (EditPanelShown) or a change of the clues takes it up again.
    void PauseSolutionStatus();
    void ShowVerdict(const TVerdict& verdict);
    void ShowComposerMarks(const std::vector<TGridPos>& marks);
    void InitStateButtons();
    void ArrangeControls();
    void CreateBoardView();
    QWidget* ControlWidget(TControl control) const;
    // The element point under a pixel of the board image: u its column, v
    // its row, as the hit tests take them.
    void ElementPoint(int x, int y, double& u, double& v) const;
};
