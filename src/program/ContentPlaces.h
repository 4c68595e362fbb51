#pragma once
// Where the question editor finds a portion's sources and writes what it makes of them.
//
//   sources      the portion's readable sources as the program ships them, with the scripture
//                text of the shipped build in text/ (the portion's folder + "source/": the
//                program folder's for the shipped portion; read-only)
//   coach        the coach's own questions, one folder per portion in the person-independent
//                data folder (DataDir + "Coach/<portion>/"), which a program update never touches
//   build        where a rebuild writes the content files: the program folder itself for a
//                build folder or portable copy (the portion's own folder, which is written
//                there anyway), the data folder
//                (DataDir + "Content/<portion>/") for an installed program, whose program
//                folder cannot be written
//
// An installed program loads a rebuild of the data folder only while it was made from the
// content files the program ships now: a program update brings new sources, and the rebuild
// of the older ones is set aside until the coach's next save.

#include "program/ProgramPaths.h"

#include <string>

namespace sv {

// The portion the program ships.
inline constexpr const char* ShippedPortionId = "shipped";

struct TContentPlaces {
    std::string SourcesDir;   // ends in "/"
    std::string TextCacheDir; // ends in "/"
    std::string CoachDir;     // ends in "/"
    std::string BuildDir;     // ends in "/"
    bool operator==(const TContentPlaces&) const = default;
};

TContentPlaces ContentPlacesOf(const TProgramPaths& paths, const std::string& portionId = ShippedPortionId);

// The portion is the one paths.PortionDir names (the program folder when it is empty).
// The folder whose content files the program loads (ends in "/"): the build folder when it
// holds a rebuild made from the content files now in the portion's folder, else that folder.
std::string ContentDirToLoad(const TProgramPaths& paths, const TContentPlaces& places);

// Notes in the build folder which shipped content files its rebuild was made from (nothing
// to note when the build folder is the program folder). Throws EFileError.
void NoteRebuildOrigin(const TProgramPaths& paths, const TContentPlaces& places);

} // namespace sv
