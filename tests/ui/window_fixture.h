#pragma once
// A real game window in a temporary working folder, with every box and file
// dialog answered from a script instead of a nested event loop.

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>

#include "solve/solver.h"
#include "ui/board_marks.h"
#include "ui/dialogs.h"
#include "ui/form_main.h"
#include "ui/radio_group.h"
#include "view/board_view.h"
#include "view/my_image.h"

class TScriptedDialogs : public TDialogs {
public:
    std::deque<bool> Answers;  // for the Yes/Cancel questions; Cancel when empty
    // Chosen paths; an empty one, or none left, cancels the dialog.
    std::deque<QString> OpenAnswers;
    std::deque<QString> SaveAnswers;
    // Choices for 自動作成; none left cancels it.
    std::deque<TGenerateChoice> GenerateAnswers;
    QStringList Questions, Congratulations, Informations, Errors, SaveNames;

    bool AskYesCancel(const QString& text) override
    {
        Questions << text;
        if (Answers.empty()) return false;
        const bool answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
    void ShowCongratulation(const QString& text) override { Congratulations << text; }
    void ShowInformation(const QString& text) override { Informations << text; }
    void ShowError(const QString& text) override { Errors << text; }
    std::optional<QString> ChooseOpenFile() override { return Take(OpenAnswers); }
    std::optional<QString> ChooseSaveFile(const QString& initialName) override
    {
        SaveNames << initialName;
        return Take(SaveAnswers);
    }

    std::optional<TGenerateChoice> ChooseGenerate(const TGenerateChoice&) override
    {
        if (GenerateAnswers.empty()) return std::nullopt;
        const TGenerateChoice answer = GenerateAnswers.front();
        GenerateAnswers.pop_front();
        return answer;
    }

private:
    static std::optional<QString> Take(std::deque<QString>& answers)
    {
        if (answers.empty()) return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty()) return std::nullopt;
        return answer;
    }
};

class TWindowTest : public ::testing::Test {
protected:
    QTemporaryDir Folder;
    QString OldFolder;
    std::unique_ptr<TFormMain> Form;
    TScriptedDialogs* Dialogs = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(Folder.isValid());
        OldFolder = QDir::currentPath();
        // Records, statistics and answers land in the working folder.
        ASSERT_TRUE(QDir::setCurrent(Folder.path()));
        Form = std::make_unique<TFormMain>();
        auto dialogs = std::make_unique<TScriptedDialogs>();
        Dialogs = dialogs.get();
        Form->SetDialogs(std::move(dialogs));
        Form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form.get()));
        ASSERT_NE(Form->BoardImage, nullptr);
    }

    void TearDown() override
    {
        Form.reset();
        QDir::setCurrent(OldFolder);
    }

    TGame& Game() { return Form->Game; }
    TMyImage* Image() { return Form->BoardImage; }

    // The pixel of the board image at the centre of doubled-grid element (r, c).
    QPoint ElementPixel(int r, int c) { return Form->ElementPixel(r, c); }

    void ClickElement(int r, int c, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(Image(), button, Qt::NoModifier, ElementPixel(r, c));
    }

    // Plays a solution as a player would: every green cell with the right
    // button, then the loop's segments with the left one.
    void PlayByClicks(const TSolution& solution)
    {
        for (const TUndoEntry& click : SolutionClicks(solution)) {
            ClickElement(click.Row, click.Col, click.Button == 1 ? Qt::RightButton : Qt::LeftButton);
        }
    }

    // Clicks an item's radio button on its indicator, where a click always
    // lands on the button whatever the column width.
    static void ClickItem(TRadioGroup* group, int item)
    {
        QWidget* button = group->ItemButton(item);
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
    }
    void ChooseMode(int item) { ClickItem(Form->RadioGroupMenu, item); }
};
