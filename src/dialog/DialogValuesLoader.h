#pragma once

#include <string>

#include "dialog/DialogValues.h"
#include "settings/IniFile.h"
#include "settings/PhoneticConverter.h"
#include "settings/Settings.h"

namespace velmora {

// What filling the values needs besides the file.
struct DialogValuesLoadContext {
    const Settings& Live;  // the no-alarm days of the month shown come from here
    int CurrentMonth = 0;  // 0 = January
    std::string AlarmWordPath;
    std::string FallbackFontName;  // the desktop's menu font
    PhoneticConverter& Converter;
};

// The file name part of a stored path, as the sound lists show it.
std::string FileNamePart(const std::string& path);

// The sound files the user added to the two before-sound lists, read once
// when the dialog is created.
void LoadAddedSounds(const IniFile& ini, DialogValues& form);

// Fills the values from the settings file, in the order the dialog fills its
// controls. Without a file the values keep what it holds and false is
// returned. Stored numbers outside what a control can show are replaced by
// the control's default, so the values never hold an index past a list.
bool LoadDialogValues(const IniFile& ini, const DialogValuesLoadContext& context,
                      DialogValues& form);

}  // namespace velmora
