// The window's controls: what they are, their captions, fonts, colours and
// places, and what their events run.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include "files/naming.h"
#include "model/clue_code.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/help_text.h"
#include "ui/live_status.h"
#include "ui/radio_group.h"
#include "ui/ui_style.h"
#include "ui/view_controls_qt.h"
#include "view/board_view.h"

namespace {

// The right-hand column is as wide as the window was designed.
constexpr int kMainPanelWidth = 134;
// The edit panel is taller than the three file buttons need, to hold the
// solution check, 自動作成 and the running solution count under them.
constexpr int kEditPanelHeight = 236;

QFrame* MakePanel(QWidget* parent, int height, bool bevel)
{
    auto* panel = new QFrame(parent);
    panel->setFixedHeight(height);
    if (bevel) panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

QLabel* MakePanelTitle(QWidget* parent, const char* caption)
{
    auto* label = new QLabel(QString::fromUtf8(caption), parent);
    label->setGeometry(1, 1, kMainPanelWidth - 2, 27);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(GothicFont(16, true));
    SetTextColor(label, kColorWindowText);
    return label;
}

}  // namespace

TFormMain::TFormMain(QWidget* parent)
    : QWidget(parent), Game(*this), DialogsObject(MakeQtDialogs(this))
{
    setWindowTitle(QString::fromUtf8(kTitle));
    resize(926, 496);
    SetColors(this, kColorBtnFace, Qt::yellow);
    setFont(PGothicFont(12, false));
    BuildImagePanel();
    BuildMainPanel();
    Timer = new QTimer(this);
    Timer->setInterval(1000);
    connect(Timer, &QTimer::timeout, this, [this] { Game.TimerTimer(); });
    ViewControls = std::make_unique<TWidgetViewControls>(TrackBarUnit, ScrollBarTate, ScrollBarYoko);
    // Keys are looked at before any control of the window sees them.
    qApp->installEventFilter(this);
    FormCreate();
}

TFormMain::~TFormMain()
{
    qApp->removeEventFilter(this);
}

void TFormMain::SetDialogs(std::unique_ptr<TDialogs> dialogs)
{
    DialogsObject = std::move(dialogs);
}

void TFormMain::FormCreate()
{
    Game.Board.Rows = 10;
    Game.Board.Cols = 10;
    setWindowState(windowState() | Qt::WindowMaximized);
    InitStateButtons();
}

void TFormMain::InitStateButtons()
{
    StateButtons = {ButtonOpen, ButtonNew, ButtonSave, ButtonStart, ButtonUndo,
                    ButtonPause, ButtonContinue, ButtonSaveAll, ButtonOpenAll};
}

void TFormMain::BuildImagePanel()
{
    PanelImage = new QWidget(this);
    PanelImage->setFont(PGothicFont(12, false));
    SetTextColor(PanelImage, Qt::black);

    TrackBarUnit = new QSlider(Qt::Vertical, PanelImage);
    TrackBarUnit->setRange(3, 40);
    TrackBarUnit->setValue(20);
    TrackBarUnit->setPageStep(4);
    TrackBarUnit->setSingleStep(1);
    TrackBarUnit->setTickInterval(1);
    TrackBarUnit->setTickPosition(QSlider::TicksLeft);
    // Small units at the top, as the bar was first drawn.
    TrackBarUnit->setInvertedAppearance(true);
    TrackBarUnit->setToolTip(QStringLiteral("爪を移動すると拡大・縮小します"));
    connect(TrackBarUnit, &QSlider::valueChanged, this, [this] { TrackBarUnitChange(); });

    ScrollBarYoko = new QScrollBar(Qt::Horizontal, PanelImage);
    ScrollBarTate = new QScrollBar(Qt::Vertical, PanelImage);
    for (QScrollBar* bar : {ScrollBarYoko, ScrollBarTate}) {
        bar->setSingleStep(1);
        bar->setPageStep(5);
        // Positions set by the view are set with signals blocked, so this
        // runs for the user's scrolling only.
        connect(bar, &QScrollBar::valueChanged, this, [this] { ScrollBarTateScroll(); });
    }

    QStringList kosuu;
    for (int k = 0; k < ClueCode::kChoiceItems; ++k) kosuu << QString::fromStdString(ClueCode::ChoiceCaption(k));
    RadioGroupKosuu = new TRadioGroup(QStringLiteral("黒マスの個数"), kosuu, 5, PanelImage);
    RadioGroupKosuu->setFont(GothicFont(16, true));
    SetColors(RadioGroupKosuu, kColorBtnFace, Qt::black);
    RadioGroupKosuu->setGeometry(380, 104, 325, 305);
    RadioGroupKosuu->OnClick = [this](int k) { Game.RadioGroupKosuuClick(k); };
    RadioGroupKosuu->hide();

    MemoSetsumei = new QPlainTextEdit(PanelImage);
    MemoSetsumei->setReadOnly(true);
    MemoSetsumei->setFocusPolicy(Qt::NoFocus);
    MemoSetsumei->setFont(PGothicFont(17, true));
    MemoSetsumei->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MemoSetsumei->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetTextColor(MemoSetsumei, kColorWindowText);
    MemoSetsumei->setPlainText(HelpLines().join(QLatin1Char('\n')));
    MemoSetsumei->setGeometry(83, -22, 662, 519);
    MemoSetsumei->hide();
}

void TFormMain::BuildMainPanel()
{
    PanelMain = new QFrame(this);
    PanelMain->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelMain->setFixedWidth(kMainPanelWidth);
    PanelMain->setFont(GothicFont(16, true));
    SetTextColor(PanelMain, kColorWindowText);
    auto* column = new QVBoxLayout(PanelMain);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    RadioGroupMenu = new TRadioGroup(QString(), {QStringLiteral("問題編集"), QStringLiteral("パズル実行")}, 1, PanelMain);
    RadioGroupMenu->setFixedHeight(65);
    RadioGroupMenu->OnClick = [this](int item) { Game.RadioGroupMenuClick(item); };
    column->addWidget(RadioGroupMenu);

    BuildEditPanel();
    column->addWidget(PanelMondai);
    BuildPlayPanel();
    column->addWidget(PanelPuzzle);

    RadioGroupSize = new TRadioGroup(QStringLiteral("サイズ"), BoardSizeCaptions(), 1, PanelMain);
    RadioGroupSize->setFont(GothicFont(16, true));
    SetTextColor(RadioGroupSize, Qt::black);
    RadioGroupSize->setFixedHeight(113);
    RadioGroupSize->OnClick = [this](int item) { Game.RadioGroupSizeClick(item); };
    RadioGroupSize->hide();
    column->addWidget(RadioGroupSize);

    column->addStretch(1);
    BuildClosePanel();
    column->addWidget(PanelClose);
}

void TFormMain::BuildEditPanel()
{
    PanelMondai = MakePanel(PanelMain, kEditPanelHeight, true);
    SetColors(PanelMondai, kColorInactiveCaption, kColorWindowText);
    LabelMondai = MakePanelTitle(PanelMondai, "問題編集");
    ButtonOpen = MakeCommandButton(PanelMondai, "開く", 8, 26, 120, 29);
    ButtonNew = MakeCommandButton(PanelMondai, "新規", 8, 60, 120, 29);
    ButtonSave = MakeCommandButton(PanelMondai, "保存", 8, 94, 120, 29);
    // Not a numbered command: no button set touches it, so it is usable
    // whenever the edit panel is shown.
    ButtonCheckSolutions = MakeCommandButton(PanelMondai, "解の確認", 8, 138, 120, 29);
    ButtonCheckSolutions->setEnabled(true);
    connect(ButtonOpen, &QPushButton::clicked, this, [this] { Game.ButtonOpenClick(1); });
    connect(ButtonNew, &QPushButton::clicked, this, [this] { Game.ButtonNewClick(); });
    connect(ButtonSave, &QPushButton::clicked, this, [this] { Game.ButtonSaveClick(1); });
    connect(ButtonCheckSolutions, &QPushButton::clicked, this, [this] { ButtonCheckSolutionsClick(); });
    ButtonGenerate = MakeCommandButton(PanelMondai, "自動作成", 8, 172, 120, 29);
    ButtonGenerate->setEnabled(true);
    connect(ButtonGenerate, &QPushButton::clicked, this, [this] { ButtonGenerateClick(); });
    BuildComposerHelp();
    PanelMondai->hide();
}

void TFormMain::BuildPlayPanel()
{
    PanelPuzzle = MakePanel(PanelMain, 315, true);
    SetColors(PanelPuzzle, kColorInactiveCaption, kColorWindowText);
    LabelPuzzle = MakePanelTitle(PanelPuzzle, "パズル実行");
    ButtonOpenAll = MakeCommandButton(PanelPuzzle, "開く", 8, 31, 120, 28);
    ButtonStart = MakeCommandButton(PanelPuzzle, "開始", 8, 64, 120, 28);
    ButtonContinue = MakeCommandButton(PanelPuzzle, "続行", 8, 98, 120, 28);
    ButtonUndo = MakeCommandButton(PanelPuzzle, "一手戻る", 8, 131, 120, 28);
    ButtonPause = MakeCommandButton(PanelPuzzle, "中断", 8, 165, 120, 28);
    ButtonSaveAll = MakeCommandButton(PanelPuzzle, "保存", 8, 198, 120, 28);
    connect(ButtonOpenAll, &QPushButton::clicked, this, [this] { Game.ButtonOpenClick(2); });
    connect(ButtonStart, &QPushButton::clicked, this, [this] { Game.ButtonStartClick(); });
    connect(ButtonContinue, &QPushButton::clicked, this, [this] { Game.ButtonContinueClick(); });
    connect(ButtonUndo, &QPushButton::clicked, this, [this] { Game.ButtonUndoClick(); });
    connect(ButtonPause, &QPushButton::clicked, this, [this] { Game.ButtonPauseClick(); });
    connect(ButtonSaveAll, &QPushButton::clicked, this, [this] { Game.ButtonSaveClick(2); });

    PanelTime = new QLabel(QStringLiteral("  00分00秒"), PanelPuzzle);
    PanelTime->setTextFormat(Qt::PlainText);
    PanelTime->setGeometry(7, 265, 120, 28);
    PanelTime->setFrameStyle(QFrame::Panel | QFrame::Raised);
    PanelTime->setAlignment(Qt::AlignCenter);
    PanelTime->setFont(GothicFont(16, true));
    SetColors(PanelTime, kColorBtnFace, Qt::red);
    BuildHelpButtons();
    // Under the player's help, in a panel grown for it; usable whenever no
    // clock runs.
    ButtonGenerateAll = MakeCommandButton(PanelPuzzle, "自動作成", 8, 331, 120, 28);
    ButtonGenerateAll->setEnabled(true);
    PanelPuzzle->setFixedHeight(365);
    connect(ButtonGenerateAll, &QPushButton::clicked, this, [this] { ButtonGenerateClick(); });
    PanelPuzzle->hide();
}

void TFormMain::BuildClosePanel()
{
    PanelClose = MakePanel(PanelMain, 80, false);
    PanelClose->setFont(GothicFont(13, true));
    ButtonSetsumei = new QPushButton(QStringLiteral("説明表示"), PanelClose);
    ButtonSetsumei->setGeometry(19, 7, 96, 30);
    ButtonSetsumei->setFont(GothicFont(16, true));
    // Press and release, not click: the help shows while a button is held.
    ButtonSetsumei->installEventFilter(this);
    ButtonClose = new QPushButton(QStringLiteral("終了"), PanelClose);
    ButtonClose->setGeometry(20, 41, 96, 30);
    ButtonClose->setFont(GothicFont(16, true));
    ButtonClose->setFocusPolicy(Qt::NoFocus);
    connect(ButtonClose, &QPushButton::clicked, this, [this] { Game.ButtonCloseClick(); });
}
