// Feeds arbitrary bytes to the plan loader and the plan reader, and saves what was read into
// a new plan in memory, so that every path from outside bytes to a site record is exercised.

#include "files/HWInfoFile.h"
#include "files/xml/ReadXML.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CXML_NodeFile file("");
    // Pick the last site, so that plans with several BTSs reach their other distNames.
    auto last = [](const CXML_NodeFile& f) -> std::optional<std::size_t> {
        return f.GetSiteList().size() - 1;
    };
    if (!file.LoadFromBuffer(bytes, false, last)) {
        return 0;
    }
    CReadXML reader(file);
    for (const auto& site : file.GetSiteList()) {
        reader.Summarise(site.distName);
    }
    CHWInfoFile passive;
    auto site = reader.Read(&passive);
    if (site) {
        XMLParameterList parameters;
        file.GetManagedObjectParameters("A/B", 3, parameters);
        file.RemoveCurrentBtsObjects();
    }
    file.SerializeTree();
    return 0;
}
