#pragma once
// The state of one running game and every operation on it: the board, the
// undo stack that is also the move history, the path trace, the play clock,
// the records and the problem line buffer. The window owns one TGame and
// forwards its button clicks here; all effects on the window go through the
// TGameHost it was given.

#include <cstdint>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/move.h"
#include "play/game_host.h"
#include "play/help.h"
#include "play/play_state.h"
#include "files/problem_file.h"
#include "files/record_line.h"

struct TTraceEntry {
    int16_t Row = 0;
    int16_t Col = 0;
    uint8_t CameFrom = 0;  // link bit of this cell pointing back along the path
};

// What the play-mode Open found while replaying stored moves.
struct TReplayReport {
    // Moves the file states that were not applied: lines that name no move
    // of the board, moves the rules refused, moves past the history's room,
    // and moves stated but missing. Saturated at INT64_MAX.
    int64_t Skipped = 0;
};

// The message for skipped moves; a saturated count is shown as a lower bound.
std::string SkippedMovesText(int64_t skipped);

class TGame {
public:
    static constexpr int kMaxMoves = 65535;  // entries the undo stack keeps
    static constexpr int kTraceCapacity = TBoard::kMaxSize * TBoard::kMaxSize;
    static constexpr int32_t kNoRecordSeconds = 3600000;

    explicit TGame(TGameHost& host);
    TGame(const TGame&) = delete;
    TGame& operator=(const TGame&) = delete;

    TGameHost& Host;
    TBoard Board;

    // Undo stack: entries 1..UndoCount in use. One spare slot lets the click
    // replayed by an undo be pushed even when the stack is full.
    std::vector<TUndoEntry> UndoStack;
    uint32_t UndoCount = 0;

    // Path trace: entries 1..TraceTop.
    std::vector<TTraceEntry> TraceList;
    uint16_t TraceTop = 0;
    uint16_t TraceNext = 0;
    uint16_t LoopLength = 0;

    // Play clock.
    double StartTime = 0.0;
    int32_t BaseSeconds = 0;
    int32_t ElapsedSeconds = 0;
    int32_t BestSeconds = 0;

    // Records: the lines of the record file, Shift-JIS bytes.
    std::string RecordPath = kRecordFile;
    std::vector<std::string> MemoRecord;
    uint16_t RecordIndex = 0;

    // Problem line buffer: the lines of a problem file, Shift-JIS bytes.
    // Holds the built-in sample from the start. A file read by Open keeps
    // only its header, rows and progress line here, and its move lines,
    // read, in StoredMoves; the moves there follow the lines here.
    std::vector<std::string> MemoMondai;
    std::vector<TStoredMove> StoredMoves;

    std::string ProblemName;  // Shift-JIS bytes
    bool Dirty = false;
    uint8_t PlayState = PlayStates::kStopped;  // see play/play_state.h

    // The cell the clue choice list edits (doubled coordinates).
    int16_t EditRow = 0;
    int16_t EditCol = 0;

    // ---- problem file (problem_loading.cpp, problem_saving.cpp) ----
    // Makes a file read by LoadProblemFile the problem line buffer.
    void TakeProblemFile(TProblemFile&& file);
    // Reads MemoMondai into the board. The lines must have passed
    // ValidateProblemLines. Returns what the replay skipped.
    TReplayReport ReadProblem(bool withProgress);
    // Writes the board to fileName (native path, UTF-8), through a temporary
    // file renamed over the old one. False after reporting the failure.
    bool WriteProblem(const std::string& fileName, bool withProgress);
    // The bytes WriteProblem writes.
    std::string ProblemFileText(bool withProgress) const;

    // ---- records (records.cpp) and statistics (problem_saving.cpp) ----
    void LoadRecords();
    // Looks up ProblemName; false when the record line is unreadable.
    bool FindRecord();
    // Stores a solve no slower than the best time in the working folder's
    // record file, and writes the answer file.
    void StoreRecord();
    // Writes "CrossCheck.txt"; false after reporting the failure.
    bool WriteClueStatistics();

    // ---- problem naming (problem_name.cpp), button states (modes.cpp) and
    //      file commands (file_commands.cpp) ----
    void SetProblemName(const std::string& path);
    void LoadStartupProblem();
    void SetButtonStates(uint16_t set);
    void ButtonOpenClick(int tag);
    // Open's work after the dialog: load, check, read, name. False when the
    // file could not be read or is not a problem (the board is unchanged).
    bool OpenProblemFile(const std::string& path, bool withProgress);
    // What Open and a generated problem share once MemoMondai holds the new
    // problem: read it, name it, look up its record.
    TReplayReport ReadNewProblem(bool withProgress, const std::string& name);
    // A problem made by the generator, as its lines (no progress), under a
    // name of its own; it replaces the board as Open would.
    void TakeGeneratedProblem(std::vector<std::string> lines, const std::string& name);
    // With unsaved changes, asks whether they may go; true when they may
    // (or there are none).
    bool MayReplaceProblem();
    void ButtonSaveClick(int tag);
    void ButtonNewClick();
    void RadioGroupSizeClick(int item);
    void ButtonCloseClick();
    void RadioGroupMenuClick(int item);

    // ---- clue editor (clue_editor.cpp) ----
    void OpenClueChoice(int i, int j);
    void RadioGroupKosuuClick(int k);

    // ---- rules (rules.cpp) ----
    // True when the move took effect: it is then the newest entry of the
    // move history. A move the rules refuse changes nothing.
    bool ApplyMove(int r, int c, bool right);
    void ToggleSegment(int r, int c);
    void ToggleMark(int r, int c, bool right);
    bool CanLink(int r, int c) const;
    void AddLink(int r, int c, uint8_t bit);
    void RemoveLink(int r, int c, uint8_t bit);
    bool CanBeGreen(int r, int c) const;
    void MakeGreen(int r, int c);
    void ClearGreen(int r, int c);
    void AdjustRemaining(int r, int c, int delta);
    // Sets a clue's starting Remaining; false when the clue's number is below
    // that of the next clue with its arrow (Remaining is then held at 0).
    bool InitRemaining(int r, int c);
    // Brings the board to the start state of play; returns the number of
    // inconsistent clues found.
    int ResetPlay();

    // ---- undo (undo.cpp) ----
    void PushUndo(int r, int c, bool right);
    void ButtonUndoClick();
    // Makes the newest undone move again, exactly as it was first made.
    void ButtonRedoClick();
    // Moves undone and not made again, the newest undone last. A new move,
    // a start and a load drop them.
    std::vector<TUndoEntry> RedoList;

    // ---- the player's help (help_commands.cpp) ----
    // A copy of what the answers are worked out from.
    THelpQuestion HelpQuestion() const;
    // Work the answer out here and show it (the window works it out on a
    // thread of its own and calls the Show functions).
    void ButtonCheckProgressClick();
    void ButtonHintClick();
    // Nothing when the answer was cancelled.
    void ShowProgressAnswer(const TProgressAnswer& answer);
    void ShowHintAnswer(const THintAnswer& answer);
    // 確認 or ヒント was used in this game: its solve sets no record.
    bool CheckUsed = false;
    bool HintUsed = false;

    // ---- completion check and tracer (completion.cpp, trace.cpp) ----
    void CheckSolved();
    // The board test of CheckSolved without its success steps (it traces and
    // leaves the trace as CheckSolved would).
    bool IsSolved();
    bool TraceLoop(int r, int c);
    bool TraceFrom(int r, int c, uint8_t cameFrom, int targetR, int targetC);
    // False when the list is full.
    bool TracePush(int r, int c, uint8_t bit);
    TTraceEntry TracePop();
    void ClearTrace();

    // ---- play clock (clock.cpp) ----
    void ButtonStartClick();
    void ButtonPauseClick();
    void ButtonContinueClick();
    void TimerTimer();
    void ShowClockText(int32_t seconds);

    // True while stored moves are replayed (by ReadProblem, or by the tool
    // playing a solution): moves run no completion check, so a finished
    // board is neither celebrated nor recorded; the replayer checks the
    // final board itself.
    bool Replaying = false;

private:
    bool UndoReplay = false;       // ApplyMove is replaying a click for undo
    bool DeferSuccess = false;     // CheckSolved records success instead of acting on it
    bool DeferredSolved = false;
    bool RecordsUnreadable = false;  // the record file exists but could not be read
    bool Redoing = false;          // ApplyMove is making an undone move again
    uint16_t ButtonSet = 0;        // the last button set shown
    bool Highlighted = false;      // the board shows a help mark

    void UpdateRedoButton();
    void ClearHighlight();

    enum class TRecordFileState { Read, Missing, Unreadable };
    // Reads the working folder's record file into MemoRecord; the list held
    // so far stays when there is none or it cannot be read (reason tells).
    TRecordFileState ReadRecordFile(std::string& reason);

    void RunSuccessSteps();
    void ShowFinishedState();
    void ReportInconsistentClues(int count);
    void AdjustLinkedClues(int r, int c, int delta);
    // Index of the first record line not less than ProblemName; found tells
    // whether it is the problem's own line.
    size_t RecordPosition(bool& found) const;
};
