// The passive units page window: what it shows, typing through it, and a scan into it.
#include "peripherals/PtyScanner.h"

#include "files/HWInfoFile.h"
#include "platform/MemoryRegistry.h"
#include "platform/SettingsKeys.h"
#include "ui/PagePassiveWidget.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

TEST(PagePassiveWidget, TypingAndScanningFillTheBoxes) {
    CMemoryRegistry store;
    settings::Write(store, settings::kPassiveUnitValidationOption, 1);
    settings::Write(store, settings::kUARTEnable, 1);
    settings::Write(store, settings::kUARTPort, 5);
    PtyScanner scanner;
    CHWInfoFileConf table;
    table.SetSlot(CHWInfoFile::kMhaGroup, 0, "AB123456789", "ABC..........1");
    bool changed = false;
    CPagePassiveWidget page(table, store, {{}, [&](bool c) { changed = c; }, {}, {}},
                            [&](int com) { return com == 5 ? scanner.path : std::string(); });
    page.ShowSelection({0, CHWInfoFile::kMhaGroup, 0});
    page.resize(520, 360);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));

    EXPECT_EQ(page.Edit(PassiveField::ItemCode)->text(), QStringLiteral("ABC"));
    EXPECT_EQ(page.Edit(PassiveField::Revision)->text(), QStringLiteral("..1"));
    EXPECT_TRUE(page.Edit(PassiveField::Product)->isReadOnly());
    EXPECT_TRUE(page.Edit(PassiveField::ItemCode)->isVisible());
    page.grab().save(QStringLiteral(CABRION_BINARY_DIR "/page_passive.png"));

    // A scan goes into the focused box and the focus moves on.
    page.ShowSelection({0, CHWInfoFile::kMhaGroup, 1});
    page.activateWindow();
    page.Edit(PassiveField::Serial)->setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(scanner.Send("ZX123456789\r"));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !page.Edit(PassiveField::Serial)->hasFocus(); }, 3000));
    EXPECT_EQ(page.Edit(PassiveField::Serial)->text(), QStringLiteral("ZX123456789"));
    EXPECT_TRUE(page.Edit(PassiveField::Product)->hasFocus() ||
                page.Edit(PassiveField::ItemCode)->hasFocus());
    EXPECT_EQ(page.Controller().Serial(), "ZX123456789");

    page.Edit(PassiveField::ItemCode)->setFocus();
    QTest::keyClicks(page.Edit(PassiveField::ItemCode), QStringLiteral("KRC1"));
    EXPECT_EQ(page.Edit(PassiveField::Product)->text(), QStringLiteral("KRC1.........."));
    QTest::keyClicks(page.Edit(PassiveField::Revision), QStringLiteral("R2"));
    EXPECT_EQ(page.Controller().Product(), "KRC1........R2");
    EXPECT_TRUE(page.Controller().Add());
    EXPECT_TRUE(changed);
    EXPECT_EQ(table.FilledCount(), 2);

    // Miscellaneous takes the identifier as typed.
    page.ShowSelection({2, 16, -1});
    EXPECT_FALSE(page.Edit(PassiveField::ItemCode)->isVisible());
    EXPECT_FALSE(page.Edit(PassiveField::Product)->isReadOnly());
}
