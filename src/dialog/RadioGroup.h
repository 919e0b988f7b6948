#pragma once

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace velmora {

// A titled group of radio buttons with one item index, laid out in columns
// that fill top to bottom. itemClicked comes from the user only, never
// from SetItemIndex.
class RadioGroup final : public QGroupBox {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(RadioGroup)

public:
    RadioGroup(const QString& title, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int ItemIndex() const;
    void SetItemIndex(int index);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QRadioButton* Button(int index) const;
    // Puts a widget on the row of a one-column group's item, in a column
    // after the buttons (1 upwards).
    void AddBeside(int index, QWidget* widget, int column);

signals:
    void itemClicked(int index);

private:
    QButtonGroup* group_;
    std::vector<QRadioButton*> buttons_;
};

}  // namespace velmora
