#pragma once

#include <QStringList>

// The per-user lists of the documents used last, one per kind, kept in the
// same settings as the first-run flag: a document counts once it is loaded
// from its file or saved to it, however it was opened.

// The list of plans; evaluations and scouting reports name theirs in their kind.
inline constexpr const char* RecentPlans = "Plans";

// The most recent first, at most eight, each file once.
QStringList RecentDocuments(const QString& list);
// Puts the file at `path` at the head of `list`; a path with no file is left out.
void NoteRecentDocument(const QString& list, const QString& path);
void ForgetRecentDocument(const QString& list, const QString& path);
void ClearRecentDocuments(const QString& list);
