// Language packs: a file LanguageFolder + pack name + ".CMP" bundling the files of one
// language, unpacked into the folder LanguageFolder + pack name.
//
// A line whose first six characters are "BOF ->" starts a section; the section's lines
// follow it up to the next such line or the end of the pack, and the marker lines are not
// written anywhere. A section's file name is the rest of its marker line after "BOF ->",
// with blanks and tabs removed at both ends ("BOF -> English.ln3" names English.ln3).
// Lines before the first marker open the first section's file. A name that could leave
// the pack's folder (empty, holding "/" or "\", or holding "..") is refused: that section
// is skipped with a warning box and the others are still written. Written files end their
// lines with CR LF.
#pragma once

#include <string>

// True when LanguageFolder holds the pack of `language` (start-up unpacks only then). The
// ".CMP" ending is matched without regard to case, here and when unpacking.
bool HasLanguagePack(const std::string& language);

// Unpacks every pack in LanguageFolder, in name order, and deletes each pack once it is
// unpacked. A pack that cannot be read or written stops the unpacking with a warning box;
// it and the packs after it stay on disk for the next start. Shows the wait cursor.
void UnpackLanguagePacks();
