// The real message boxes and file dialogs.

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/naming.h"
#include "solve/grade.h"
#include "ui/dialogs.h"
#include "ui/radio_group.h"
#include "ui/ui_style.h"

namespace {

QString Title()
{
    return QString::fromUtf8(kTitle);
}

bool AskWarning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("警告"), text, QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    QPushButton* cancel = box.addButton(QStringLiteral("キャンセル"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    // Closing the box counts as Cancel.
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == yes;
}

void ShowBox(QWidget* parent, QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, Title(), text, QMessageBox::Ok, parent);
    box.exec();
}

// Labels of the toolkit's own dialog in the window's language; a native
// dialog brings its own.
void SetJapaneseLabels(QFileDialog& dialog, bool save)
{
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("場所"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("ファイル名"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("ファイルの種類"));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存(&S)") : QStringLiteral("開く(&O)"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
}

// The two choices of 自動作成 side by side, in the look of the window's
// own lists, with OK and キャンセル.
std::optional<TGenerateChoice> AskGenerate(QWidget* parent, const TGenerateChoice& initial)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("自動作成"));
    dialog.setFont(GothicFont(16, true));
    auto* sizes = new TRadioGroup(QStringLiteral("サイズ"), BoardSizeCaptions(), 1, &dialog);
    QStringList names;
    for (int grade = kGradeMin; grade <= kGradeMax; ++grade) names << QString::fromUtf8(GradeName(grade));
    auto* grades = new TRadioGroup(QStringLiteral("難易度"), names, 1, &dialog);
    sizes->SetItemIndex(initial.Size);
    grades->SetItemIndex(initial.Grade - kGradeMin);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    // The hard grades on the large boards can keep the generator busy for
    // minutes; better said before than found out.
    auto* note = new QLabel(QStringLiteral("大・特大の「むずかしい」「難問」は\n数分以上かかることがあります"), &dialog);
    note->setFont(GothicFont(12, false));
    auto* row = new QHBoxLayout;
    row->addWidget(sizes);
    row->addWidget(grades);
    auto* column = new QVBoxLayout(&dialog);
    column->addLayout(row);
    column->addWidget(note);
    column->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted || sizes->ItemIndex() < 0 || grades->ItemIndex() < 0) return std::nullopt;
    return TGenerateChoice{sizes->ItemIndex(), grades->ItemIndex() + kGradeMin};
}

class TQtDialogs : public TDialogs {
public:
    explicit TQtDialogs(QWidget* parent) : Parent(parent) {}

    bool AskYesCancel(const QString& text) override { return AskWarning(Parent, text); }
    void ShowCongratulation(const QString& text) override { ShowBox(Parent, QMessageBox::Information, text); }
    void ShowInformation(const QString& text) override { ShowBox(Parent, QMessageBox::Information, text); }
    void ShowError(const QString& text) override { ShowBox(Parent, QMessageBox::Critical, text); }

    std::optional<QString> ChooseOpenFile() override
    {
        QFileDialog dialog(Parent, QStringLiteral("開く"), QStringLiteral("."));
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setNameFilters({
            QStringLiteral("くいろん問題 (Quilorn*.txt)"),
            QStringLiteral("くいろん問題(中) (QuilornG*.txt)"),
            QStringLiteral("くいろん問題(大) (QuilornH*.txt)"),
            QStringLiteral("くいろん問題(特大) (QuilornS*.txt)"),
            QStringLiteral("すべて (*)"),
        });
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        SetJapaneseLabels(dialog, false);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
        return dialog.selectedFiles().first();
    }

    std::optional<QString> ChooseSaveFile(const QString& initialName) override
    {
        QString name = initialName;
        QString folder = QStringLiteral(".");
        for (;;) {
            QFileDialog dialog(Parent, QStringLiteral("名前を付けて保存"), folder);
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
            dialog.setNameFilters({
                QStringLiteral("くいろん (Quilorn*)"),
                QStringLiteral("くいろん(中) (QuilornG*)"),
                QStringLiteral("くいろん(大) (QuilornH*)"),
                QStringLiteral("くいろん(特大) (QuilornS*)"),
                QStringLiteral("すべて (*)"),
            });
            dialog.setDefaultSuffix(QStringLiteral("txt"));
            // The overwrite question is asked below, in the same words and
            // buttons as every other question of the game.
            dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
            SetJapaneseLabels(dialog, true);
            dialog.selectFile(name);
            if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
            const QString chosen = dialog.selectedFiles().first();
            const QFileInfo info(chosen);
            if (!info.exists()) return chosen;
            if (AskWarning(Parent, QStringLiteral("%1 は既に存在します。\n上書きしますか ? ").arg(info.fileName()))) {
                return chosen;
            }
            // Back to the dialog, where the user left it.
            name = info.fileName();
            folder = info.absolutePath();
        }
    }

    std::optional<TGenerateChoice> ChooseGenerate(const TGenerateChoice& initial) override
    {
        return AskGenerate(Parent, initial);
    }

private:
    QWidget* Parent;
};

}  // namespace

std::unique_ptr<TDialogs> MakeQtDialogs(QWidget* parent)
{
    return std::make_unique<TQtDialogs>(parent);
}
