#pragma once

#include <string>

#include "settings/IniFile.h"
#include "settings/Settings.h"
#include "dialog/SettingsForm.h"
#include "settings/PhoneticConverter.h"

namespace velmora {

// What filling the form needs besides the file.
struct FormLoadContext {
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
void LoadAddedSounds(const IniFile& ini, SettingsForm& form);

// Fills the form from the settings file, in the order the dialog fills its
// controls. Without a file the form keeps what it holds and false is
// returned. Stored numbers outside what a control can show are replaced by
// the control's default, so the form never holds an index past a list.
bool LoadSettingsForm(const IniFile& ini, const FormLoadContext& context, SettingsForm& form);

}  // namespace velmora
