#pragma once

// Small file-system and shell helpers: showing a file in its folder, testing paths, creating
// folder paths, and the data folder that holds the settings file.

#include <functional>
#include <string>

namespace shell {

// Opens a folder window on the folder that holds path, with the item selected. False when the
// path does not exist (the shell is not asked) or when nothing could be opened. startRename asks
// for the item to be opened for renaming where the shell supports it.
bool OpenFolderAndSelect(const std::string& path, bool startRename = false);

// True when the path names an existing file or folder.
bool PathExists(const std::string& path);

// True when the path names an existing folder.
bool IsDirectory(const std::string& path);

// Creates every missing folder of a folder path, which may end in "/" or not. True when the whole
// folder path exists afterwards. The empty text stands for "/".
bool EnsureDirectory(const std::string& path);

// Makes sure the data folder under the run directory exists and answers the path of the
// settings file in it, which is neither created nor tested. The path is answered even when the
// folder could not be made; later writes to it then fail quietly.
std::string EnsureDataDirectory();

// How OpenFolderAndSelect shows an existing item; tests put a recorder here. An empty function
// restores the desktop's own.
using ShowItemInFolderFunction = std::function<bool(const std::string& path, bool startRename)>;
void SetShowItemInFolder(ShowItemInFolderFunction show);

}  // namespace shell
