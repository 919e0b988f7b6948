#pragma once

#include "base/DateTime.h"
#include "settings/Settings.h"

namespace velmora {

// How early the built-in time-signal tone starts so that it ends on the mark.
inline constexpr int kJihoToneLeadSeconds = 3;
// Extra seconds before a pre-announcement, on top of its measured length.
inline constexpr int kPreAnnounceMarginSeconds = 6;

// Whether t is a time-signal mark: every JihoInterval minutes counted from
// the top of the hour (mode 0), or every JihoInterval / 60 hours counted
// from midnight (mode 1), during the whole second of the mark. An interval
// that cannot divide (below one minute, or below an hour in mode 1) marks
// nothing, nor does any other mode.
bool IsJihoMoment(const Settings& settings, DateTime t);

// The moment the tick tests for a mark: ahead of now by as much as the
// signal must start early, so that a tone or a pre-announcement ends on
// the mark. `preAnnounced` and `preAnnounceLead` (seconds) are the clock's
// record of the pre-announcement cycle.
DateTime JihoCheckTime(const Settings& settings, DateTime now, bool preAnnounced,
                       int preAnnounceLead);

// The time-signal volume for the time of day of `now`: the first volume
// range in use that holds it, else JihoVolume. Bounds are inclusive to the
// minute (22:00-06:00 holds 06:00:00.040); a range whose start lies after its
// end runs over midnight.
int JihoVolumeNow(const Settings& settings, DateTime now);

}  // namespace velmora
