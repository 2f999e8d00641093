// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace brimlet {

class Progress;

// Folder and NotAFile (a FIFO, a device) are both refused at once, before
// anything is read, so a read neither blocks nor runs forever. TooLarge is
// a file past largestLoadableFile(), refused before anything is allocated.
enum class ReadStatus { Ok, Missing, IsFolder, NotAFile, TooLong, TooLarge, Unreadable };

struct FileRead {
  ReadStatus status = ReadStatus::Missing;
  std::string bytes;
  bool cut = false;  // the file went on past the bytes asked for
};

// Paths are the program's Windows-1252 text; each function hands the system
// the file-name codec's form of it. A path holding a NUL names no file: the
// system would end it there and so reach another one. The SystemPath
// overloads and stageSystemFile take the system's own bytes instead,
// for paths that never were the program's text (a command line's, a listed
// entry's).

// A path in the system's own bytes, handed over as it is: for entries the
// program listed itself, whose display names may have lost characters.
struct SystemPath {
  std::string bytes;
};

// Reads a regular file whole, byte for byte, or its first `atMost` bytes.
[[nodiscard]] FileRead readWholeFile(const std::string& path, size_t atMost = SIZE_MAX);
[[nodiscard]] FileRead readWholeFile(const SystemPath& path, size_t atMost = SIZE_MAX);
// The same for a file a user waits for: the bytes read so far go to
// `progress` piece by piece, each piece a cancel point.
[[nodiscard]] FileRead readWholeFile(const std::string& path, Progress& progress);

// The log line for a read that failed: "datei existiert nicht",
// "keine gültige datei" (a folder or no regular file), "pfad zu lang",
// "datei zu groß", "fehler beim lesen".
[[nodiscard]] std::string readFailureText(ReadStatus status);

// What a read of `path` would meet, looked up without opening it: Ok for a
// file of any kind, else Missing, IsFolder, TooLong or Unreadable.
[[nodiscard]] ReadStatus fileStatus(const std::string& path);

// Saves `bytes` as the file `path` names; a symbolic link is followed and
// the file it names gets the text. False, with the file left alone, when it
// is a folder or no regular file, or when the process may not write it
// (root included: a file without any write permission is not replaced).
//
// Normally the text goes to a temporary file beside the target, is flushed,
// takes the old file's mode (and owner, where the process may) and is
// renamed over it, and the folder is flushed; any failure before the rename
// leaves the old file as it was. A file with other hard links, or one beside
// which no temporary file can be made, is written in place so every link
// sees the text: the space is reserved first, so a full disk leaves it as
// it was; a fault of the disk during the write itself can still leave it
// part-written, and is reported. A new file gets 0666 less the umask.
//
// With Durability::System the file and folder are not flushed: the text is
// handed to the system, which writes it out in its own time, as a shell
// redirection does. The old file is still replaced in one step. Meant for
// output files of scripted runs, where the flush of a large text would cost
// more than the whole run; a user's own file is saved with Durability::Disk.
enum class Durability { Disk, System };
[[nodiscard]] bool writeWholeFile(const std::string& path, std::string_view bytes,
                                  Durability durability = Durability::Disk);
[[nodiscard]] bool writeWholeFile(const SystemPath& path, std::string_view bytes,
                                  Durability durability = Durability::Disk);

// writeWholeFile in its steps, for a caller that flushes many files
// together: stage each (the text in a temporary file beside its target,
// with the old file's mode and owner, not yet flushed), flush them all,
// place them (rename over their targets), then flush each folder once.
// A file that is written in place (other hard links, no room for a
// temporary file) is done at once and flushed as `durability` says.
struct StagedFile {
  int fd = -1;
  std::string temporary;
  std::string target;  // the file behind any symbolic links
};
enum class StageResult { Staged, Written, Failed };
[[nodiscard]] StageResult stageSystemFile(const std::string& systemPath, std::string_view bytes,
                                          StagedFile& staged,
                                          Durability durability = Durability::Disk);
[[nodiscard]] bool flushStaged(const StagedFile& staged);
// Closes the temporary file, keeping it staged; false when the close failed.
[[nodiscard]] bool closeStaged(StagedFile& staged);
// Closes (if still open) and renames; the temporary file is removed when
// that fails.
[[nodiscard]] bool placeStaged(StagedFile& staged);
void discardStaged(StagedFile& staged);
[[nodiscard]] bool flushFolderOf(const std::string& path);

// Saves `bytes` as a new file under the name `path`, flushed like
// writeWholeFile: a symbolic link there is replaced, not followed, and
// other hard links of an old file keep its old text, so nothing but this
// name changes. An old regular file's mode is kept. False, with nothing
// changed, when the name holds a folder, FIFO, device or socket.
[[nodiscard]] bool replaceFile(const SystemPath& path, std::string_view bytes);

}  // namespace brimlet
