#pragma once
// What the window's dossier is made of: the open document's candidate, its passive units, its
// cable colours and display options, and the configuration currently in BTS when one was
// fetched.

#include <string>

#include "app/dossier/DossierContent.h"

class CBTSConfigurationDoc;

// False when the document holds no Orvik configuration (nothing a dossier describes).
bool DossierSourceOf(CBTSConfigurationDoc& doc, SDossierSource& source);

// "<configuration name>.pdf" with what a file name cannot hold replaced, "Untitled.pdf"
// without a name.
std::string DossierFileName(const CBTSConfigurationDoc& doc);
