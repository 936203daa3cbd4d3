#pragma once
// Writes one configuration (a site record and one of its cabinets) as a configuration plan:
// builds the managed objects through the plan file object and saves it.

#include "files/SCFSite.h"
#include "files/SiteConfigFile.h"
#include "files/xml/XML_NodeFile.h"

class CHWInfoFile;

// Builds every managed object of the configuration into `file`'s pending objects, in the
// order a new plan lists them. `passive` may be null (no passive unit information).
void BuildXMLPlan(CXML_NodeFile& file, const CSCFSite& site, const CSCFCabinet& cabinet,
                  const CHWInfoFile* passive);

// Builds and saves. A file that already holds a plan keeps its other BTSs; the previous file
// survives any failure. On failure file.GetLastError() says why.
bool WriteXMLPlan(CXML_NodeFile& file, const CSCFSite& site, const CSCFCabinet& cabinet,
                  const CHWInfoFile* passive);

// Writes the first configuration of a configuration file with its first cabinet, as a save
// to a plan path does.
CSaveResult WriteXMLPlan(CXML_NodeFile& file, const CSiteConfigFile& configurations,
                         const CHWInfoFile* passive);
