#pragma once

#include <QLineEdit>

namespace velmora {

// A short edit for a whole number: digits only, right-aligned, with the
// input method off so that a Japanese keyboard types ASCII digits at once.
class NumericEdit final : public QLineEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumericEdit)

public:
    explicit NumericEdit(const QString& text, QWidget* parent = nullptr, int digits = 2);
};

}  // namespace velmora
