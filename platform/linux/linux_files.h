#pragma once

#include "platform/file_system.h"
#include "platform/private_files.h"

namespace keyloom {

// Files on Linux as a careful desktop program keeps them. A save writes a new file beside the
// old one, syncs it and its folder, renames it over the old one and syncs the folder again, so
// that a crash or power cut leaves the old file or the new one. A symbolic link is followed and
// its target replaced; a file keeps its permissions. A save that was killed halfway leaves a
// file that the next read or save of the same file removes.
FileSystem& LinuxFileSystem();
// Private files are created readable and writable by their owner alone from the first byte, in
// a folder that only the owner may enter.
PrivateFiles& LinuxPrivateFiles();

}  // namespace keyloom
