#include "dialog/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace velmora {

RadioGroup::RadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(6, 0, 6, 2);
    layout->setHorizontalSpacing(10);
    layout->setVerticalSpacing(2);
    const int count = static_cast<int>(items.size());
    const int perColumn = (count + columns - 1) / columns;
    for (int i = 0; i < count; ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.push_back(button);
        group_->addButton(button, i);
        layout->addWidget(button, i % perColumn, i / perColumn);
    }
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::itemClicked);
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    if (index >= 0 && index < Count()) {
        buttons_[static_cast<size_t>(index)]->setChecked(true);
    }
}

QRadioButton* RadioGroup::Button(int index) const {
    return buttons_.at(static_cast<size_t>(index));
}

void RadioGroup::AddBeside(int index, QWidget* widget, int column) {
    auto* grid = static_cast<QGridLayout*>(layout());
    widget->setParent(this);
    grid->addWidget(widget, index, column);
    grid->setColumnStretch(column + 1, 1);
}

}  // namespace velmora
