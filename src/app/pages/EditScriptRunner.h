#pragma once
// Applies edit script operations to a site through the same page controllers the property sheet
// uses, so that a scripted edit and the same clicks give the same configuration.

#include <memory>
#include <string>

#include "files/EditScript.h"

class CSiteKODA;
class IPageDocument;
class PageAntennaController;
class PageBB2XconController;
class PageCabTypeController;
class PageCabUsageController;
class PageRXCablingController;
class PageRXDCablingController;
class PageTXCablingController;
class PageUnitsController;

struct SEditResult {
    // Empty when the operation was applied; otherwise why it was refused (nothing changed).
    std::string refusal;
    // The undo label of the step it recorded; empty when it changed nothing.
    std::string label;
};

class CEditScriptRunner {
public:
    // The site's prompt answers the pages' questions; Clear All asks one.
    CEditScriptRunner(CSiteKODA& site, IPageDocument& document);
    ~CEditScriptRunner();

    SEditResult Apply(const SEditOperation& op);

private:
    std::string Units(const SEditOperation& op);
    std::string SetTx(const SEditOperation& op);
    std::string SetRx(const SEditOperation& op, bool main);
    std::string SetAntenna(const SEditOperation& op);
    // The TRX the operation names when the cabling pages offer it; 0 otherwise.
    int OfferedTrx(const SEditOperation& op, std::string& refusal) const;

    CSiteKODA& m_site;
    std::unique_ptr<PageCabTypeController> m_cabType;
    std::unique_ptr<PageCabUsageController> m_cabUsage;
    std::unique_ptr<PageUnitsController> m_units;
    std::unique_ptr<PageBB2XconController> m_xcon;
    std::unique_ptr<PageTXCablingController> m_tx;
    std::unique_ptr<PageRXCablingController> m_rxMain;
    std::unique_ptr<PageRXDCablingController> m_rxDiv;
    std::unique_ptr<PageAntennaController> m_antenna;
};
