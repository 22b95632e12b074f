// The editor's running solution count: worked out beside the window after
// every change of the clues while the edit panel shows, with the cells where
// two solutions part, or the clues that clash, framed on the board.

#include <QLabel>
#include <QPushButton>

#include "solve/grade.h"
#include "solve/puzzle.h"
#include "ui/board_marks.h"
#include "ui/form_main.h"
#include "ui/live_status.h"
#include "ui/solution_check.h"
#include "ui/ui_style.h"

namespace {

// Cyan: a colour the board never paints, so the marks cannot be taken for
// clues, segments or the player's marks.
const QColor kComposerMarkColor(0, 200, 230);

}  // namespace

QString LiveStatusText(const TVerdict& verdict)
{
    switch (verdict.Solutions) {
    case TVerdict::kUnknown:
        return verdict.Final ? QStringLiteral("解：不明") : QStringLiteral("解：調べています…");
    case 0:
        return QStringLiteral("解：なし");
    case 1:
        if (verdict.Grade >= kGradeMin) return QStringLiteral("解：１つ（%1）").arg(QString::fromUtf8(GradeName(verdict.Grade)));
        return QStringLiteral("解：１つ");
    default:
        return QStringLiteral("解：複数");
    }
}

void TFormMain::BuildComposerHelp()
{
    LabelSolutions = new QLabel(LiveStatusText(TVerdict{}), PanelMondai);
    LabelSolutions->setTextFormat(Qt::PlainText);
    LabelSolutions->setGeometry(7, 205, 120, 24);
    LabelSolutions->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LabelSolutions->setAlignment(Qt::AlignCenter);
    LabelSolutions->setFont(GothicFont(11, true));
    SetColors(LabelSolutions, kColorBtnFace, kColorWindowText);
    LiveStatus = std::make_unique<TLiveStatus>();
    LiveStatus->OnVerdict = [this](const TVerdict& verdict) { ShowVerdict(verdict); };
}

bool TFormMain::LiveStatusRunning() const
{
    return LiveStatus && LiveStatus->Running();
}

void TFormMain::PauseSolutionStatus()
{
    if (!LiveStatus || !LiveStatus->Running()) return;
    LiveStatus->Stop();
    SolutionsStale = true;
}

void TFormMain::CluesChanged()
{
    SolutionsStale = true;
    ShowComposerMarks({});
    if (PanelMondai->isVisible()) EditPanelShown(true);
}

void TFormMain::EditPanelShown(bool shown)
{
    if (!LiveStatus) return;
    if (!shown) {
        // Play has no use for the count: a search still running is dropped
        // and made again when the editor comes back.
        if (LiveStatus->Running()) SolutionsStale = true;
        LiveStatus->Stop();
        ShowComposerMarks({});
        return;
    }
    if (!SolutionsStale) {
        ShowVerdict(LastVerdict);
        return;
    }
    SolutionsStale = false;
    LastVerdict = TVerdict{};
    LabelSolutions->setText(LiveStatusText(LastVerdict));
    LiveStatus->Start(PuzzleFromBoard(Game.Board));
}

void TFormMain::ShowVerdict(const TVerdict& verdict)
{
    LastVerdict = verdict;
    LabelSolutions->setText(LiveStatusText(verdict));
    LabelSolutions->setToolTip(verdict.Solutions == TVerdict::kUnknown && verdict.Final
                                   ? QStringLiteral("「解の確認」で調べ続けられます")
                                   : QString());
    ShowComposerMarks(verdict.Marks);
}

void TFormMain::ShowComposerMarks(const std::vector<TGridPos>& marks)
{
    if (!BoardImage) return;
    if (!ComposerMarks) ComposerMarks = new TBoardMarks(BoardImage, *this, kComposerMarkColor);
    ComposerMarks->SetMarks(marks);
}
