#pragma once

#include <string>
#include <vector>

#include "dialog/DialogValues.h"

namespace velmora {

// The fields the validation can send the user back to.
enum class FormFieldKind {
    None,
    DayHour,
    DayMinit,
    DaySecond,
    WeekHour,  // Index: weekday, 0 = Sunday
    WeekMinit,
    WeekSecond,
    Day,
    DayOfMonth,
    SnoozeMinit,
    JihoIntervalMinit,
    JihoIntervalHour,
    RangeStartHour,  // Index: range 0..2
    RangeStartMinit,
    RangeEndHour,
    RangeEndMinit,
    AlarmWordTest,
};

struct FormField {
    FormFieldKind Kind = FormFieldKind::None;
    int Index = 0;
    friend bool operator==(const FormField&, const FormField&) = default;
};

struct DialogValuesValidation {
    bool Passed = true;
    // On failure: the one message to show, the page to switch to, and the
    // field to put the focus on (when it can take it).
    std::string Message;
    int Page = kPageMain;
    FormField Field;
    // On success: the days typed for every month, for the save.
    std::vector<int> DayOfMonthList;
};

// Checks the hand-typed fields in a fixed order and stops at the first
// error, so that the user meets one message at a time, top to bottom.
DialogValuesValidation ValidateDialogValues(const DialogValues& form);

// The message for an unacceptable list of no-alarm days in `month` (1..12).
std::string MonthDaysMessage(int month);

}  // namespace velmora
