#pragma once
// A captioned group of radio buttons laid out in columns, the way the game's
// choice lists look: the selection can be cleared to none, and the click
// handler runs only when the user picks an item that was not already picked.
// Setting or clearing the selection from code never runs it.

#include <QGroupBox>
#include <QStringList>

#include <functional>

class QButtonGroup;
class QGridLayout;

class TRadioGroup : public QGroupBox {
public:
    // Items fill the columns top to bottom, as many rows as it takes.
    TRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemCount() const;
    // -1 when no item is selected.
    int ItemIndex() const;
    void SetItemIndex(int index);
    void ClearSelection() { SetItemIndex(-1); }
    // The radio button of item index, for tests and for placing the pointer.
    QWidget* ItemButton(int index) const;

    std::function<void(int index)> OnClick;

private:
    QButtonGroup* Buttons;
    QGridLayout* Grid;
    int Selected = -1;

    void ButtonClicked(int index);
};
