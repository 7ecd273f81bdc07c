#pragma once

#include <QString>

// Where the files of the program folder are found, and where the ones the program rewrites
// ("setutei.kxt", "jyouken.DATA", "zeiritu.ini") go when the program folder cannot take them.
//
// An installed program lives in a folder the user cannot write (/usr/share/solvara). The files the
// user saves from there land in the user's configuration folder instead, and every reader looks
// there first, so a saved value is the one read at the next start. A program folder the user can
// write (a copy beside the binaries) keeps its files as they always were.
namespace programfiles {

// The program folder, ending with a separator: `override` when given; otherwise the folder of the
// running program when it holds the standard values, else the installed data folder beside it
// (<prefix>/share/solvara for a program in <prefix>/bin).
QString programFolder(const QString &override = {});

// The user's folder for the program's own files, ending with a separator: the application
// configuration folder of the program named "solvara" (~/.config/solvara/), the same for the
// desktop program and solvara-cli.
QString userFolder();

// Where `fileName` of the program folder is read: the user's copy when there is one, else the
// program folder's file.
QString readPath(const QString &programFolder, const QString &fileName);

// Where `fileName` is written: the program folder while the user has no copy of the file and the
// program folder is writable; otherwise the user's copy (its folder is created). Once a user copy
// exists it is always the one written, so what is read never lags behind what was saved.
QString writePath(const QString &programFolder, const QString &fileName);

enum class Place { ProgramFolder, UserFolder };

// The rule behind writePath, for a program folder whose state is known.
Place writePlace(bool userCopyExists, bool programFolderWritable);

} // namespace programfiles
