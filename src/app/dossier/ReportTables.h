#pragma once
// The configuration report cut into its sections as tables, so that a printed document can
// set it in columns instead of the padded text of the ".hwr" file. The report itself stays the
// one source of what the sections say.

#include <string>
#include <vector>

class CReportBuffer;

struct SReportTable {
    std::string title;
    // The column line of the section; empty for sections of "name:<tab>value" lines and for
    // those of plain lines.
    std::vector<std::string> columns;
    std::vector<std::vector<std::string>> rows;
};

struct SReportTables {
    std::vector<SReportTable> sections;
    // Lines after the last section (the note about upgrade units).
    std::vector<std::string> notes;
};

// Texts are taken as they stand (the report's code page); cells lose their padding blanks.
SReportTables SplitReport(const CReportBuffer& report);
