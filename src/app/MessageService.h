#pragma once

#include <QString>

namespace velmora {

// Message and question boxes go through this, so a test can answer them
// instead of fighting a modal loop.
class MessageService {
public:
    // None: a plain notice, the text alone.
    enum class Icon { None, Information, Warning, Error };
    virtual ~MessageService() = default;
    virtual void Show(const QString& caption, const QString& text, Icon icon) = 0;
    // true for Yes.
    virtual bool Ask(const QString& caption, const QString& text) = 0;
};

// Real boxes on the desktop.
class BoxMessageService final : public MessageService {
public:
    void Show(const QString& caption, const QString& text, Icon icon) override;
    bool Ask(const QString& caption, const QString& text) override;
};

}  // namespace velmora
