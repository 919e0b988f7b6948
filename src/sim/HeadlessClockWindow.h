#pragma once

#include <string>

#include "schedule/ClockWindowOps.h"

namespace velmora {

// The clock window without a screen: it keeps the state the clock gives it.
class HeadlessClockWindow final : public ClockWindowOps {
public:
    explicit HeadlessClockWindow(bool visible) : visible_(visible) {}

    bool Visible() const override { return visible_; }
    void Hide() override { visible_ = false; }
    void Show() { visible_ = true; }
    void EnlargeForRinging() override {
        visible_ = true;
        enlarged_ = true;
        topMost_ = true;
    }
    void RestoreNormalSize() override { enlarged_ = false; }
    void SetTopMost(bool topMost) override { topMost_ = topMost; }
    void DrawHands(DateTime /*now*/) override { ++draws_; }
    void ApplyMouseHideRule() override {}
    void ApplyStoredFont() override { ++fontApplied_; }
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void SetAlarmLabel(const std::string& text) override { label_ = text; }

    bool Enlarged() const { return enlarged_; }
    bool TopMost() const { return topMost_; }
    long long Draws() const { return draws_; }
    int FontApplied() const { return fontApplied_; }
    const std::string& Hint() const { return hint_; }
    const std::string& Label() const { return label_; }

private:
    bool visible_;
    bool enlarged_ = false;
    bool topMost_ = false;
    long long draws_ = 0;
    int fontApplied_ = 0;
    std::string hint_;
    std::string label_;
};

}  // namespace velmora
