#pragma once
// Where the site model meets the site configuration file: moving a site's candidate into and
// out of a site record, and saving a site into its file. The model knows no file format, so
// the whole mapping lives here, one family at a time.

#include <string>

class CSite;
class CSiteKODA;
class CSiteConfigFile;
struct CSaveResult;
struct CSCFSite;

// Builds the candidate from cabinet `cabinetIndex` of the record. False when the site's family
// keeps no site records, the site has no candidate or the record has no such cabinet.
bool BuildSiteFromRecord(CSite& site, const CSCFSite& record, int cabinetIndex);
// Stores the candidate into the record. False when the family keeps no site records or the
// site has no candidate; the record is then unchanged.
bool CopySiteIntoRecord(CSite& site, CSCFSite& record);

// Stores the candidate into `record`, the document's site record (a new one is added to the
// file and handed back there when the document has none), and writes the file. A record that
// could not be filled is dropped again and nothing is written.
CSaveResult SaveSite(CSite& site, CSiteConfigFile& file, CSCFSite*& record,
                     const std::string& path);

// Keeps a document's site record in step with a unit that left the candidate for good: a
// transmission unit's TRE record goes with it. Other units are written afresh on every save.
void ForgetUnitRecord(CSCFSite& record, int kind, int number);

// The Orvik mapping.
bool BuildSiteFromRecordKODA(CSiteKODA& site, const CSCFSite& record, int cabinetIndex);
bool CopySiteIntoRecordKODA(CSiteKODA& site, CSCFSite& record);
