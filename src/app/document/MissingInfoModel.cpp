#include "app/document/MissingInfoModel.h"

#include "files/ConfigInfoKODA.h"

std::array<SMissingSection, 4> MissingInformationSections(CConfigInfoKODA& info) {
    // The names as the summary joins them, ", " between them and a break after every 100; the
    // dialog scrolls rather than cuts a long list.
    info.MissingInformation(100);
    static constexpr int kViews[4] = {2, 4, 5, 8};
    static constexpr const char* kHeadings[4] = {"Missing Units:\n", "Missing TX Cabling for:\n",
                                                 "Missing RX Main Cabling for:\n",
                                                 "Missing Antenna Settings for:\n"};
    std::array<SMissingSection, 4> sections;
    for (int i = 0; i < 4; ++i) {
        sections[i].viewType = kViews[i];
        sections[i].heading = kHeadings[i];
        sections[i].text = info.Missing(i).empty() ? "OK" : info.MissingNames(i);
    }
    return sections;
}
