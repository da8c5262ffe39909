// Writing a file that holds secrets (passwords the user saves, the settings): it is readable
// and writable by its owner only, and it is written completely or not at all.
#pragma once

#include <sys/types.h>
#include <wx/string.h>

#include <string_view>

// The steps of replacing a file, in their order.
enum class orlFileStep {
    CreateTemporary,  // the new file, beside the old one
    Write,            // the bytes into the new file
    SyncFile,         // the new file's bytes to the disk
    Rename,           // the new file over the old one
    SyncDirectory,    // the directory's new entry to the disk
};

// What the replacing of a file learns from the system, and a say before each of its steps:
// tests watch the steps, make one fail or end the process there, and stand in for the user.
class orlFileSteps {
  public:
    orlFileSteps() = default;
    virtual ~orlFileSteps() = default;
    orlFileSteps(const orlFileSteps&) = delete;
    orlFileSteps& operator=(const orlFileSteps&) = delete;

    // The user the file is written for (the effective user of the process).
    virtual uid_t GetUserId() const;
    // Asked before each step; false makes the step fail as if the system had refused it.
    virtual bool Allow(orlFileStep step);
};

// The steps every replacing of a file goes through from now on; null puts the system's own
// back. The caller keeps the object alive while it is in use.
void orlSetFileSteps(orlFileSteps* steps);

// Writes the bytes to a new file beside `path`, flushes it to the disk, renames it over `path`
// and flushes the directory, so that `path` holds the old bytes or the new ones, whole, at
// every moment. The new file is created readable and writable by its owner only, whatever the
// umask, and named ".tessarin-save-" with six letters or digits; a file it replaces passes on
// its permissions where they are stricter. When `path` is a symbolic link, the file it points
// to is replaced and the link kept; a link in a sticky directory that everyone may write is
// followed only when it belongs to the directory's owner or to the user. Before writing, the
// temporary files of saves into the same directory that were killed are removed: those of
// this user that no running save holds locked.
// False when `path` stands for something other than a plain file (a directory, a pipe, a
// device, directly or through a link), when a link may not be followed, or when any step
// fails: `path` is then left as it was and the new file is removed.
bool orlWritePrivateFile(const wxString& path, std::string_view bytes);
