#pragma once

#include <QString>
#include <optional>

struct TextDocumentKind;

// The main frame's open dialog for a kind of document: starts in the folder
// the kind remembers in prefs.db and remembers the chosen file's folder. The
// chosen file need not exist. Nothing, and nothing written, when cancelled.
std::optional<QString> ChooseTextDocument(const TextDocumentKind& kind);
