// Hardening: where the clues the grade's reasoning cannot do without still
// leave the lower layers settling the board, one clue taken away or turned
// may leave them short.

#include "compose/composer.h"

#include "model/arrow.h"

// Whether a changed board (the cell's clue gone or turned) needs the grade:
// its lower layers leave it open and the grade's own reasoning settles it
// (the work then holds its solution; where the lower layers settle it,
// BelowSettled is set and the reasoner holds what they found). Where the
// board around the cell, given the design further away, stays open at the
// grade, so does the whole board: most changes fail there at little cost.
// The grade's reasoning goes on from where the lower layers stopped rather
// than starting over.
bool TComposer::NeedsGrade(TWork& work, const TPuzzle& puzzle, int cell, const TSolution* intended) const
{
    const int grade = Options.Grade;
    if (grade <= kLayerDeep && SettleAround(work, puzzle, cell, grade) == TSettle::Open) return false;
    const TSettle below = Settle(work, puzzle, grade - 1);
    work.BelowSettled = below == TSettle::Settled;
    if (below != TSettle::Open) return false;
    if (grade <= kLayerDeep) {
        if (work.Reasoner.Run(grade, HintList()) != TSettle::Settled) return false;
        TakeSettled(work);
        return true;
    }
    return Unique(work, puzzle, cell, intended);
}

// Whether the lower layers settle the board with a clue at the cell that
// counts nothing. Where they do not (and the grade is one reasoning
// settles), the work keeps what the lower layers and the grade's reasoning
// found on that board for TurnMayNeedGrade.
bool TComposer::BlankSettlesBelow(TWork& work, const TPuzzle& puzzle, int cell) const
{
    TPuzzle blank = puzzle;
    blank.Cells[static_cast<size_t>(cell)].Arrow = '?';
    blank.Cells[static_cast<size_t>(cell)].Number = 0;
    const int grade = Options.Grade;
    if (Settle(work, blank, grade - 1) == TSettle::Settled) return true;
    if (grade <= kLayerDeep) {
        work.Reasoner.TakeKnown(work.BlankBelow);
        work.BlankSettled = work.Reasoner.Run(grade, HintList()) == TSettle::Settled;
        work.Reasoner.TakeKnown(work.BlankKnown);
    }
    return false;
}

// A quick look at a turn before NeedsGrade: false when it cannot need the
// grade. A counted clue tells all that the blank one tells, so what the
// reasoning found on the blank board holds on the turned one and need not
// be found again. Where the blank board already decided every cell the
// turned clue counts, its count tells nothing new: the grade's reasoning
// then ends where it ended on the blank board, short of settling it.
bool TComposer::TurnMayNeedGrade(TWork& work, int cell, char arrow) const
{
    TDesign& design = work.Design;
    TReasoner& reasoner = work.Reasoner;
    if (!work.BlankSettled) {
        bool lineKnown = true;
        ForEachCellInSight(design.Rows, design.Cols, cell / design.Cols, cell % design.Cols, arrow, [&](int y, int x) {
            lineKnown = work.BlankKnown.Cell[static_cast<size_t>(reasoner.State.CellIndex(y, x))] != kCellUnknown;
            return lineKnown;
        });
        if (lineKnown) return false;
    }
    char& slot = design.Arrow[static_cast<size_t>(cell)];
    const char was = slot;
    slot = arrow;
    const TPuzzle turned = design.ToPuzzle();
    slot = was;
    const int grade = Options.Grade;
    if (!work.BlankSettled) {
        ++work.Checks;
        reasoner.Reset(turned);
        reasoner.OutcomeOnly = true;
        const bool settles = reasoner.AssumeKnown(work.BlankKnown) && reasoner.Run(grade) == TSettle::Settled;
        reasoner.OutcomeOnly = false;
        if (!settles) return false;
    }
    ++work.Checks;
    reasoner.Reset(turned);
    return reasoner.AssumeKnown(work.BlankBelow) && reasoner.Run(grade - 1) == TSettle::Open;
}

// A change after which the board is still settled at the grade but not
// by the layers below it: a clue gone (its cell a plain one, the solution
// the one found), or a clue turned to another arrow.
//
// A clue whose cell left plain still leaves the lower layers settling the
// board goes on the way: with fewer clues they fall short more often, and
// the clues after it are tried without it.
//
// A clue turned tells all that a clue counting nothing tells, and more: so
// where the lower layers settle the board with a clue there that counts
// nothing, they settle it with the clue turned any way, and none of its
// turns needs the grade. Most clues are like that, and one check of the
// clue spares the checks of its three turns. Where they do not, what they
// found there rules most turns out at once (TurnMayNeedGrade).
bool TComposer::Harden()
{
    std::vector<int> clues = Design.CellsOf(kDesignClue);
    Random->Shuffle(clues);
    TPuzzle puzzle = Design.ToPuzzle();
    std::vector<TChange> changes;
    // The changes of the clue at clues[i] are changes[first[i]] up to
    // changes[first[i + 1]], its removal first.
    std::vector<size_t> first;
    for (int cell : clues) {
        first.push_back(changes.size());
        changes.push_back(TChange{cell, 0});
        const char arrow = Design.Arrow[static_cast<size_t>(cell)];
        for (char other : kDesignArrows) {
            if (other != arrow && Design.CountGreens(cell, other) <= Options.MaxNumber) changes.push_back(TChange{cell, other});
        }
    }
    first.push_back(changes.size());
    const int grade = Options.Grade;
    auto needsGrade = [&](TWork& work, size_t k) {
        work.BelowSettled = false;
        const TChange change = changes[k];
        const char was = work.Design.Arrow[static_cast<size_t>(change.Cell)];
        if (change.Arrow == 0) {
            ReleaseLines(work, change.Cell, {was}, false);
            TPuzzle without = puzzle;
            without.Cells[static_cast<size_t>(change.Cell)] = TPuzzleCell{};
            const bool ok = NeedsGrade(work, without, change.Cell, nullptr);
            // The clue goes on the way with the solution found.
            if (work.BelowSettled) TakeSettled(work);
            return ok;
        }
        // A clue gone on the way may have moved the greens a turn counts.
        if (work.Design.CountGreens(change.Cell, change.Arrow) > Options.MaxNumber) return false;
        if (grade <= kLayerDeep && !TurnMayNeedGrade(work, change.Cell, change.Arrow)) return false;
        ReleaseLines(work, change.Cell, {was, change.Arrow}, false);
        char& arrow = work.Design.Arrow[static_cast<size_t>(change.Cell)];
        arrow = change.Arrow;
        const TPuzzle turned = work.Design.ToPuzzle();
        const TSolution intended = work.Design.ToSolution();
        const bool ok = NeedsGrade(work, turned, change.Cell, &intended);
        arrow = was;
        // Only a clue gone leaves the lower layers less to go on.
        work.BelowSettled = false;
        return ok;
    };
    auto hardens = [&](TWork& work, size_t i) {
        for (size_t k = first[i]; k < first[i + 1]; ++k) {
            if (Cancelled()) return false;
            if (k == first[i] + 1 && BlankSettlesBelow(work, puzzle, clues[i])) return false;
            if (needsGrade(work, k) || work.BelowSettled) {
                work.Found = k;
                return true;
            }
        }
        return false;
    };
    for (size_t from = 0;;) {
        TWork* winner = nullptr;
        const size_t i = Scan(from, clues.size(), hardens, winner);
        if (Cancelled() || i == clues.size()) return false;
        const TChange change = changes[winner->Found];
        const bool neutral = winner->BelowSettled;
        if (change.Arrow == 0) {
            Design.Kind[static_cast<size_t>(change.Cell)] = kDesignLoop;
            Design.Adopt(winner->Solution);
        } else {
            Design.Arrow[static_cast<size_t>(change.Cell)] = change.Arrow;
        }
        TakeHints(*winner);
        if (!neutral) return true;
        puzzle = Design.ToPuzzle();
        from = i + 1;
    }
}
