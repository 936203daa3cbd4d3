#pragma once
// The site of the older Selmo family, carried as far as the tool still needs it: one cabinet
// with its interface and fan units.

#include "model/CabinetTARN.h"
#include "model/DataBaseTARN.h"
#include "model/Site.h"
#include "model/UnitsTARN.h"

class CCableGuyTARN : public CCableGuy {
public:
    using CCableGuy::CCableGuy;
};

class CSiteTARN : public CSite {
public:
    explicit CSiteTARN(ISiteHost* host = nullptr, IPrompt* prompt = nullptr) : CSite(host, prompt) {
        CDataBase* db = GetConfiguration(kSelectCandidate);
        db->SetMainCabinet(std::make_unique<CCabinetTNormal>());
        auto vif = std::make_unique<CUnitTVIF>();
        vif->SetNumber(1);
        db->AddUnit(std::move(vif));
        auto fan = std::make_unique<CUnitTFAN>();
        fan->SetNumber(1);
        db->AddUnit(std::move(fan));
        SetCableGuy(std::make_unique<CCableGuyTARN>(*this));
    }

    // The transceiver of that number in the configuration of the selector; nullptr when absent.
    CUnitTTRX* FindTrx(int number, int selector = kSelectCandidate);

    // Pairs two transceivers for RX diversity: each records the other, and partners they had
    // before are left without a pair, so no transceiver ends up in two pairs. A pair of 0 or
    // less, or the transceiver itself, clears its pair (and its partner's). False when a
    // transceiver is missing; nothing changes then. Undo steps are the caller's.
    bool SetDiversityPair(int trx, int pair, int selector = kSelectCandidate);
    // Clears every pair; the number of transceivers that had one.
    int ClearDiversityPairs(int selector = kSelectCandidate);

    std::string KindName(int kind) const override {
        switch (kind) {
        case kUnitKindTrx:
            return "Transceiver";
        case kUnitKindPwr:
            return "Power Supply";
        case kUnitKindTre:
            return "Transmission";
        case kUnitKindExternal:
            return "Outer Units";
        default:
            return {};
        }
    }

protected:
    std::unique_ptr<CDataBase> CreateDataBase() const override {
        return std::make_unique<CDataBaseTARN>();
    }
};
