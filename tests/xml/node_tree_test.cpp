#include "files/xml/XMLCompositeNode.h"
#include "files/xml/XMLParameterNode.h"

#include <gtest/gtest.h>

TEST(XmlNodeTree, LeafRefusesChildrenAndHandsReplacementBack) {
    CXMLNode leaf("p");
    EXPECT_EQ(leaf.AddChild(std::make_unique<CXMLNode>("x")), nullptr);
    auto child = std::make_unique<CXMLNode>("y");
    CXMLNode* raw = child.get();
    auto back = leaf.ReplaceChildAt(0, std::move(child));
    EXPECT_EQ(back.get(), raw);
    EXPECT_EQ(leaf.GetChildCount(), 0u);
    EXPECT_EQ(leaf.GetChildAt(0), nullptr);
}

TEST(XmlNodeTree, CompositeOwnsChildrenAndTracksParents) {
    CXMLCompositeNode list("list");
    CXMLNode* a = list.AddChild(std::make_unique<CXMLNode>("a"));
    CXMLNode* b = list.AddChild(std::make_unique<CXMLNode>("b"));
    EXPECT_EQ(a->GetParent(), &list);
    EXPECT_EQ(list.GetChildAt(2), nullptr);

    auto old = list.ReplaceChildAt(0, std::make_unique<CXMLNode>("c"));
    ASSERT_EQ(old.get(), a);
    EXPECT_EQ(old->GetParent(), nullptr);
    EXPECT_EQ(list.GetChildAt(0)->GetName(), "c");

    // Out of range: nothing replaced, the offered node comes back.
    auto offered = list.ReplaceChildAt(5, std::make_unique<CXMLNode>("d"));
    EXPECT_EQ(offered->GetName(), "d");

    auto removed = list.RemoveChild(b);
    ASSERT_EQ(removed.get(), b);
    EXPECT_EQ(list.GetChildCount(), 1u);
    EXPECT_EQ(removed->GetName(), "b"); // still alive
    EXPECT_EQ(list.RemoveChild(b), nullptr);

    list.InsertChildAt(0, std::make_unique<CXMLNode>("first"));
    EXPECT_EQ(list.GetChildAt(0)->GetName(), "first");
}

TEST(XmlNodeTree, AttributesKeepOrderAndFirstMatchWins) {
    CXMLParameterNode p("sitename", "Alpha");
    p.AddAttribute("name", "second");
    ASSERT_NE(p.GetAttributeValue("name"), nullptr);
    EXPECT_EQ(*p.GetAttributeValue("name"), "sitename");
    EXPECT_EQ(p.GetAttributeValue("missing"), nullptr);
    EXPECT_EQ(p.GetName(), "p");
    EXPECT_EQ(p.GetText(), "Alpha");
    EXPECT_TRUE(p.GetExtraText().empty());
    p.SetAttributeValue("class", "X");
    EXPECT_EQ(p.GetAttributes().back().GetName(), "class");
}
