#pragma once
// File and path helpers with the fatal-error convention: a data file the game needs and cannot
// open stops the program with a message naming the file.

#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/files.h"

// The path with "/" appended unless it already ends in "/" or "\"; "" gives "/".
std::string ccAddSlash(const std::string& path);
// The running program's path cut before its first ".app" (whole when there is none), a trailing
// ".debug" removed, then ".app" appended. The core derives its settings file name from it.
std::string ccAppFileNonDebug();
// 1 when the path names an existing file or folder, else 0.
int ccFileExists(const std::string& path);
// The file opened for reading; never null: when it cannot be opened, the fatal error
// "Error loading file " + path.
std::unique_ptr<platform::InStream> ccLoadFile(const std::string& path);
// The sound loaded with the audio layer's flags; never null: the fatal error
// "Error loading sample " + path.
platform::SoundRef ccLoadSample(const std::string& path, int flags);
