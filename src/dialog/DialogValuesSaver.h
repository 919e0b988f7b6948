#pragma once

#include <string>
#include <vector>

#include "dialog/DialogValues.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {

struct DialogValuesSaveContext {
    std::string AlarmWordPath;
    std::string RecordedVoicePath;
};

struct DialogValuesSaveResult {
    bool Saved = false;
    std::string Error;  // Japanese, naming the file, when a write was refused
};

// Writes every key the dialog owns, in a fixed order, and then brings the
// live record in line with the values. `dayOfMonthList` is what the
// validation made of the 毎月 field. The no-alarm days of the months the
// user switched away from are taken from the live record, where the month
// box left them.
//
// A refused write stops the save at once: the keys written before it stay
// written, the live record is left alone, and the error names the file.
// When the recorded voice is missing the values fall back to speaking
// (HowTo 0) before it is stored.
DialogValuesSaveResult SaveDialogValues(IniFile& ini, DialogValues& form,
                                        const std::vector<int>& dayOfMonthList, Settings& live,
                                        const DialogValuesSaveContext& context);

// The live record's fields from the values, as the save does after writing.
// `musicFile` is the path stored for the selected music entry.
void ApplyDialogValuesToSettings(const DialogValues& form, const std::vector<int>& dayOfMonthList,
                                 const std::string& musicFile, Settings& live);

// A typed time of day on the fixed alarm date; 0 when a field is blank.
DateTime AlarmTimeFromFields(const AlarmTimeFields& fields);

}  // namespace velmora
