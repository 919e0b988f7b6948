#pragma once

#include <string>
#include <vector>

#include "dialog/DialogActionServices.h"
#include "dialog/SettingsDialogTypes.h"

namespace velmora {

class TVelmoraSetteiForm;

// The three lists the user extends with files of their own: the sounds
// before the wake-up words, the sounds before the time signal and the
// wake-up music. Adding and deleting go to the settings file at once (the
// selection waits for OK); picking a sound plays it as a preview.
class SoundListEditor {
public:
    SoundListEditor(TVelmoraSetteiForm& dialog, const DialogActionServices& services);

    // "追加" and "目覚めの曲": the chosen files are listed, stored and the
    // last one selected (a sound is also played).
    void AddFiles(SoundList list);
    // The Delete key while the list has the focus.
    void DeleteSelected(SoundList list);
    // A sound picked in one of the two sound lists.
    void Preview(SoundList list, int index);

private:
    // The chosen files the settings file can hold; the others are named in
    // a message and left out.
    std::vector<std::string> StorablePaths(const std::vector<std::string>& chosen);
    bool StoreAdded(SoundList list, int first, const std::vector<std::string>& paths);
    void DeleteEntry(SoundList list, int index);

    TVelmoraSetteiForm& dialog_;
    const DialogActionServices& s_;
};

}  // namespace velmora
