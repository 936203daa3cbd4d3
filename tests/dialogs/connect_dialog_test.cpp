// The "Connect..." dialog: keyboard order and names, a refusal keeps the dialog open with the
// focus on the field to correct, and a sobriquet can be chosen only when the file names one.
#include "support/Screenshot.h"
#include "ui/ConnectDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TEST(ConnectDialog, RefusesBadInputAndKeepsTheFocusOnTheField) {
    CConnectDialog d("/nonexistent/sobriquets.ini");
    QStringList refusals;
    d.refuse = [&](const QString& text) { refusals << text; };
    d.show();
    QApplication::setActiveWindow(&d);
    d.HostEdit()->setFocus();
    QTest::keyClicks(d.HostEdit(), QStringLiteral("bts-7"));
    QTest::keyClick(d.HostEdit(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), d.PortEdit());
    QTest::keyClicks(d.PortEdit(), QStringLiteral("70000"));
    QTest::keyClick(d.PortEdit(), Qt::Key_Return);
    ASSERT_EQ(refusals.size(), 1);
    EXPECT_EQ(refusals[0], QStringLiteral("The TCP port must be a whole number from 1 to 65535."));
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.PortEdit());
    EXPECT_TRUE(d.Target().empty());

    d.PortEdit()->setText(QStringLiteral("5000"));
    d.BscEdit()->setText(QStringLiteral("12"));
    d.BcfEdit()->setText(QStringLiteral("3"));
    QTest::keyClick(d.PortEdit(), Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Target(), "HOST=bts-7,TCPPORT=5000,BSCID=12,BCFID=3");

    // Without a sobriquet file there is nothing to choose.
    EXPECT_FALSE(d.SobriquetChoice()->isEnabled());
    // Screen readers name each field by its label.
    bool named = false;
    for (QLabel* label : d.findChildren<QLabel*>()) {
        named =
            named || (label->buddy() == d.HostEdit() && label->text() == QStringLiteral("&Host:"));
    }
    EXPECT_TRUE(named);
}

TEST(ConnectDialog, ChoosesASobriquetFromTheFile) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("cabrion-connect-dlg-" + std::to_string(::getpid()) + ".ini");
    std::ofstream(path) << "north=HOST=10.0.0.1,TCPPORT=7000\nsouth=HOST=10.0.0.2,TCPPORT=7000\n";
    CConnectDialog d(path.string());
    d.refuse = [](const QString& text) { ADD_FAILURE() << text.toStdString(); };
    d.FillFrom("HOST=old,TCPPORT=1");
    EXPECT_EQ(d.HostEdit()->text(), QStringLiteral("old"));
    d.resize(d.sizeHint());
    d.show();
    d.SobriquetChoice()->click();
    EXPECT_FALSE(d.HostEdit()->isEnabled());
    ASSERT_EQ(d.SobriquetList()->count(), 2);
    d.SobriquetList()->setCurrentIndex(1);
    testsupport::Shoot(d, QStringLiteral("dialogs"), QStringLiteral("connect_dialog"));
    d.accept();
    EXPECT_EQ(d.Target(), "HOST=10.0.0.2,TCPPORT=7000");
    std::filesystem::remove(path);
}

} // namespace
