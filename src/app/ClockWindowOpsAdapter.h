#pragma once

#include <string>

#include "app/ProgramParts.h"
#include "schedule/ClockWindowOps.h"

class QString;

namespace velmora {

class TClockForm;

// The clock window as the tick and the alarm work it.
class ClockWindowOpsAdapter final : public ClockWindowOps {
public:
    ClockWindowOpsAdapter(ProgramParts& parts, TClockForm& form) : parts_(parts), form_(form) {}

    bool Visible() const override;
    void Hide() override;
    void EnlargeForRinging() override;
    // The height follows from the stored width, so the dial keeps its shape.
    void RestoreNormalSize() override;
    void SetTopMost(bool topMost) override;
    void DrawHands(DateTime now) override;
    bool HandsMoveBy(DateTime moment) const override;
    void ApplyMouseHideRule() override;
    bool WatchesPointer() const override;
    void ApplyStoredFont() override;
    void SetHint(const std::string& hint) override;
    void SetAlarmLabel(const std::string& text) override;

    // The face name for the clock window, the about window and the settings
    // dialog, in that order; the clock is laid out anew.
    void ApplyFontName(const QString& face);
    // The clock in the middle of the screen.
    void CentreClock();
    // The usage hint at the end of the hint shown now changed (a tray came
    // or went).
    void ReplaceHelpHint(const std::string& oldHelp, const std::string& newHelp);

private:
    ProgramParts& parts_;
    TClockForm& form_;
    std::string hint_;
};

}  // namespace velmora
