#include "app/pages/EditScriptRunner.h"

#include "app/pages/PageAntennaController.h"
#include "app/pages/PageCabinetControllers.h"
#include "app/pages/PageCablingControllers.h"
#include "app/pages/PageInfoControllers.h"
#include "app/pages/PageUnitsController.h"
#include "model/SiteKODA.h"

namespace {

std::string Offered(const char* what, int value) {
    return std::string(what) + " " + std::to_string(value) + " is not offered by this cabinet";
}

} // namespace

CEditScriptRunner::CEditScriptRunner(CSiteKODA& site, IPageDocument& document)
    : m_site(site), m_cabType(std::make_unique<PageCabTypeController>(site, document)),
      m_cabUsage(std::make_unique<PageCabUsageController>(site, document)),
      m_units(std::make_unique<PageUnitsController>(site, document)),
      m_xcon(std::make_unique<PageBB2XconController>(site, document)),
      m_tx(std::make_unique<PageTXCablingController>(site, document)),
      m_rxMain(std::make_unique<PageRXCablingController>(site, document)),
      m_rxDiv(std::make_unique<PageRXDCablingController>(site, document)),
      m_antenna(std::make_unique<PageAntennaController>(site, document)) {}

CEditScriptRunner::~CEditScriptRunner() = default;

SEditResult CEditScriptRunner::Apply(const SEditOperation& op) {
    const int ringBefore = m_site.RingIndex();
    const int stepsBefore = m_site.UndoCount();
    std::string refusal;
    const auto& o = op.op;
    if (o == "cabinet-type") {
        const int type = *op.Field("type");
        if ((type < 0 || type > 3) && type != 6) {
            refusal = "cabinet type must be 0, 1, 2, 3 or 6";
        } else {
            m_cabType->ChooseType(type);
        }
    } else if (o == "cabinet-usage") {
        const SCabUsageChange change{op.Field("clockSync"), op.Field("lte"), op.Field("vswr"),
                                     op.Field("wcdma"), op.Field("mrc")};
        refusal = m_cabUsage->Refusal(change);
        if (refusal.empty()) {
            m_cabUsage->Apply(change);
        }
    } else if (o == "add-unit" || o == "modify-unit" || o == "remove-unit") {
        refusal = Units(op);
    } else if (o == "change-band") {
        const int band = *op.Field("band");
        if (!PageUnitsController::IsOfferedBand(band)) {
            refusal = "band " + std::to_string(band) + " is not one the unit page offers";
        } else {
            m_units->ChangeBand(band);
        }
    } else if (o == "reset-cross-connection") {
        m_xcon->Reset();
    } else if (o == "set-tx") {
        refusal = SetTx(op);
    } else if (o == "set-rx-main" || o == "set-rx-div") {
        refusal = SetRx(op, o == "set-rx-main");
    } else if (o == "clear-tx" || o == "clear-rx-main" || o == "clear-rx-div") {
        CCablingPageController& page = o == "clear-tx" ? static_cast<CCablingPageController&>(*m_tx)
                                       : o == "clear-rx-main"
                                           ? static_cast<CCablingPageController&>(*m_rxMain)
                                           : static_cast<CCablingPageController&>(*m_rxDiv);
        if (const int trx = OfferedTrx(op, refusal); trx > 0) {
            page.SelectTrx(trx);
            page.Clear();
        }
    } else if (o == "clear-all-tx") {
        m_tx->ClearAll();
    } else if (o == "clear-all-rx-main") {
        m_rxMain->ClearAll();
    } else if (o == "clear-all-rx-div") {
        m_rxDiv->ClearAll();
    } else if (o == "set-antenna") {
        refusal = SetAntenna(op);
    } else if (o == "clear-antenna") {
        const int antenna = *op.Field("antenna");
        if (!combo::Offers(m_antenna->Antennas(), antenna) || antenna == 0) {
            refusal = "there is no antenna " + std::to_string(antenna);
        } else {
            m_antenna->SelectAntenna(antenna);
            m_antenna->Clear();
        }
    } else if (o == "clear-all-antennas") {
        m_antenna->ClearAll();
    } else {
        refusal = "unknown operation \"" + o + "\"";
    }
    SEditResult result{refusal, {}};
    if (refusal.empty() &&
        (m_site.RingIndex() != ringBefore || m_site.UndoCount() != stepsBefore)) {
        result.label = m_site.GetKODA(kSelectCandidate)->Name();
    }
    return result;
}

std::string CEditScriptRunner::Units(const SEditOperation& op) {
    const int kind = *op.Field("kind");
    const int number = *op.Field("number");
    PageUnitsController& page = *m_units;
    if (kind == 0 || !combo::Offers(page.Kinds(), kind)) {
        return "unit kind " + std::to_string(kind) + " is not offered by this cabinet";
    }
    if (number < 1 || number > 13) {
        return "unit number must be 1-13";
    }
    page.Select(kind, number);
    std::string refusal;
    const std::string unitName = "unit " + std::to_string(kind) + "/" + std::to_string(number);
    if (op.op == "add-unit") {
        if (!page.AddEnabled()) {
            refusal = unitName + " is already part of the configuration";
        } else if (op.Has("slot") && *op.Field("slot") != number) {
            refusal = "a unit is added at its number; modify-unit moves it to another slot";
        } else if (!page.ChooseType(*op.Field("typeId"))) {
            refusal = "type " + std::to_string(*op.Field("typeId")) +
                      " is not offered for this kind at the configuration's band";
        } else {
            page.Add();
        }
    } else if (!page.ModifyEnabled()) {
        refusal = "there is no " + unitName + " in the configuration";
    } else if (op.op == "remove-unit") {
        page.Remove();
    } else {
        if (op.Has("typeId") && !page.ChooseType(*op.Field("typeId"))) {
            refusal = "type " + std::to_string(*op.Field("typeId")) +
                      " is not offered for this kind at the configuration's band";
        } else if (op.Has("slot") && *op.Field("slot") != number &&
                   !combo::Offers(page.Slots(), *op.Field("slot"))) {
            refusal = "slot " + std::to_string(*op.Field("slot")) + " is not offered for the unit";
        } else if (!combo::Offers(page.Types(), page.ChosenType())) {
            refusal = "the unit's type is not offered at the configuration's band; give typeId";
        } else {
            if (op.Has("slot")) {
                page.ChooseSlot(*op.Field("slot"));
            }
            page.Modify();
        }
    }
    page.Leave();
    return refusal;
}

int CEditScriptRunner::OfferedTrx(const SEditOperation& op, std::string& refusal) const {
    const int trx = *op.Field("trx");
    if (trx == 0 || !combo::Offers(m_tx->Trxs(), trx)) {
        refusal = "there is no TRX " + std::to_string(trx) + " in the configuration";
        return 0;
    }
    return trx;
}

std::string CEditScriptRunner::SetTx(const SEditOperation& op) {
    std::string refusal;
    const int trx = OfferedTrx(op, refusal);
    if (trx == 0) {
        return refusal;
    }
    PageTXCablingController& page = *m_tx;
    page.SelectTrx(trx);
    if (op.Has("path1") && !page.ChoosePath1(*op.Field("path1"))) {
        refusal = Offered("path1", *op.Field("path1"));
    } else if (op.Has("path2") && !page.ChoosePath2(*op.Field("path2"))) {
        refusal = Offered("path2", *op.Field("path2"));
    } else if (op.Has("combiner") && !page.ChooseCombiner(*op.Field("combiner"))) {
        refusal = Offered("combiner", *op.Field("combiner"));
    } else {
        page.Set();
    }
    page.SelectTrx(0);
    return refusal;
}

std::string CEditScriptRunner::SetRx(const SEditOperation& op, bool main) {
    std::string refusal;
    const int trx = OfferedTrx(op, refusal);
    if (trx == 0) {
        return refusal;
    }
    CRxCablingController& page = main ? static_cast<CRxCablingController&>(*m_rxMain)
                                      : static_cast<CRxCablingController&>(*m_rxDiv);
    page.SelectTrx(trx);
    if (op.Has("multicoupler") && !page.ChooseMulticoupler(*op.Field("multicoupler"))) {
        refusal = Offered("multicoupler", *op.Field("multicoupler"));
    } else if (op.Has("combiner") && !page.ChooseCombiner(*op.Field("combiner"))) {
        refusal = Offered("combiner", *op.Field("combiner"));
    } else {
        page.Set();
    }
    page.SelectTrx(0);
    return refusal;
}

std::string CEditScriptRunner::SetAntenna(const SEditOperation& op) {
    PageAntennaController& page = *m_antenna;
    const int antenna = *op.Field("antenna");
    if (antenna == 0 || !combo::Offers(page.Antennas(), antenna)) {
        return "there is no antenna " + std::to_string(antenna);
    }
    page.SelectAntenna(antenna);
    const bool vswr = op.Field("vswr").value_or(page.Vswr() ? 1 : 0) == 1;
    const bool cosite = op.Field("cosite").value_or(page.Cosite() ? 1 : 0) == 1;
    auto flag = [&](const char* name) {
        const auto v = op.Field(name);
        return !v || *v == 0 || *v == 1;
    };
    std::string refusal;
    if (!flag("vswr") || !flag("cosite")) {
        refusal = "vswr and cosite take 0 or 1";
    } else if (vswr && cosite) {
        refusal = "VSWR monitoring and a co-site powered MHA exclude each other";
    } else if (op.Has("connection") && !page.ChooseConnection(*op.Field("connection"))) {
        refusal = Offered("connection", *op.Field("connection"));
    } else if (op.Has("mha") && !page.ChooseMhaType(*op.Field("mha"))) {
        refusal = "mha must be 1, 2, 3 or 7";
    } else {
        // Either box is disabled while the other is ticked, so the one that goes off goes first.
        page.SetVswr(false);
        page.SetCosite(false);
        page.SetVswr(vswr);
        page.SetCosite(cosite);
        if (op.Has("attenuation") && !page.ChooseGain(*op.Field("attenuation"))) {
            refusal = "attenuation " + std::to_string(*op.Field("attenuation")) +
                      " is not a gain the page offers for this MHA type and connection";
        } else {
            page.Set();
        }
    }
    page.SelectAntenna(0);
    return refusal;
}
