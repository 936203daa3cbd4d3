#pragma once
// What the window's dossier is made of: the open document's candidate, its passive units, its
// cable colours and display options, and the configuration currently in BTS when one was
// fetched.

#include <string>

#include "app/dossier/DossierContent.h"
#include "app/dossier/PageFrame.h"

class CBTSConfigurationDoc;
class CViewBase;

// False when the document holds no Orvik configuration (nothing a dossier describes).
bool DossierSourceOf(CBTSConfigurationDoc& doc, SDossierSource& source);

// "<configuration name>.pdf" with what a file name cannot hold replaced, "Untitled.pdf"
// without a name.
std::string DossierFileName(const CBTSConfigurationDoc& doc);

// The band of a printed or exported view: the document's site and file, the configuration the
// views show with its software level, the time now and the program's version.
SPageFrame PageFrameOf(const CBTSConfigurationDoc& doc, const CViewBase& manager);
