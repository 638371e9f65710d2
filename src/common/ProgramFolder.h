#pragma once

#include <QString>

// The folder of the program's data files (help, cutting conditions, Comment.txt, Program): the
// executable's folder in the build tree, <prefix>/share/corvane when installed. No trailing
// separator; "/" separates.
QString ProgramFolder();

// Lets tests point the program at a folder of their own; an empty path restores the default.
// An installed folder is treated as the installed program folder is: never written.
void SetProgramFolder(const QString& folder, bool installed = false);

// The user's own data folder, $XDG_DATA_HOME/Corvane (normally ~/.local/share/Corvane). It holds
// the user's copies of the files a user changes: Comment.txt and the cutting-condition folder
// with its tables. Help pages and the example program are read from the program folder only.
QString UserDataFolder();

// A file or folder a user may change, named relative to the program folder (" cutting  condition
// /S45C.CSV"): the user's copy when there is one, else the program folder's.
QString ReadableDataFile(const QString& relative);

// Where such a file is written: the user's copy when there is one. When the program folder is the
// installed one, a first write makes that copy from the installed file (with the folders it
// needs); the installed file is never written. Run from the build tree, the program folder keeps
// its own files.
QString WritableDataFile(const QString& relative);

// A path as the program uses it: the user's copy of a file the user may change when the path names
// the program folder's and the user has a copy (a setting that names the installed table finds
// the user's edited one); any other path unchanged.
QString PreferUserCopy(const QString& path);

// Where writing the file at path goes: the user's copy (WritableDataFile) for a file the user may
// change that lies in the program folder; any other path unchanged.
QString WritablePath(const QString& path);
