#pragma once

#include "formats/DocumentPath.h"

#include <string>

class ProfileBatch;
struct LocaleFormats;
struct PracticePlan;

// The .pln document: one profile section "Main", addressed by the full path.

// Path, name and folder of a plan bound to `path` (split at the last "/").
void SetPlanPath(PracticePlan& plan, const std::string& path);

// Noon written the way the locale writes times ("12:00", "12.00", "12 h 00"),
// so that it parses under that locale: the start time of a plan without one.
std::string DefaultPracticeTime(const LocaleFormats& formats);

// A new, never saved plan: `today` as its date, noon as the locale writes it,
// everything else empty.
void ResetToNewPlan(PracticePlan& plan, const std::string& today, const LocaleFormats& formats);

// Reads the file at plan.path into the plan (path, name and folder are kept)
// and computes its time spans. Missing values take their defaults: `today`
// for the date, DefaultPracticeTime() for the time. Reading never fails.
void LoadPlanFile(PracticePlan& plan, const std::string& today, const LocaleFormats& formats);

// Writes every key of the format, in its order, into `file`.
void WritePlanKeys(ProfileBatch& file, const PracticePlan& plan);

// Writes every key of the format to plan.path with one read and one atomic
// write of the file. Returns false, leaving the file as it was, when it could
// not be written. The changed flag is left to the caller.
bool SavePlanFile(const PracticePlan& plan);
