// Uplink messages come from the BTS as they are: after a BTS that reported itself properly,
// any message type with any body must leave the object model consistent and never read past
// the message.
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "comms/UpLinkMessageParser.h"
#include "model/BtsConfiguration.h"
#include "model/SiteKODA.h"
#include "sim/SimBtsModel.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class CFuzzHost : public IBtsHost {
public:
    CSite* Site() override { return &site; }
    CSiteKODA site;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CBtsConfiguration::Drop();
    {
        CFuzzHost host;
        CCommunicationBTS hub;
        CMMIServ server(hub);
        server.SetHost(&host);
        CUpLinkMessageParser parser(server);
        const SSimBtsModel model = SSimBtsModel::Default();
        parser.Parse(simmsg::BtsReported(model));
        parser.Parse(simmsg::DeviceStatus(model));

        // The first byte picks the message type; the rest are its elements.
        if (size > 0) {
            std::vector<uint8_t> message{data[0], 0, 0, 0};
            message.insert(message.end(), data + 1, data + size);
            parser.Parse(message);
        }
        // And the bytes as a whole message, BTS reports included.
        parser.Parse(std::vector<uint8_t>(data, data + size));
        parser.HandleTrxType(std::vector<uint8_t>(data, data + size));
        for (const auto& object : server.Objects().Objects()) {
            if (server.Objects().FindById(object->id) != object.get()) {
                __builtin_trap();
            }
        }
    }
    CBtsConfiguration::Drop();
    return 0;
}
