#include "ui/radio_group.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), Buttons(new QButtonGroup(this)), Grid(new QGridLayout(this))
{
    Grid->setContentsMargins(6, 2, 4, 2);
    Grid->setHorizontalSpacing(2);
    Grid->setVerticalSpacing(0);
    const int count = static_cast<int>(items.size());
    const int cols = std::max(columns, 1);
    const int rows = (count + cols - 1) / cols;
    for (int k = 0; k < count; ++k) {
        auto* button = new QRadioButton(items[k], this);
        // The lists are picked with the pointer; a focus frame would only
        // clutter them and keys are taken by the window anyway.
        button->setFocusPolicy(Qt::NoFocus);
        Buttons->addButton(button, k);
        Grid->addWidget(button, k % rows, k / rows);
    }
    connect(Buttons, &QButtonGroup::idClicked, this, [this](int id) { ButtonClicked(id); });
}

int TRadioGroup::ItemCount() const
{
    return static_cast<int>(Buttons->buttons().size());
}

int TRadioGroup::ItemIndex() const
{
    return Selected;
}

void TRadioGroup::SetItemIndex(int index)
{
    if (index < 0 || index >= ItemCount()) {
        // An exclusive group refuses to uncheck its checked button, so it is
        // made non-exclusive for the moment it takes to clear it.
        Buttons->setExclusive(false);
        if (QAbstractButton* checked = Buttons->checkedButton()) checked->setChecked(false);
        Buttons->setExclusive(true);
        Selected = -1;
        return;
    }
    Buttons->button(index)->setChecked(true);
    Selected = index;
}

QWidget* TRadioGroup::ItemButton(int index) const
{
    return Buttons->button(index);
}

void TRadioGroup::ButtonClicked(int index)
{
    // A click on the item already selected changes nothing, so it is no pick.
    if (index == Selected) return;
    Selected = index;
    if (OnClick) OnClick(index);
}
