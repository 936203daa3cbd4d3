#include "app/MissingInfoModel.h"

#include "files/ConfigInfoKODA.h"

std::array<SMissingSection, 4> MissingInformationSections(CConfigInfoKODA& info) {
    // Long lists wrap at 100 names a line; the dialog scrolls rather than cuts them.
    info.MissingInformation(100);
    static constexpr int kViews[4] = {2, 4, 5, 8};
    static constexpr const char* kHeadings[4] = {"Missing Units:\n", "Missing TX Cabling for:\n",
                                                 "Missing RX Main Cabling for:\n",
                                                 "Missing Antenna Settings for:\n"};
    std::array<SMissingSection, 4> sections;
    for (int i = 0; i < 4; ++i) {
        sections[i].viewType = kViews[i];
        sections[i].heading = kHeadings[i];
        std::string text;
        for (const std::string& line : info.Missing(i)) {
            text += (text.empty() ? "" : "\n") + line;
        }
        sections[i].text = text.empty() ? "OK" : text;
    }
    return sections;
}
