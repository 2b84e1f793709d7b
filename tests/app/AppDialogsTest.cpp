// SPDX-License-Identifier: MIT
// The about box, the settings dialog and the help viewer, driven headless.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/AboutDlg.h"
#include "app/HelpViewer.h"
#include "app/SettingsDlg.h"
#include "hypertext/MuWnd.h"
#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/FakeServices.h"
#include "platform/ProgramFolder.h"
#include "platform/QtServices.h"
#include "resources/ResourceIds.h"
#include "support/TestBitmaps.h"
#include "support/TestSupport.h"

using platform::Rgb;
using Lines = std::vector<std::string>;

namespace {

template <class T = QPushButton>
T* Find(const QWidget* dialog, int id) {
    T* control = qobject_cast<T*>(dlgtemplate::Control(dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

std::string Text(const QWidget* dialog, int id) {
    return Find<QLabel>(dialog, id)->text().toStdString();
}

// The colour at the middle of a control's place in a picture of the dialog.
platform::ColorRef ColourAt(const QImage& picture, const QWidget* dialog, int id) {
    const QColor c = picture.pixelColor(dlgtemplate::Control(dialog, id)->geometry().center());
    return Rgb(c.red(), c.green(), c.blue());
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

TEST_F(AboutBox, ShowsThePictureAndTheThreeLinesOfTheDataFile) {
    folder.Write("data/Qzxgame.bmp", testsupport::MakeBmp(30, 20, 8, {0x000000, 0xC02010},
                                                          [](int, int) { return 1u; }));
    folder.Write("data/About.dat", "Linux\r\n2024\r\n2.5\r\n");
    CAboutDlg about;
    about.m_strSoundPath = Path("data\\About.wav");
    about.Setup(Path("data\\Qzxgame.bmp"), Path("data\\About.dat"), false);
    about.show();
    EXPECT_EQ(about.windowTitle(), "About...");
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_PLATFORM), "Linux");
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_YEAR), "2024");
    EXPECT_EQ(Text(&about, ids::IDC_ABOUT_VERSION), "2.5");
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(fake.messages.empty());
    EXPECT_TRUE(fake.sounds.empty()) << "sounds off: the box opens silently";
    const QImage picture = about.grab().toImage();
    const QPoint inPicture = Find<CDibStatic>(&about, ids::IDC_DIB_PICTURE)->pos() + QPoint(5, 5);
    EXPECT_EQ(picture.pixelColor(inPicture), QColor(0xC0, 0x20, 0x10));
    QTest::mouseClick(Find(&about, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(about.result(), ids::IDOK);
}

TEST_F(AboutBox, AShortOrMissingDataFileAndTheGreeting) {
    folder.Write("data/About.dat", "Only the platform");
    CAboutDlg shortFile;
    shortFile.Setup(Path("data\\Qzxgame.bmp"), Path("data\\About.dat"), false);
    EXPECT_EQ(shortFile.m_strPlatform, "Only the platform");
    EXPECT_EQ(shortFile.m_strYear, "") << "a missing line reads as empty";
    EXPECT_EQ(shortFile.m_strVersion, "");
    EXPECT_EQ(fake.Texts(), Lines{"Error reading DIB file."})
        << "a missing picture is told, and its place stays blank";
    fake.Clear();

    folder.Write("data/Qzxgame.bmp", testsupport::MakeBmp(4, 4, 8, {0x000000}));
    CAboutDlg missing;
    missing.m_strSoundPath = Path("data\\About.wav");
    missing.Setup(Path("data\\Qzxgame.bmp"), Path("data\\Nothing.dat"), true);
    EXPECT_EQ(fake.Texts(), Lines{"Missing about box data!\nPlease reinstall this software."});
    EXPECT_EQ(fake.messages[0].caption, platform::kAppTitle);
    missing.show();
    EXPECT_EQ(Text(&missing, ids::IDC_ABOUT_PLATFORM), "Microsoft Windows");
    EXPECT_EQ(Text(&missing, ids::IDC_ABOUT_YEAR), "1998");
    EXPECT_EQ(Text(&missing, ids::IDC_ABOUT_VERSION), "1.0");
    EXPECT_EQ(testsupport::SoundNames(fake), Lines{"data\\About.wav"});

    fake.Clear();
    CAboutDlg noPaths;
    noPaths.Setup("", "", true);
    EXPECT_EQ(fake.Texts(),
              (Lines{"No image path given!\nThis could only be caused by human error.",
                     "No data path given!\nThis could only be caused by human error."}));
    noPaths.show();
    EXPECT_TRUE(fake.sounds.empty()) << "no sound path, no sound";
}

TEST_F(SettingsDialog, ShowsTheFieldsAndPaintsTheSwatches) {
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

    QImage picture = dialog.grab().toImage();
    EXPECT_EQ(ColourAt(picture, &dialog, ids::IDC_PRIMARY_SWATCH), Rgb(200, 30, 40));
    EXPECT_EQ(ColourAt(picture, &dialog, ids::IDC_SECONDARY_SWATCH), Rgb(20, 180, 220));
    // The highlight swatch lies under the Default Colors button: it is painted, but only the
    // dialog's own face shows it.
    QImage face(dialog.size(), QImage::Format_RGB32);
    dialog.render(&face, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    EXPECT_EQ(ColourAt(face, &dialog, ids::IDC_HIGHLIGHT_SWATCH), Rgb(1, 2, 250));

    QTest::mouseClick(Find(&dialog, ids::IDC_DEFAULT_COLORS), Qt::LeftButton);
    EXPECT_EQ(dialog.m_crPrimary, Rgb(0, 255, 0));
    EXPECT_EQ(dialog.m_crSecondary, Rgb(255, 255, 0));
    EXPECT_EQ(dialog.m_crHighlight, Rgb(1, 2, 250)) << "Default Colors keeps the highlight";
    picture = dialog.grab().toImage();
    EXPECT_EQ(ColourAt(picture, &dialog, ids::IDC_PRIMARY_SWATCH), Rgb(0, 255, 0));
    EXPECT_EQ(ColourAt(picture, &dialog, ids::IDC_SECONDARY_SWATCH), Rgb(255, 255, 0));

    QTest::mouseClick(Find(&dialog, ids::IDHELP), Qt::LeftButton);
    ASSERT_EQ(fake.helpCalls.size(), 1u);
    EXPECT_EQ(fake.helpCalls[0].command, platform::HelpCommand::Context);
    EXPECT_EQ(fake.helpCalls[0].context, 8);

    Find<QCheckBox>(&dialog, ids::IDC_PLAY_SOUNDS)->setChecked(false);
    Find<QCheckBox>(&dialog, ids::IDC_USE_ERROR_DETECTION)->setChecked(true);
    QTest::mouseClick(Find(&dialog, ids::IDOK), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ids::IDOK);
    EXPECT_EQ(dialog.m_bPlaySounds, 0);
    EXPECT_EQ(dialog.m_bUseErrorDetection, 1);
    EXPECT_EQ(dialog.m_crPrimary, Rgb(0, 255, 0)) << "OK keeps the new colours";
}

TEST_F(SettingsDialog, ThePickerChangesAColourAndCancelLeavesTheFields) {
    CSettingsDlg dialog;
    dialog.m_bPlaySounds = 1;
    dialog.m_crPrimary = Rgb(10, 10, 10);
    dialog.m_crSecondary = Rgb(20, 20, 20);
    dialog.show();
    fake.colours = {Rgb(9, 99, 199)};
    QTest::mouseClick(Find(&dialog, ids::IDC_CHANGE_SECONDARY), Qt::LeftButton);
    EXPECT_EQ(dialog.m_crSecondary, Rgb(9, 99, 199));
    QTest::mouseClick(Find(&dialog, ids::IDC_CHANGE_PRIMARY), Qt::LeftButton);
    EXPECT_EQ(dialog.m_crPrimary, Rgb(10, 10, 10)) << "a cancelled picker changes nothing";
    EXPECT_EQ(fake.colourRequests, 2);

    Find<QCheckBox>(&dialog, ids::IDC_PLAY_SOUNDS)->setChecked(false);
    QTest::mouseClick(Find(&dialog, ids::IDCANCEL), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), ids::IDCANCEL);
    EXPECT_EQ(dialog.m_crSecondary, Rgb(20, 20, 20));
    EXPECT_EQ(dialog.m_bPlaySounds, 1);
}

TEST_F(HelpViewer, ChoosesThePageOfEachRequest) {
    using platform::HelpCommand;
    struct Case {
        HelpCommand command;
        int context;
        const char* page;
    };
    for (const Case c :
         {Case{HelpCommand::Contents, 0, "qzx_00.htf"},
          Case{HelpCommand::Contents, 13, "qzx_00.htf"},
          Case{HelpCommand::Context, 13, "qzx_13.htf"}, Case{HelpCommand::Context, 8, "qzx_08.htf"},
          Case{HelpCommand::Context, 100, ""}, Case{HelpCommand::Context, -1, ""}}) {
        EXPECT_EQ(CHelpViewer::PageFor("qzx.hlp", c.command, c.context), c.page) << c.context;
    }
    EXPECT_EQ(CHelpViewer::PageFor("..\\qzx.hlp", HelpCommand::Contents, 0), "");
}

TEST_F(HelpViewer, ShowsTheRequestedPagesInOneWindow) {
    folder.Write(
        "data/help/qzx_00.htf",
        "Help Contents\r\nContents\r\n9\r\n1\r\nsee \r\n13\r\n0\r\nquick\r\n12\r\n1\r\n0\r\n"
        "0\r\nqzx_13.htf\r\n");
    folder.Write("data/help/qzx_13.htf", "Quick Instructions\r\nQuick\r\n9\r\n1\r\n");
    CHelpViewer viewer;
    {
        // The game's wiring: help requests reach the viewer through the desktop services.
        platform::QtServices desktop;
        desktop.SetHelpViewer([&viewer](const std::string& file, platform::HelpCommand command,
                                        int context) { viewer.ShowHelp(file, command, context); });
        platform::WinHelp(platform::HelpCommand::Contents);
        EXPECT_TRUE(viewer.isVisible());
        EXPECT_FALSE(viewer.testAttribute(Qt::WA_QuitOnClose)) << "help keeps no game running";
        EXPECT_TRUE(viewer.PageShown());
        EXPECT_EQ(viewer.PageFile(), "data\\help\\qzx_00.htf");
        EXPECT_EQ(viewer.PageWindow()->FileName(), Path("data\\help\\qzx_00.htf"));
        EXPECT_EQ(viewer.windowTitle().toStdString(), "Help Contents");

        platform::WinHelp(platform::HelpCommand::Context, 13);
        EXPECT_EQ(viewer.PageWindow()->FileName(), Path("data\\help\\qzx_13.htf"));
        EXPECT_EQ(viewer.windowTitle().toStdString(), "Quick Instructions");
    }

    // A link of a help page leads to another help page, and only to one.
    viewer.ShowHelp(platform::kHelpFile, platform::HelpCommand::Contents, 0);
    ASSERT_EQ(viewer.PageWindow()->Document().m_links.size(), 1u);
    viewer.PageWindow()->OnLinkClicked(viewer.PageWindow()->Document().m_links[0]);
    EXPECT_EQ(viewer.PageWindow()->FileName(), Path("data\\help\\qzx_13.htf"));
    HtfLink outside;
    outside.m_strTarget = "..\\..\\players\\data";
    viewer.PageWindow()->OnLinkClicked(outside);
    EXPECT_FALSE(viewer.PageShown());
    EXPECT_TRUE(fake.messages.empty()) << "the viewer says what is wrong in its own window";

    viewer.ShowHelp(platform::kHelpFile, platform::HelpCommand::Context, 11);
    EXPECT_FALSE(viewer.PageShown()) << "a missing page is said in the window";
    EXPECT_EQ(viewer.PageFile(), "data\\help\\qzx_11.htf");
    const QLabel* missing = viewer.findChild<QLabel*>("helpMissing");
    ASSERT_NE(missing, nullptr);
    EXPECT_TRUE(missing->isVisible());
    EXPECT_TRUE(missing->text().contains("qzx_11.htf"));
    viewer.ShowHelp(platform::kHelpFile, platform::HelpCommand::Context, 13);
    EXPECT_TRUE(viewer.PageShown());
    EXPECT_FALSE(missing->isVisible());
}
