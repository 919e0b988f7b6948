#pragma once

#include <string>

#include "clock/ClockHands.h"
#include "clock/ClockLayout.h"
#include "clock/ClockTime.h"
#include "schedule/ClockWindowOps.h"

namespace velmora {

// The clock window without a screen: it keeps the state the clock gives it,
// and its hands move as the program's do at the clock's first size.
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
    void DrawHands(DateTime now) override {
        ++draws_;
        const ClockTime time = ClockTimeAt(now);
        const ClockHands hands = ComputeClockHands(kLayout, time);
        moves_ += hands != shownHands_ || DateDiffers(time, shownTime_) ? 1 : 0;
        shownTime_ = time;
        shownHands_ = hands;
    }
    bool HandsMoveBy(DateTime moment) const override {
        if (!visible_) {
            return false;
        }
        const ClockTime time = ClockTimeAt(moment);
        return DateDiffers(time, shownTime_) || ComputeClockHands(kLayout, time) != shownHands_;
    }
    void ApplyMouseHideRule() override {}
    bool WatchesPointer() const override { return false; }
    void ApplyStoredFont() override { ++fontApplied_; }
    void SetHint(const std::string& hint) override { hint_ = hint; }
    void SetAlarmLabel(const std::string& text) override { label_ = text; }

    bool Enlarged() const { return enlarged_; }
    bool TopMost() const { return topMost_; }
    long long Draws() const { return draws_; }
    // Draws that changed what the clock shows.
    long long Moves() const { return moves_; }
    int FontApplied() const { return fontApplied_; }
    const std::string& Hint() const { return hint_; }
    const std::string& Label() const { return label_; }

private:
    inline static const ClockLayout kLayout = ComputeClockLayout(kDesignWidth, kDesignHeight);
    bool visible_;
    ClockTime shownTime_;
    ClockHands shownHands_;
    bool enlarged_ = false;
    bool topMost_ = false;
    long long draws_ = 0;
    long long moves_ = 0;
    int fontApplied_ = 0;
    std::string hint_;
    std::string label_;
};

}  // namespace velmora
