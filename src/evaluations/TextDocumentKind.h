#pragma once

#include "report/PrintoutInfo.h"

#include <array>
#include <string_view>

// What tells a game evaluation from a scouting report: one row of texts, keys
// and places. The window, the file code and the printout exist once and take
// one of these rows.
struct TextDocumentKind
{
    // The two one-line values, in the order the file lists them.
    enum class HeadKey
    {
        Date,
        Team
    };

    // The file.
    std::string_view section;         // "Evaluation"
    std::string_view teamKey;         // "Opponent" or "Team"
    std::array<HeadKey, 2> headOrder; // keys before "NumLines"
    std::string_view extension;       // "gev", without the dot

    // The window.
    std::string_view caption; // "Evaluation"
    int clientWidth;
    int clientHeight;
    int buttonLeft;
    std::string_view dateLabel;     // "&Date of Evaluation"
    std::string_view textLabel;     // "&Evaluation"
    std::string_view dateFieldName; // "EvalDate"
    std::string_view textFieldName; // "Evaluation"
    const char* positionSection;    // window position in prefs.db
    int helpTopic;

    // Messages.
    std::string_view noDateMessage;
    std::string_view cancelQuestion;
    std::string_view notSavedMessage; // after "Cannot write the file <path>.  "

    // The main frame's open dialog and the folder it remembers.
    std::string_view openTitle;
    std::string_view openFilter;
    std::string_view folderKey; // in section "General" of prefs.db

    // The per-user list of the kind's recent documents, and its submenu.
    std::string_view recentList; // "Evaluations"
    std::string_view recentMenu; // "Recent E&valuations"

    // The save dialog.
    std::string_view saveTitle;
    std::string_view saveFilter;

    // The printout.
    PrintoutInfo printout;
    std::string_view printDateLabel; // "Evaluation Date: "
    std::string_view printTeamLabel; // "Opponent: "
};

extern const TextDocumentKind GameEvaluationKind;
extern const TextDocumentKind ScoutingReportKind;
