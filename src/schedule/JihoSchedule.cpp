#include "schedule/JihoSchedule.h"

#include "settings/SettingsLoader.h"

namespace velmora {
namespace {

long long TimeOfDayMs(DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    return ((time.hour * 60LL + time.minute) * 60LL + time.second) * 1000LL + time.msec;
}

}  // namespace

bool IsJihoMoment(const Settings& settings, DateTime t) {
    const TimeOfDay time = DecodeTime(t);
    if (time.second != 0) {
        return false;
    }
    switch (settings.JihoMode) {
        case 0:
            return settings.JihoInterval >= 1 && time.minute % settings.JihoInterval == 0;
        case 1: {
            const int hours = settings.JihoInterval / 60;
            return hours >= 1 && time.minute == 0 && time.hour % hours == 0;
        }
        default:
            return false;
    }
}

DateTime JihoCheckTime(const Settings& settings, DateTime now, bool preAnnounced,
                       int preAnnounceLead) {
    int aheadSeconds = 0;
    if (settings.SpeakBeforeSound) {
        aheadSeconds =
            preAnnounced ? kJihoToneLeadSeconds : preAnnounceLead + kPreAnnounceMarginSeconds;
    } else if (settings.JihoBeforeSoundNo == kJihoToneSound) {
        aheadSeconds = kJihoToneLeadSeconds;
    }
    return now + aheadSeconds / kSecondsPerDay;
}

int JihoVolumeNow(const Settings& settings, DateTime now) {
    // Ranges are set to the minute and both ends count, so the signal of the
    // end minute belongs to the range even though it starts a few
    // milliseconds after the minute turns: compare whole minutes.
    const long long clock = TimeOfDayMs(now) / 60'000 * 60'000;
    for (size_t i = 0; i < settings.JihoRangeStart.size(); ++i) {
        const DateTime start = settings.JihoRangeStart[i];
        const DateTime end = settings.JihoRangeEnd[i];
        if (start < 0 || end < 0) {
            continue;  // not in use
        }
        const long long from = TimeOfDayMs(start);
        const long long to = TimeOfDayMs(end);
        const bool inside =
            from <= to ? from <= clock && clock <= to : clock >= from || clock <= to;
        if (inside) {
            return settings.JihoRangeVolume[i];
        }
    }
    return settings.JihoVolume;
}

}  // namespace velmora
