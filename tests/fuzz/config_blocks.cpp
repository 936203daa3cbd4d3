// Feeds arbitrary bytes to the decoders of the stored configuration blocks a BTS hands back and
// applies what they give to a configuration that has units of every kind the blocks touch; the
// same bytes as a reply to each fetch must be told apart as data or as the reason for none.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "comms/CommandHandler.h"
#include "comms/FirstConfigFile.h"
#include "comms/PassiveUnitRecords.h"
#include "comms/SecondConfigFile.h"
#include "model/DataBaseKODA.h"
#include "model/SiteKODA.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    CSiteKODA site;
    CDataBaseKODA db;
    db.CopyFrom(site.TemplateConfiguration());
    for (int kind : {kUnitKindDdu, kUnitKindRtc, kUnitKindMc2, kUnitKindWbc}) {
        auto unit = CSiteKODA::CreateUnitOfKind(kind);
        unit->SetNumber(1);
        db.AddUnit(std::move(unit));
    }

    for (int operation : {0, 1, 3, 4}) {
        int code = 0;
        const auto kind = CCommandHandler::FetchReplyKind(bytes, operation, code);
        const bool data = !CCommandHandler::DataOfReply(bytes, operation).empty();
        if ((kind == CCommandHandler::EReply::Answered) != data ||
            (kind == CCommandHandler::EReply::Refused) != (code > 0)) {
            std::abort();
        }
    }

    const blocks::SCrossConnectionBlock block = blocks::DecodeCrossConnectionBlock(bytes);
    if (auto first = blocks::DecodeFirstConfigFile(bytes)) {
        blocks::ApplyBb2Ids(db, *first);
        (void)blocks::IsInitialised(*first);
        blocks::ApplyFirstConfigFile(db, *first, &block);
        blocks::ConvertAttenuationClasses(db);
    }
    const blocks::SSecondConfigFile second = blocks::DecodeSecondConfigFile(bytes);
    if (second.hasHeader) {
        blocks::ApplySecondConfigFile(db, second);
    }
    (void)blocks::BuildSecondConfigFile(db);

    std::vector<CHWInfoSlotEntry> entries;
    if (blocks::DecodePassiveUnitBlock(bytes, entries)) {
        CHWInfoFile info;
        blocks::FillPassiveUnits(info, entries);
        if (info.FilledCount() > blocks::kPassiveMaxRecords) {
            std::abort();
        }
    }
    return 0;
}
