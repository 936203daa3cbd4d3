#pragma once
// Making a found configuration the candidate, adapted to the BTS it was found for: what the BTS
// has not detected is planned, idle or left out, and the bands follow the BTS.

class CSiteKODA;
struct CSCFSite;

struct SApplyOptions {
    // Configure only the autodetected transceivers: units the BTS lacks become upgrade units or
    // are removed instead of only being marked idle.
    bool onlyAutodetected = true;
};

// Clears the candidate and, with a record, loads it and restricts it to the configuration
// currently in BTS. Without a record the candidate is left cleared. Returns false when the
// record could not be loaded (the candidate is then cleared). The caller pushes the undo step,
// tells the windows that the band changed and redraws.
bool ApplyFoundConfiguration(CSiteKODA& site, const CSCFSite* record, const SApplyOptions& options);

// The steps, for callers that need them alone.
void ClearCandidateForSearch(CSiteKODA& site);
void RestrictCandidateToBts(CSiteKODA& site, bool onlyAutodetected);
