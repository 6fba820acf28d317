#pragma once

class QString;

// Where the program keeps its data folder. Beside the executable when a
// `data` there exists already (the build tree, a portable copy, a folder
// carried over from Windows) or when the executable's folder may be written
// and is not an installed copy; otherwise in the per-user data location.
// Returns the folder that receives `data/`.
QString DataParentFolder(const QString& executableFolder, const QString& perUserFolder);

// Chooses the folder as above, makes the per-user location when it is the
// one, and fixes the data folder there. Returns the error text for the coach
// when the data folder cannot be made, or an empty text.
QString InitDataFolder(const QString& executableFolder, const QString& perUserFolder);

// True when the folder exists and may be written: the user may write it and
// its mode grants writing to someone (so a folder made read-only counts as
// read-only for the superuser too, as read-only files do in the store).
bool FolderIsWritable(const QString& folder);

// True when the executable lies in the bin folder of an installed tree: its
// launcher sits in ../share/applications.
bool IsInstalledCopy(const QString& executableFolder);
