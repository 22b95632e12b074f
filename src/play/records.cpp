// The best-time records: loading, looking up and storing a solve.

#include "files/cp932.h"
#include "files/file_errors.h"
#include "files/record_line.h"
#include "files/text_file.h"
#include "play/game.h"

TGame::TRecordFileState TGame::ReadRecordFile(std::string& reason)
{
    RecordPath = kRecordFile;
    if (!FileExists(RecordPath)) {
        RecordsUnreadable = false;
        return TRecordFileState::Missing;
    }
    std::vector<std::string> lines;
    if (!LoadTextLines(RecordPath, lines, reason)) {
        // Keep the list held so far, and never write over a file whose
        // content could not be read.
        RecordsUnreadable = true;
        return TRecordFileState::Unreadable;
    }
    MemoRecord = std::move(lines);
    RecordsUnreadable = false;
    return TRecordFileState::Read;
}

void TGame::LoadRecords()
{
    std::string reason;
    switch (ReadRecordFile(reason)) {
    case TRecordFileState::Read: return;
    case TRecordFileState::Unreadable: Host.ShowError(ReadErrorText(RecordPath, reason)); return;
    case TRecordFileState::Missing: break;
    }
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
    // The record file written is the working folder's, and a Save may have
    // moved that folder since the list was loaded. The file is read again
    // first, so the write keeps every line it holds, and a better time it
    // holds for this problem stands. (A folder without a record file gets
    // the list held so far, as Open gives it.)
    std::string reason;
    ReadRecordFile(reason);
    bool found = false;
    size_t index = RecordPosition(found);
    if (found) {
        if (const std::optional<int32_t> seconds = RecordLineSeconds(MemoRecord[index])) BestSeconds = *seconds;
    }
    if (ElapsedSeconds > BestSeconds) return;
    BestSeconds = ElapsedSeconds;

    if (!found) {
        MemoRecord.insert(MemoRecord.begin() + static_cast<std::ptrdiff_t>(index),
                          FormatLookupLine(ProblemName, BestSeconds));
    }
    RecordIndex = static_cast<uint16_t>(index);
    MemoRecord[index] = FormatSolvedLine(ProblemName, BestSeconds, Utf8ToCp932(Host.TodayShortDate()));

    if (RecordsUnreadable) {
        Host.ShowError("記録ファイル「" + RecordPath + "」が読めなかったので、記録を書き込みません");
        return;
    }
    if (!WriteFileReplacing(RecordPath, JoinLinesCrLf(MemoRecord), reason)) {
        Host.ShowError(WriteErrorText(RecordPath, reason));
        return;
    }
    WriteProblem(Cp932ToUtf8(ProblemName) + "_Kotae.txt", true);
}
