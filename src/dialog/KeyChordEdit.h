#pragma once

#include <QKeySequenceEdit>

namespace velmora {

// Whether a combination may be taken from every window: a plain or shifted
// letter would be lost to typing everywhere, so one of Ctrl, Alt and Meta
// is needed, except on the function keys and Pause.
bool UsableEverywhere(QKeyCombination keys);

// A field that records one key combination for a global shortcut. Unlike
// Qt's own field it leaves Tab and Shift+Tab to move the focus, so the
// dialog stays usable from the keyboard; Backspace or Delete alone clears
// it (no key), as does clear(), and a combination that may not be taken everywhere is
// refused, the field keeping what it had.
class KeyChordEdit final : public QKeySequenceEdit {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyChordEdit)

public:
    // `name` is what a screen reader says for the field.
    explicit KeyChordEdit(const QString& name, QWidget* parent = nullptr);

signals:
    // A combination was pressed that UsableEverywhere turns down.
    void refused();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Settle();

    // What the field held before the keys being recorded, to go back to.
    QKeySequence before_;
    bool recording_ = false;
};

}  // namespace velmora
