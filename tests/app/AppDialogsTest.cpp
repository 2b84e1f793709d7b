// SPDX-License-Identifier: MIT
// The about box, the settings dialog and the help viewer, driven headless.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "app/AboutDlg.h"
#include "app/ActionBar.h"
#include "app/CongratsDlg.h"
#include "app/ErrorDetectDlg.h"
#include "app/ErrorsShownDlg.h"
#include "app/HelpViewer.h"
#include "app/NewPuzzleDlg.h"
#include "app/SelectCellDlg.h"
#include "app/SettingsDlg.h"
#include "board/NumberPadDlg.h"
#include "hypertext/MuWnd.h"
#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/DialogUnits.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "players/DeletePlayersDlg.h"
#include "players/Player.h"
#include "players/PlayerStatsDlg.h"
#include "players/SavedGamesDlg.h"
#include "players/SelectGameDlg.h"
#include "players/SelectPlayerDlg.h"
#include "resources/ResourceIds.h"
#include "reward/HighScoresDlg.h"
#include "support/DialogControls.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using platform::Rgb;
using Lines = std::vector<std::string>;

using testsupport::Find;

namespace {

std::string Text(const QWidget* dialog, int id) {
    return Find<QLabel>(dialog, id)->text().toStdString();
}

class AppDialogs : public ::testing::Test {
protected:
    std::string Path(const char* relative) { return platform::ProgramFolder() + relative; }

    platform::FakeServices fake;
    testsupport::TempProgramFolder folder;
};
using AboutBox = AppDialogs;
using SettingsDialog = AppDialogs;
using HelpViewer = AppDialogs;

}  // namespace

TEST_F(AboutBox, ShowsThePictureAndTheDataFileOrSaysWhatIsMissing) {
    folder.Write("data/Qzxgame.bmp", testsupport::MakeBmp(30, 20, 8, {0x000000, 0xC02010},
                                                          [](int, int) { return 1u; }));
    folder.Write("data/About.dat", "Linux\r\n2024");
    CAboutDlg about;
    about.m_strSoundPath = Path("data\\About.wav");
    about.Setup(Path("data\\Qzxgame.bmp"), Path("data\\About.dat"), false);
    about.show();
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_PLATFORM), "Linux");
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_YEAR), "2024");
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_VERSION), "") << "a missing line reads as empty";
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.sounds.empty()) << "sounds off: the box opens silently";
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint) << "over the frame behind it";
    const QImage picture = about.grab().toImage();
    const QPoint inPicture = Find<CDibStatic>(&about, ids::IDC_DIB_PICTURE)->pos() + QPoint(5, 5);
    EXPECT_EQ(picture.pixelColor(inPicture), QColor(0xC0, 0x20, 0x10));
    QTest::mouseClick(Find(&about, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(about.result(), ids::IDOK);

    CAboutDlg missing;
    missing.m_strSoundPath = Path("data\\About.wav");
    missing.Setup(Path("data\\Nothing.bmp"), Path("data\\Nothing.dat"), true);
    EXPECT_EQ(fake.Texts(), (Lines{"Error reading DIB file.",
                                   "Missing about box data!\nPlease reinstall this software."}));
    missing.show();
    EXPECT_EQ(Text(&missing, ids::IDC_ABOUT_PLATFORM), "Microsoft Windows");
    EXPECT_EQ(Text(&missing, ids::IDC_ABOUT_VERSION), "1.0");
    EXPECT_EQ(testsupport::SoundNames(fake), Lines{"data\\About.wav"});
}

TEST_F(SettingsDialog, ShowsTheFieldsDefaultColoursAndKeepsWhatOKKeeps) {
    CSettingsDlg dialog;
    dialog.m_bPlaySounds = 1;
    dialog.m_bUseErrorDetection = 0;
    dialog.m_crHighlight = Rgb(1, 2, 250);
    dialog.m_crPrimary = Rgb(200, 30, 40);
    dialog.m_crSecondary = Rgb(20, 180, 220);
    dialog.show();
    EXPECT_TRUE(Find<QCheckBox>(&dialog, ids::IDC_PLAY_SOUNDS)->isChecked());
    EXPECT_FALSE(Find<QCheckBox>(&dialog, ids::IDC_USE_ERROR_DETECTION)->isChecked());
    EXPECT_FALSE(Find(&dialog, ids::IDC_CHANGE_HIGHLIGHT)->isVisible())
        << "the highlight colour cannot be changed";

    QTest::mouseClick(Find(&dialog, ids::IDC_DEFAULT_COLORS), Qt::LeftButton);
    EXPECT_EQ(dialog.m_crPrimary, Rgb(0, 255, 0));
    EXPECT_EQ(dialog.m_crHighlight, Rgb(1, 2, 250)) << "Default Colors keeps the highlight";
    EXPECT_EQ(dialog.m_crSecondary, Rgb(255, 255, 0));
    // The picker changes a colour; cancelled, it changes nothing.
    fake.colours = {Rgb(9, 99, 199)};
    QTest::mouseClick(Find(&dialog, ids::IDC_CHANGE_SECONDARY), Qt::LeftButton);
    QTest::mouseClick(Find(&dialog, ids::IDC_CHANGE_PRIMARY), Qt::LeftButton);
    EXPECT_EQ(dialog.m_crSecondary, Rgb(9, 99, 199));
    EXPECT_EQ(dialog.m_crPrimary, Rgb(0, 255, 0));

    QTest::mouseClick(Find(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].context, 8);

    Find<QCheckBox>(&dialog, ids::IDC_PLAY_SOUNDS)->setChecked(false);
    Find<QCheckBox>(&dialog, ids::IDC_USE_ERROR_DETECTION)->setChecked(true);
    QTest::mouseClick(Find(&dialog, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ids::IDOK);
    EXPECT_EQ(dialog.m_bPlaySounds, 0);
    EXPECT_EQ(dialog.m_bUseErrorDetection, 1);
}

TEST_F(HelpViewer, ShowsTheRequestedPagesInOneWindowAndOnlyHelpPages) {
    using platform::HelpCommand;
    EXPECT_EQ(CHelpViewer::PageFor("qzx.hlp", HelpCommand::Contents, 13), "qzx_00.htf");
    EXPECT_EQ(CHelpViewer::PageFor("qzx.hlp", HelpCommand::Context, 8), "qzx_08.htf");
    EXPECT_EQ(CHelpViewer::PageFor("qzx.hlp", HelpCommand::Context, 100), "");
    EXPECT_EQ(CHelpViewer::PageFor("..\\qzx.hlp", HelpCommand::Contents, 0), "");
    folder.Write(
        "data/help/qzx_00.htf",
        "Help Contents\r\nContents\r\n9\r\n1\r\nsee \r\n13\r\n0\r\nquick\r\n12\r\n1\r\n0\r\n"
        "0\r\nqzx_13.htf\r\n");
    folder.Write("data/help/qzx_13.htf", "Quick Instructions\r\nQuick\r\n9\r\n1\r\n");
    CHelpViewer viewer;
    QMainWindow game;  // the help opens beside the game, over none of it
    game.setGeometry(20, 30, 300, 200);
    game.show();
    {
        // The game's wiring: help requests reach the viewer through the desktop services.
        platform::QtServices desktop;
        desktop.SetHelpViewer([&viewer](const std::string& file, HelpCommand command, int context) {
            viewer.ShowHelp(file, command, context);
        });
        platform::WinHelp(HelpCommand::Contents);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_FALSE(viewer.frameGeometry().intersects(game.frameGeometry()));
        EXPECT_FALSE(viewer.testAttribute(Qt::WA_QuitOnClose)) << "help keeps no game running";
        EXPECT_EQ(viewer.PageWindow()->FileName(), Path("data\\help\\qzx_00.htf"));
        EXPECT_EQ(viewer.windowTitle().toStdString(), "Help Contents");
    }
    // A link of a help page leads to another help page, and only to one.
    ASSERT_EQ(viewer.PageWindow()->Document().m_links.size(), 1u);
    viewer.PageWindow()->OnLinkClicked(viewer.PageWindow()->Document().m_links[0]);
    EXPECT_EQ(viewer.PageWindow()->FileName(), Path("data\\help\\qzx_13.htf"));
    EXPECT_EQ(viewer.windowTitle().toStdString(), "Quick Instructions");
    HtfLink outside;
    outside.m_strTarget = "..\\..\\players\\data";
    viewer.PageWindow()->OnLinkClicked(outside);
    EXPECT_FALSE(viewer.PageShown());
    EXPECT_TRUE(fake.messages.empty()) << "the viewer says what is wrong in its own window";
    // A missing page is said in the window, which stays where the player moved it.
    viewer.move(40, 50);
    viewer.ShowHelp(platform::kHelpFile, HelpCommand::Context, 11);
    const QLabel* missing = viewer.findChild<QLabel*>("helpMissing");
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->isVisible());
    EXPECT_TRUE(missing->text().contains("qzx_11.htf"));
    viewer.ShowHelp(platform::kHelpFile, HelpCommand::Context, 13);
    EXPECT_TRUE(viewer.PageShown());
    EXPECT_FALSE(missing->isVisible());
    EXPECT_EQ(viewer.pos(), QPoint(40, 50));
}

// Every dialog grows with its font: each control's text fits it, at the desktop's usual font
// and at a large one.
TEST_F(AppDialogs, EveryControlsTextFitsItsControlAtTheUsualAndALargeFont) {
    const QFont usual = QApplication::font();
    const platform::BaseUnits units = platform::DialogBaseUnits();
    CPlayer player;
    for (double points : {10.0, 16.0}) {
        QFont font = usual;
        font.setPointSizeF(points);
        QApplication::setFont(font);
        dlgtemplate::UseDialogFont(font);
        QWidget owner;  // takes every dialog with it
        auto* congrats = new CCongratsDlg(&owner);
        congrats->m_strScoreText = "Your score is 100 out of 100.";
        congrats->SetUp("Ann");
        for (QWidget* dialog : std::initializer_list<QWidget*>{
                 new CAboutDlg(&owner), new CSettingsDlg(&owner), congrats,
                 new CErrorDetectDlg(&owner), new CErrorsShownDlg(&owner),
                 new CNewPuzzleDlg(&owner), new CSelectCellDlg(&owner), new CActionBar(&owner),
                 new CNumberPadDlg(&owner), new CSelectGameDlg(player, &owner),
                 new CSelectPlayerDlg(player, false, false, &owner),
                 new CSavedGamesDlg(player, &owner), new CDeletePlayersDlg(&owner),
                 new CPlayerStatsDlg(&player, &owner), new CHighScoresDlg(&owner)}) {
            for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
                const QFontMetrics metrics(button->font());
                const QStyle* style = button->style();
                const int need = metrics.horizontalAdvance(button->text()) +
                                 (button->icon().isNull() ? 0 : button->iconSize().width() + 4) +
                                 (qobject_cast<QCheckBox*>(button)
                                      ? style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                            style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing)
                                      : 2 * style->pixelMetric(QStyle::PM_ButtonMargin));
                EXPECT_TRUE(button->isHidden() ||
                            (need <= button->width() && metrics.height() <= button->height()))
                    << points << "pt " << button->text().toStdString();
            }
            for (QLabel* label : dialog->findChildren<QLabel*>()) {
                const QRect used =
                    QFontMetrics(label->font())
                        .boundingRect(QRect(0, 0, label->width(), 10000),
                                      label->wordWrap() ? Qt::TextWordWrap : 0, label->text());
                EXPECT_TRUE(label->text().isEmpty() ||
                            (used.width() <= label->width() && used.height() <= label->height()))
                    << points << "pt " << label->text().toStdString();
            }
        }
    }
    QApplication::setFont(usual);
    platform::SetDialogBaseUnits(units);
}
