// SPDX-License-Identifier: MIT
// The page window: loading, painting the visible band, scrolling, clicks on links and reveal
// blocks, buttons, its place rules, closing, its failure messages, and quizlex-tool
// render-page, which writes the picture the window draws.
#include <gtest/gtest.h>

#include <QImage>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <memory>

#include "HtfWindowFixture.h"
#include "hypertext/HtfRules.h"
#include "hypertext/TxtMuWnd.h"

using htftest::CountPixels;
using htftest::HtfWindowTest;
using htftest::IsMagenta;
using htftest::IsRed;
using htftest::Page;

namespace {

// A heading, a link and an answer block, then enough lines to scroll.
std::string HintPage(int extraLines = 0) {
    std::string page = Page(
        "Hint Page|Hint 5|9|1|see |13|0|page five|12|1|0|0|page_05.htf||14|1|12|start|5|300|"
        "What is 3 x 4?|5|300|Twelve|end");
    for (int i = 0; i < extraLines; ++i) {
        page += Page("Line " + std::to_string(i) + "|13|1");
    }
    return page;
}

QRect ClientRect(const CMuWnd& window, const HtfRect& r) {
    return QRect(QPoint(r.left, r.top - window.BandTop()),
                 QPoint(r.right - 1, r.bottom - 1 - window.BandTop()));
}

QPoint Middle(const CMuWnd& window, const HtfRect& r) {
    return ClientRect(window, r).center();
}

class CRecordingHandler : public IHtfWindowHandler {
public:
    void OnHtfLink(CMuWnd&, const HtfLink& link) override { links.push_back(link.m_strTarget); }
    void OnHtfButton(CMuWnd&, const HtfButton& button) override {
        buttons.emplace_back(button.m_nId, button.m_strText);
    }
    std::vector<std::string> links;
    std::vector<std::pair<int, std::string>> buttons;
};

}  // namespace

TEST_F(HtfWindowTest, LoadingDrawsThePageAndAPageThatCannotBeReadLeavesIt) {
    ASSERT_TRUE(Load("hint_05.htf", HintPage(3)));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Hint Page"));
    const CHtfDocument& doc = window->Document();
    EXPECT_TRUE(window->ScrollBar()->isVisibleTo(window));
    EXPECT_EQ(window->ScrollBar()->maximum(), doc.LineCount() - 1);
    EXPECT_TRUE(services.messages.empty());

    const qint64 picture = window->PagePicture()->cacheKey();
    const std::string missing = folder.Path() + "data\\hint_06.htf";
    EXPECT_FALSE(window->LoadFile(missing, 0, CMuWnd::LoadErrors::Silent, kHtfAnswerModeNormal));
    EXPECT_TRUE(services.messages.empty()) << "told only when asked to";
    EXPECT_FALSE(window->LoadFile(missing, 0, CMuWnd::LoadErrors::Reported, kHtfAnswerModeNormal));
    EXPECT_EQ(Said(), "Unable to load " + missing + "|File Error|48\n");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Hint Page"));
    EXPECT_EQ(window->PagePicture()->cacheKey(), picture);
    EXPECT_EQ(services.waitCursorDepth, 0);
}

TEST_F(HtfWindowTest, ScrollingMovesByVisualLines) {
    ASSERT_TRUE(Load("long.htf", HintPage(40)));
    const int last = window->Document().LineCount() - 1;
    window->OnVScroll(SB_PAGEDOWN, 0);
    EXPECT_EQ(window->BandTop(), window->Document().m_stops[15].m_nTop);
    // The client shows the picture from the band's top.
    const QImage client = Client();
    EXPECT_EQ(client.convertToFormat(QImage::Format_RGB32),
              window->PagePicture()->copy(0, window->BandTop(), client.width(), client.height()));

    QScrollBar* bar = window->ScrollBar();
    using Slider = QAbstractSlider;
    const std::pair<Slider::SliderAction, int> steps[] = {{Slider::SliderSingleStepAdd, 16},
                                                          {Slider::SliderToMaximum, last},
                                                          {Slider::SliderPageStepSub, last - 15},
                                                          {Slider::SliderToMinimum, 0}};
    for (const auto& [action, top] : steps) {
        bar->triggerAction(action);
        EXPECT_EQ(window->TopLine(), top) << "action " << action;
        EXPECT_EQ(bar->value(), top) << "action " << action;
    }
    // A notch of the wheel down is three lines.
    QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(window->ClientArea(), &wheel);
    EXPECT_EQ(window->TopLine(), 3);
    // Opened at a line past its end, as a page come back to after it shrank, a page shows its
    // last line, the bar with it; a page of one line shows from its top.
    const auto silent = CMuWnd::LoadErrors::Silent;
    ASSERT_TRUE(
        window->LoadFile(WritePage("long.htf", HintPage(40)), 99, silent, kHtfAnswerModeNormal));
    EXPECT_EQ(window->TopLine(), last);
    EXPECT_EQ(bar->value(), last);
    ASSERT_TRUE(window->LoadFile(WritePage("one.htf", Page("One|Only|13|1")), 99, silent,
                                 kHtfAnswerModeNormal));
    EXPECT_EQ(window->TopLine(), 0);
}

TEST_F(HtfWindowTest, ALinkIsTestedBeforeTheRevealBlocksUnderIt) {
    CRecordingHandler handler;
    window->SetHandler(&handler);
    // A pair without a caret: the question block keeps its file width and lies under the link.
    ASSERT_TRUE(Load(
        "pair.htf",
        Page("Pair||18|0|Q|start|5|300|q|5|300|a|end|A|start|5|300|x|5|300|y|end|go on|12|1|0|0|"
             "next.htf")));
    const CHtfDocument& doc = window->Document();
    const QPoint onLink = Middle(*window, doc.m_links.at(0).m_rect);
    ASSERT_TRUE(doc.m_blocks[0].m_rows[0].m_rcQuestion.Contains(onLink.x(), onLink.y()));
    // A real click on the client area.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(onLink),
                      window->ClientArea()->mapToGlobal(QPointF(onLink)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window->ClientArea(), &press);
    EXPECT_EQ(Said(), "Jumping to next.htf|Jump!|0\n");
    EXPECT_EQ(handler.links, std::vector<std::string>{"next.htf"});

    // On the answer row both blocks are hit: the question block, now revealed, lets the
    // search go on to the answer block. Hidden again, it ends the search there.
    services.Clear();
    window->OnLButtonDown(Middle(*window, doc.m_blocks[1].m_rows[0].m_rcQuestion));
    EXPECT_EQ(services.Texts(), (std::vector<std::string>{"Q", "A"}));
    EXPECT_EQ(doc.m_blocks[0].m_bRevealed + doc.m_blocks[1].m_bRevealed, 2);
    services.Clear();
    window->OnLButtonDown(Middle(*window, doc.m_blocks[1].m_rows[0].m_rcAnswer));
    EXPECT_EQ(services.Texts(), std::vector<std::string>{"Q"});
    EXPECT_EQ(doc.m_blocks[0].m_bRevealed, 0);
}

TEST_F(HtfWindowTest, ClickingAnAnswerBlockRevealsAndHidesItsAnswer) {
    ASSERT_TRUE(Load("hint_05.htf", HintPage()));
    const HtfRevealTable& block = window->Document().m_blocks[0];
    const QRect rowArea = ClientRect(*window, block.m_rows[0].m_rcQuestion);
    window->OnLButtonDown(rowArea.center());
    EXPECT_EQ(Said(), "12|And the Answer is...|0\n");
    const QRect answerArea = ClientRect(*window, block.m_rows[0].m_rcAnswer);
    EXPECT_GT(CountPixels(Client(), answerArea, IsMagenta), 20);
    window->OnLButtonDown(answerArea.center());
    EXPECT_EQ(block.m_bRevealed, 0);
    EXPECT_GT(CountPixels(Client(), rowArea, IsRed), 20);
}

TEST_F(HtfWindowTest, ButtonsSitOnePerVisualLineAndReportTheirPress) {
    CRecordingHandler handler;
    window->SetHandler(&handler);
    std::string page = Page("Buttons|top|13|1||11|0|One|first|13|1||11|0|Two||11|0|Three|x|13|1");
    for (int i = 0; i < 30; ++i) {
        page += Page("filler|13|1");
    }
    ASSERT_TRUE(Load("buttons.htf", page + Page("|11|0|Far|far|13|1")));
    QPushButton* one = window->Button(128);
    QPushButton* three = window->Button(130);
    QPushButton* far = window->Button(131);
    ASSERT_TRUE(one && three && far);
    EXPECT_EQ(one->geometry(), QRect(5, window->Document().m_lines[0].m_nHeight + 5, 30, 14));
    EXPECT_TRUE(one->isVisible());
    EXPECT_FALSE(three->isVisible()) << "second button of its line";
    EXPECT_FALSE(far->isVisible()) << "below the client area";

    window->Button(129)->click();
    EXPECT_EQ(handler.buttons, (std::vector<std::pair<int, std::string>>{{129, "Two"}}));
    window->OnVScroll(SB_THUMBTRACK, 20);
    EXPECT_FALSE(far->isVisible()) << "not placed while the thumb is dragged";
    window->OnVScroll(SB_THUMBPOSITION, 20);
    EXPECT_FALSE(one->isVisible());
    EXPECT_TRUE(far->isVisible());
}

// Closing minimises until the owner allows it; the window keeps below its minimum top, and
// getting the focus clears the main caption.
TEST_F(HtfWindowTest, ClosingPlaceAndCaptionRules) {
    window->close();
    QApplication::processEvents();
    EXPECT_TRUE(window->isMinimized());
    ASSERT_EQ(area.subWindowList().size(), 1);
    window->showNormal();
    window->m_nMinTop = 40;
    window->move(30, 10);
    EXPECT_EQ(window->pos(), QPoint(30, 40));

    auto* other = area.addSubWindow(new QWidget);
    other->show();
    area.setActiveSubWindow(other);
    area.setWindowTitle(QStringLiteral("Math Quizlex"));
    area.setActiveSubWindow(window);
    EXPECT_EQ(area.windowTitle(), QString());

    window->m_bCloseAllowed = 1;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

namespace {

// A window whose page pictures fail the way the tests ask.
class CFailingWnd : public CTxtMuWnd {
public:
    enum class Failure { None, NoObject, NoMemory, Unpaintable };
    Failure failure = Failure::None;

protected:
    std::unique_ptr<QImage> NewPagePicture(int width, int height) override {
        switch (failure) {
            case Failure::NoObject:
                return nullptr;
            case Failure::NoMemory:
                return std::make_unique<QImage>();
            case Failure::Unpaintable:
                return std::make_unique<QImage>(width, height, QImage::Format_Indexed8);
            default:
                return CTxtMuWnd::NewPagePicture(width, height);
        }
    }
};

class HtfFailingWindowTest : public HtfWindowTest {
protected:
    CMuWnd* MakeWindow() override { return new CFailingWnd; }
    CFailingWnd& Failing() { return *static_cast<CFailingWnd*>(window); }
};

}  // namespace

TEST_F(HtfFailingWindowTest, PagePicturesThatCannotBeMadeAreReported) {
    using Failure = CFailingWnd::Failure;
    const std::pair<Failure, std::string> cases[] = {
        {Failure::NoObject, "Unable to new bitmap!|Error|0\n"},
        {Failure::NoMemory, "Unable to create bitmap.\nOut Of Memory!|Error|48\n"},
        {Failure::Unpaintable, "Unable to select bitmap! 1|Error|48\n"},
    };
    for (const auto& [failure, said] : cases) {
        services.Clear();
        Failing().failure = failure;
        EXPECT_FALSE(Load("a.htf", HintPage()));
        EXPECT_EQ(Said(), said);
    }
    // Painting a page without a picture says so once, after the paint.
    Failing().failure = Failure::NoMemory;
    EXPECT_FALSE(Load("a.htf", HintPage()));
    services.Clear();
    Client();
    Client();
    QApplication::processEvents();
    EXPECT_EQ(Said(), "Unable to select bitmap! 3|Error|48\n");
}

TEST_F(HtfWindowTest, TheToolWritesThePagePictureTheWindowDraws) {
    const std::string page = std::string(QZ_HTF_DATA) + "/hint.htf";
    const std::string png = folder.File("hint.png");
    std::string output;
    ASSERT_EQ(testsupport::RunCommand(
                  std::string(QZ_TOOL_PATH) + " render-page '" + page + "' '" + png + "'", &output),
              0)
        << output;
    QImage written(QString::fromStdString(png));
    ASSERT_FALSE(written.isNull());

    ASSERT_TRUE(window->LoadFile(page, 0, CMuWnd::LoadErrors::Reported, kHtfAnswerModeNormal));
    const QImage& picture = *window->PagePicture();
    EXPECT_EQ(written.size(), picture.size());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_GT(CountPixels(written, written.rect(), IsRed), 100);
}
