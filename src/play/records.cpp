// The best-time records: loading, looking up and storing a solve.

#include "files/cp932.h"
#include "files/file_errors.h"
#include "files/record_line.h"
#include "files/text_file.h"
#include "play/game.h"

void TGame::LoadRecords()
{
    RecordPath = kRecordFile;
    if (FileExists(RecordPath)) {
        std::vector<std::string> lines;
        std::string reason;
        if (LoadTextLines(RecordPath, lines, reason)) {
            MemoRecord = lines;
            RecordsUnreadable = false;
        } else {
            // Keep the list held so far, and never write over a file whose
            // content could not be read.
            RecordsUnreadable = true;
            Host.ShowError(ReadErrorText(RecordPath, reason));
        }
        return;
    }
    RecordsUnreadable = false;
    std::string reason;
    if (!WriteFileReplacing(RecordPath, JoinLinesCrLf(MemoRecord), reason)) {
        Host.ShowError(WriteErrorText(RecordPath, reason));
    }
}

size_t TGame::RecordPosition(bool& found) const
{
    return RecordListPosition(MemoRecord, ProblemName, found);
}

bool TGame::FindRecord()
{
    bool found = false;
    const size_t i = RecordPosition(found);
    if (found) {
        const std::optional<int32_t> seconds = RecordLineSeconds(MemoRecord[i]);
        if (!seconds) {
            Host.ShowError("記録ファイル「" + RecordPath + "」の " + std::to_string(i + 1) +
                           " 行目の時間が数ではありません");
            return false;
        }
        BestSeconds = *seconds;
    } else {
        MemoRecord.insert(MemoRecord.begin() + static_cast<std::ptrdiff_t>(i),
                          FormatLookupLine(ProblemName, BestSeconds));
    }
    RecordIndex = static_cast<uint16_t>(i);
    return true;
}

void TGame::StoreRecord()
{
    if (ElapsedSeconds > BestSeconds) return;
    BestSeconds = ElapsedSeconds;

    // The line to replace must be this problem's own: a problem that was
    // never looked up (the start-up sample) or a list reloaded since the
    // lookup would otherwise lose another problem's record.
    size_t index = RecordIndex;
    if (index >= MemoRecord.size() || RecordLineName(MemoRecord[index]) != ProblemName) {
        bool found = false;
        index = RecordPosition(found);
        if (!found) {
            MemoRecord.insert(MemoRecord.begin() + static_cast<std::ptrdiff_t>(index),
                              FormatLookupLine(ProblemName, BestSeconds));
        }
        RecordIndex = static_cast<uint16_t>(index);
    }
    MemoRecord[index] = FormatSolvedLine(ProblemName, BestSeconds, Utf8ToCp932(Host.TodayShortDate()));

    if (RecordsUnreadable) {
        Host.ShowError("記録ファイル「" + RecordPath + "」が読めなかったので、記録を書き込みません");
        return;
    }
    std::string reason;
    if (!WriteFileReplacing(RecordPath, JoinLinesCrLf(MemoRecord), reason)) {
        Host.ShowError(WriteErrorText(RecordPath, reason));
        return;
    }
    WriteProblem(Cp932ToUtf8(ProblemName) + "_Kotae.txt", true);
}
