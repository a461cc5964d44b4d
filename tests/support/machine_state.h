// The parts of the Wine machine the Settings program changes: registry
// values, desktop folders and files, read and reset by tests. Texts and
// paths are UTF-8.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

// A string value as stored, or "<missing>".
std::string RegString(HKEY root, const std::string &key, const char *valueName);
bool RegKeyExists(HKEY root, const std::string &key);
std::vector<std::string> RegValueNames(HKEY root, const std::string &key);
std::vector<std::string> RegSubkeyNames(HKEY root, const std::string &key);
void RegWrite(HKEY root, const std::string &key, const char *valueName, const std::string &text);
void RegDeleteTree(HKEY root, const std::string &key);

// Removes every association of the four file types, machine-wide and for
// the user, and Explorer's records of them.
void ForgetAssociations();

// The all-users desktop and the user's own, as the shell folders name them.
std::string CommonDesktop();
std::string UserDesktop();
// Removes Quenlo.lnk and "Quenlo 64.lnk" from both desktops.
void RemoveShortcuts();

struct LinkInfo {
    bool Loaded = false;
    std::string Path, WorkingDirectory, IconFile, Description;
    int IconIndex = -1;
};
// Loads a link file through the shell's link object.
LinkInfo ReadShortcut(const std::string &linkFile);

bool FileExists(const std::string &path);
DWORD FileAttributes(const std::string &path);
// Creates a small file with the given attributes.
void MakeFile(const std::string &path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
// The folder of the system's libraries and the user's fonts folder.
std::string SystemFolder();
std::string FontsFolder();

// Points a predefined key at a key that no longer exists for as long as it
// lives, so that every write below that root fails.
class DeletedRootOverride {
  public:
    explicit DeletedRootOverride(HKEY root);
    ~DeletedRootOverride();

  private:
    HKEY Root;
    HKEY Gone = nullptr;
};
