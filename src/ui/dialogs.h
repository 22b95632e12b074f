#pragma once
// Every modal box and file dialog of the window goes through this interface,
// so that tests can answer them without a nested event loop.

#include <QString>

#include <memory>
#include <optional>

class QWidget;

// What 自動作成 is asked to make: one of the four sizes of 新規 (0..3) and
// a grade (1..4).
struct TGenerateChoice {
    int Size = 0;
    int Grade = 2;
};

class TDialogs {
public:
    virtual ~TDialogs() = default;

    // The warning with "はい(&Y)" and "キャンセル"; true for Yes.
    virtual bool AskYesCancel(const QString& text) = 0;
    // A box with one OK button.
    virtual void ShowCongratulation(const QString& text) = 0;
    virtual void ShowInformation(const QString& text) = 0;
    virtual void ShowError(const QString& text) = 0;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> ChooseOpenFile() = 0;
    virtual std::optional<QString> ChooseSaveFile(const QString& initialName) = 0;
    // The size and grade of a problem to make, starting from initial;
    // nothing when cancelled.
    virtual std::optional<TGenerateChoice> ChooseGenerate(const TGenerateChoice& initial) = 0;
};

// The real boxes and dialogs, parented to the window.
std::unique_ptr<TDialogs> MakeQtDialogs(QWidget* parent);
