#include "solve/grade.h"

#include <algorithm>

#include "solve/reasoning.h"

const char* GradeName(int grade)
{
    switch (grade) {
    case 1: return "やさしい";
    case 2: return "ふつう";
    case 3: return "むずかしい";
    case 4: return "難問";
    default: return "";
    }
}

namespace {

// The grade the reasoning alone finds, with the solution it settles on.
// Settled is false when it leaves the board open; Contradiction, when the
// clues have no solution.
struct TReasonedGrade {
    bool Settled = false;
    bool Contradiction = false;
    int Grade = 0;
    TSolution Solution;
};

TReasonedGrade ReasonedGrade(const TPuzzle& puzzle)
{
    TReasonedGrade out;
    TReasoner reasoner(puzzle);
    const TSettle settle = reasoner.Run(kLayerDeep);
    out.Contradiction = settle == TSettle::Contradiction;
    if (settle != TSettle::Settled) return out;
    // Every step holds for every solution, so the one found is the only
    // one; the check from scratch guards against a flaw in a rule.
    out.Solution = reasoner.Solution();
    out.Settled = IsValidSolution(puzzle, out.Solution);
    if (out.Settled) out.Grade = reasoner.HighestLayer();
    return out;
}

}  // namespace

TGradeResult GradeProblem(const TPuzzle& puzzle, const std::atomic<bool>* cancel)
{
    TGradeResult result;
    if (puzzle.Rows <= 0 || puzzle.Cols <= 0) return result;
    TReasonedGrade reasoned = ReasonedGrade(puzzle);
    if (reasoned.Contradiction) return result;
    if (reasoned.Settled) {
        result.Solutions = 1;
        result.Grade = reasoned.Grade;
        result.Solution = std::move(reasoned.Solution);
        return result;
    }
    TSolveOptions options;
    options.Cancel = cancel;
    TSolveResult solved = SolvePuzzle(puzzle, options);
    result.Complete = solved.Complete;
    if (!solved.Complete) return result;
    result.Solutions = solved.Count;
    if (solved.Count == 1) {
        result.Grade = kLayerSearch;
        result.Solution = std::move(solved.Solutions.front());
    }
    return result;
}

int GradeOfUnique(const TPuzzle& puzzle)
{
    if (puzzle.Rows <= 0 || puzzle.Cols <= 0) return 0;
    const TReasonedGrade reasoned = ReasonedGrade(puzzle);
    return reasoned.Settled ? reasoned.Grade : kLayerSearch;
}

int GradePuzzle(const TPuzzle& puzzle)
{
    return GradeProblem(puzzle).Grade;
}

namespace {

bool Assume(TReasoner& reasoner, const TFact& fact)
{
    const int r = fact.At.Row, c = fact.At.Col;
    if (r < 1 || c < 1) return false;
    if (r % 2 == 1 && c % 2 == 1) {
        if (fact.Value != TFactValue::Loop && fact.Value != TFactValue::Green) return false;
        return reasoner.AssumeCell(r / 2, c / 2, fact.Value == TFactValue::Green);
    }
    if (r % 2 == c % 2) return false;  // a corner
    if (fact.Value != TFactValue::Segment && fact.Value != TFactValue::NoSegment) return false;
    // Rows of edges between cells are even: the edge below cell (r-1)/2.
    const bool down = r % 2 == 0;
    return reasoner.AssumeSegment(down ? r / 2 - 1 : r / 2, down ? c / 2 : c / 2 - 1, down, fact.Value == TFactValue::Segment);
}

// The cells and edges the state has decided that were open before, in
// reading order.
std::vector<TFact> NewFacts(const TSearchState& state, const std::vector<uint8_t>& knownCells,
                            const std::vector<uint8_t>& knownEdges)
{
    std::vector<TFact> facts;
    const int width = state.Width;
    for (int i = 1; i <= state.Rows; ++i) {
        for (int j = 1; j <= state.Cols; ++j) {
            const int p = i * width + j;
            const int16_t row = static_cast<int16_t>(2 * i - 1), col = static_cast<int16_t>(2 * j - 1);
            if (state.Cell[p] != knownCells[p] && (state.Cell[p] == kCellLoop || state.Cell[p] == kCellGreen)) {
                facts.push_back(TFact{TGridPos{row, col}, state.Cell[p] == kCellGreen ? TFactValue::Green : TFactValue::Loop});
            }
            for (int down = 0; down < 2; ++down) {
                const int e = 2 * p + down;
                if (state.Edge[e] == knownEdges[e]) continue;
                const TGridPos at = down ? TGridPos{static_cast<int16_t>(row + 1), col} : TGridPos{row, static_cast<int16_t>(col + 1)};
                facts.push_back(TFact{at, state.Edge[e] == kEdgeOn ? TFactValue::Segment : TFactValue::NoSegment});
            }
        }
    }
    return facts;
}

}  // namespace

TNextFacts NextFacts(const TPuzzle& puzzle, const std::vector<TFact>& position, int maxLayer)
{
    TNextFacts next;
    TReasoner reasoner(puzzle);
    if (!reasoner.Consistent()) {
        next.Layer = -1;
        return next;
    }
    for (const TFact& fact : position) {
        if (!Assume(reasoner, fact)) {
            next.Layer = -1;
            return next;
        }
    }
    // What the position says outright, its own immediate consequences
    // (a green cell's neighbours on the loop) included, is no news.
    std::vector<uint8_t> knownCells = reasoner.State.Cell, knownEdges = reasoner.State.Edge;
    next.Layer = reasoner.Step(std::min(maxLayer, static_cast<int>(kLayerDeep)));
    if (next.Layer > 0) next.Facts = NewFacts(reasoner.State, knownCells, knownEdges);
    return next;
}
