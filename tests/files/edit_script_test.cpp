// The edit script reader: every operation is checked before any is handed over.
#include <gtest/gtest.h>

#include "files/EditScript.h"

namespace {

std::optional<SEditScriptError> Read(const std::string& text, std::vector<SEditOperation>& ops) {
    return ReadEditScript(text, ops);
}

TEST(EditScript, ReadsOperationsWithTheirFields) {
    std::vector<SEditOperation> ops;
    const auto error = Read(R"([{"op": "set-tx", "trx": 2, "path1": 25},
                                {"op": "clear-all-antennas"},
                                {"op": "set-antenna", "antenna": 1, "attenuation": -360}])",
                            ops);
    ASSERT_FALSE(error) << error->reason;
    ASSERT_EQ(ops.size(), 3u);
    EXPECT_EQ(ops[0].op, "set-tx");
    EXPECT_EQ(ops[0].Field("path1"), 25);
    EXPECT_FALSE(ops[0].Field("combiner"));
    EXPECT_TRUE(ops[1].fields.empty());
    EXPECT_EQ(ops[2].Field("attenuation"), -360);
    EXPECT_FALSE(Read("[]", ops));
    EXPECT_TRUE(ops.empty());
}

TEST(EditScript, NamesTheOperationThatIsWrongAndHandsBackNothing) {
    const struct {
        const char* text;
        int index;
        const char* reason;
    } cases[] = {
        {"", 0, "not valid JSON"},
        {"[{\"op\": \"set-tx\", \"trx\": 1}", 0, "not valid JSON"},
        {R"({"op": "set-tx", "trx": 1})", 0, "JSON list"},
        {R"([{"op": "clear-all-tx"}, 7])", 2, "JSON object"},
        {R"([{"trx": 1}])", 1, "no \"op\""},
        {R"([{"op": 3}])", 1, "no \"op\""},
        {R"([{"op": "clear-all-tx"}, {"op": "rewire"}])", 2, "unknown operation \"rewire\""},
        {R"([{"op": "clear-tx", "trx": 1, "path1": 3}])", 1, "unknown field \"path1\""},
        {R"([{"op": "clear-tx"}])", 1, "\"trx\" is missing"},
        {R"([{"op": "clear-tx", "trx": 1.5}])", 1, "whole number"},
        {R"([{"op": "clear-tx", "trx": true}])", 1, "whole number"},
        {R"([{"op": "clear-tx", "trx": "1"}])", 1, "whole number"},
        {R"([{"op": "clear-tx", "trx": 4294967296}])", 1, "out of range"},
    };
    for (const auto& c : cases) {
        std::vector<SEditOperation> ops{SEditOperation{"stale", {}}};
        const auto error = ReadEditScript(c.text, ops);
        ASSERT_TRUE(error) << c.text;
        EXPECT_EQ(error->index, c.index) << c.text;
        EXPECT_NE(error->reason.find(c.reason), std::string::npos) << error->reason;
        EXPECT_TRUE(ops.empty()) << c.text;
    }
}

} // namespace
