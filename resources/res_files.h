// The resource files of the bundle's init.component folder, by name: the
// loaders read these names and the generators write them, so a renamed file
// changes both sides at once.
#pragma once

#include <string>

#define RES_DIR "Tessaloom.app/Contents/Resources/init.component/"

// Glyph sheets by face (highlight, normal) and size (8, 16 pixel squares).
constexpr const char* RES_FONTS[2][2] = {{"iFC06.dat", "iFC12.dat"}, {"iFD06.dat", "iFD12.dat"}};
constexpr const char* RES_MUSIC[] = {"BGM0.dat", "BGM1.dat", "BGM2.dat"};
// The step cue, the five confirm cues in turn, cancel and pane switch.
constexpr const char* RES_EFFECTS[] = {"seC00.dat",   "seC01_0.dat", "seC01_1.dat", "seC01_2.dat", "seC01_3.dat",
                                       "seC01_4.dat", "seC01_5.dat", "seC02.dat",   "seD00.dat"};

// Where a resource file is found from the bundle's folder.
inline std::string res_path(const char* name)
{
    return std::string(RES_DIR) + name;
}
