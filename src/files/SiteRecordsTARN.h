#pragma once
// Moving a Selmo configuration into and out of the records of a site configuration file. The
// Selmo model holds much less than its records carry, so a record it was read from keeps every
// value but those the model edits.

class CSiteTARN;
struct CSCFSite;

// Builds the candidate from cabinet `cabinetIndex` of the record: the cabinet's units by their
// Selmo type, the transmission units of the TRE block, the radio hops and the transceivers of
// the TRX cabling records with their diversity pairs as the file gives them.
bool BuildSiteFromRecordTARN(CSiteTARN& site, const CSCFSite& record, int cabinetIndex);

// Stores the candidate. A Selmo record with a cabinet (the one the candidate was read from, or
// a copy of it) only takes the diversity pairs of its TRX cabling records and the cabinet's
// description; any other record is filled completely from the model. False, with the record
// unchanged, when the site has no candidate or holds a unit the file cannot carry.
bool CopySiteIntoRecordTARN(CSiteTARN& site, CSCFSite& record);
