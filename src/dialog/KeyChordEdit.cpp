#include "dialog/KeyChordEdit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTranslator>

namespace velmora {
namespace {

// Qt's field writes its hint in English, and the program ships no Qt
// translations: this one text is given in Japanese.
class KeyChordTexts final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (qstrcmp(context, "QKeySequenceEdit") == 0 && qstrcmp(source, "Press shortcut") == 0) {
            return QStringLiteral("キーを押してください");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

void InstallTexts() {
    static KeyChordTexts texts;
    static const bool installed = QCoreApplication::installTranslator(&texts);
    Q_UNUSED(installed);
}

}  // namespace

bool UsableEverywhere(QKeyCombination keys) {
    const Qt::Key key = keys.key();
    if (key == Qt::Key_unknown) {
        return false;
    }
    const bool functionKey = (key >= Qt::Key_F1 && key <= Qt::Key_F35) || key == Qt::Key_Pause;
    return functionKey || keys.keyboardModifiers().testAnyFlags(Qt::ControlModifier |
                                                                Qt::AltModifier | Qt::MetaModifier);
}

// The texts go in before Qt's field is built: it writes its hint then.
KeyChordEdit::KeyChordEdit(const QString& name, QWidget* parent)
    : QKeySequenceEdit((InstallTexts(), parent)) {
    // The keyboard focus rests on the line edit inside, so it is the one
    // a screen reader names.
    setAccessibleName(name);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setAccessibleName(name);
    }
    connect(this, &QKeySequenceEdit::editingFinished, this, &KeyChordEdit::Settle);
}

bool KeyChordEdit::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plainTab = (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
                              (key->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
        if (plainTab) {
            // Some Qt versions record Tab in the field, so the field's own
            // handling is passed over on purpose; the dialog needs Tab to
            // move on.
            // NOLINTNEXTLINE(bugprone-parent-virtual-call)
            return QWidget::event(event);
        }
    }
    return QKeySequenceEdit::event(event);
}

void KeyChordEdit::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete) &&
        event->modifiers() == Qt::NoModifier) {
        clear();
        return;
    }
    if (!recording_) {
        // Qt's field empties itself at the first key of a recording.
        before_ = keySequence();
        recording_ = true;
    }
    QKeySequenceEdit::keyPressEvent(event);
}

// Qt's field goes on recording up to four chords, and a modifier pressed
// and let go alone leaves it empty; a global key is one whole chord.
void KeyChordEdit::Settle() {
    if (!recording_) {
        return;
    }
    recording_ = false;
    const QKeySequence keys = keySequence();
    if (keys.isEmpty()) {
        setKeySequence(before_);
        return;
    }
    if (!UsableEverywhere(keys[0])) {
        setKeySequence(before_);
        emit refused();
        return;
    }
    if (keys.count() > 1) {
        setKeySequence(QKeySequence(keys[0]));
    }
}

}  // namespace velmora
