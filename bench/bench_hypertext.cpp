// SPDX-License-Identifier: MIT
// Hypertext pages: a page of 5,000 items read, laid out and drawn into a new page picture,
// beside Qt laying out and drawing the same runs on the same lines into a new picture; the
// page window's whole load; Qt's rich text from HTML for scale; and a scroll step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <QTextDocument>
#include <QTextLayout>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "hypertext/HtfDocument.h"
#include "hypertext/HtfDraw.h"
#include "hypertext/HtfPage.h"
#include "hypertext/HtfQtFonts.h"
#include "hypertext/HtfRules.h"
#include "hypertext/MuWnd.h"
#include "platform/Cp1252.h"
#include "platform/FakeServices.h"

namespace {

constexpr int kItems = 5000;

struct Sample {
    std::string path;  // the page file
    QString html;      // the same text for the rich-text layout
};

const char* const kWords[] = {"Count",          "the squares ", "in row ",       "four, ",
                              "then add ",      "the numbers ", "you found ",    "in the ",
                              "first column. ", "Each hint ",   "costs a point."};

QString HtmlColour(int code) {
    switch (code) {
        case 4:
        case 8:
            return "#9b0000";
        case 6:
            return "#000064";
        case 12:
            return "#009b00";
        case 19:
            return "#00cd00";
        default:
            return "#000000";
    }
}

// Writes the page once: mixed styles, three items to a line, a link now and then, an answer
// block every hundred items.
const Sample& TheSample() {
    static const Sample sample = [] {
        static const int codes[] = {13, 2, 4, 5, 6, 8, 9, 10, 12, 13, 19, 0};
        std::string page = "Benchmark page\r\n";
        QString html = "<html><body style=\"font-family:'Liberation Sans'; font-size:18px\">";
        for (int i = 0; i < kItems; ++i) {
            const int code = codes[i % 12];
            const std::string text = kWords[i % 11];
            const bool lineEnd = i % 3 == 2;
            if (i % 100 == 50) {
                page += "\r\n14\r\n" + std::string(lineEnd ? "1" : "0") +
                        "\r\n12\r\nstart\r\n5\r\n300\r\nWhat is 3 x 4?\r\n5\r\n300\r\nTwelve\r\n"
                        "end\r\n";
                html += "<span style=\"color:#ff0000\">What is 3 x 4?</span>";
            } else {
                page +=
                    text + "\r\n" + std::to_string(code) + "\r\n" + (lineEnd ? "1" : "0") + "\r\n";
                if (htf::IsLink(code)) {
                    page += "0\r\n0\r\npage_02.htf\r\n";
                }
                const int px = code == 9    ? 24
                               : code == 10 ? 22
                               : code == 0  ? 20
                               : code == 6  ? 17
                                            : 18;
                const bool bold = code == 0 || code == 2 || code == 4 || code == 9 || code == 10;
                QString span = QString("<span style=\"font-size:%1px;%2%3color:%4\">%5</span>")
                                   .arg(px)
                                   .arg(bold ? "font-weight:bold;" : "")
                                   .arg(code == 5 ? "font-style:italic;" : "")
                                   .arg(HtmlColour(code))
                                   .arg(platform::FromCp1252(text).toHtmlEscaped());
                if (htf::IsLink(code)) {
                    span = "<a href=\"page_02.htf\">" + span + "</a>";
                }
                html += span;
            }
            if (lineEnd) {
                html += "<br>";
            }
        }
        html += "</body></html>";
        const std::string path =
            (std::filesystem::temp_directory_path() / "quizlex-bench-page.htf").string();
        if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
            std::fwrite(page.data(), 1, page.size(), file);
            std::fclose(file);
        }
        return Sample{path, html};
    }();
    return sample;
}

const CHtfQtFonts& Fonts() {
    static const CHtfQtFonts fonts;  // made once, as the window keeps its fonts
    return fonts;
}

// A page window in an MDI area of its own, as the main frame makes it.
struct PageWindow {
    PageWindow() {
        area.resize(800, 600);
        window->Create(&area);
        window->show();
        area.show();
    }
    platform::FakeServices services;
    QMdiArea area;
    CMuWnd* window = new CMuWnd;  // the area owns it once it is created
};

// One line of the page as the game draws it: its runs of text in their fonts and colours,
// and where its first run starts.
struct PageLine {
    QString text;
    QList<QTextLayout::FormatRange> formats;
    QPointF origin;
};

// Notes every run the game's layout hands to the canvas.
class RunRecorder : public IHtfCanvas {
public:
    explicit RunRecorder(const CHtfQtFonts& fonts) : m_fonts(fonts) {}
    void DrawText(HtfFont font, platform::ColorRef colour, int x, int y,
                  std::string_view text) override {
        // A run left of the one before starts a new line.
        if (lines.empty() || x <= m_lastX) {
            lines.push_back({QString(), {}, QPointF(x, y)});
        }
        m_lastX = x;
        PageLine& line = lines.back();
        const QString run = platform::FromCp1252(text);
        QTextCharFormat format;
        QFont qfont(QString::fromLatin1(CHtfQtFonts::kFamily));
        const HtfFontDesign design = HtfFontDesignOf(font);
        qfont.setPixelSize(static_cast<int>(m_fonts.RawFont(font).pixelSize() + 0.5));
        qfont.setWeight(design.weight >= 700 ? QFont::Bold : QFont::Normal);
        qfont.setItalic(design.italic);
        qfont.setKerning(false);
        format.setFont(qfont);
        format.setForeground(
            QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour)));
        line.formats.push_back(
            {static_cast<int>(line.text.size()), static_cast<int>(run.size()), format});
        line.text += run;
    }
    std::vector<PageLine> lines;

private:
    const CHtfQtFonts& m_fonts;
    int m_lastX = INT_MAX;
};

// The sample page's lines as the game lays them out, and the height of its picture.
struct PageRuns {
    std::vector<PageLine> lines;
    int pictureHeight = 0;
};

const PageRuns& TheRuns() {
    static const PageRuns runs = [] {
        PageRuns made;
        CHtfDocument doc;
        if (!ReadHtfFile(TheSample().path, MeasureHtfFonts(Fonts()), 0, doc)) {
            return made;
        }
        CHtfDrawer drawer(doc, Fonts());
        RunRecorder recorder(Fonts());
        drawer.Draw(&recorder, {0, 0, kHtfPageWidth, doc.m_nDocHeight + 5}, 0, INT_MAX);
        made.lines = std::move(recorder.lines);
        made.pictureHeight = HtfPictureHeight(doc.m_nDocHeight);
        return made;
    }();
    return runs;
}

// The game: read the page file, lay it out, make the page picture and draw it.
void BM_HtfLoadLayoutDraw(benchmark::State& state) {
    const Sample& sample = TheSample();
    const CHtfQtFonts& fonts = Fonts();
    for (auto _ : state) {
        CHtfDocument doc;
        if (!ReadHtfFile(sample.path, MeasureHtfFonts(fonts), 0, doc)) {
            state.SkipWithError("cannot read the page");
            return;
        }
        QImage picture(kHtfPageWidth, HtfPictureHeight(doc.m_nDocHeight), QImage::Format_RGB32);
        CHtfDrawer drawer(doc, fonts);
        QPainter painter(&picture);
        DrawHtfPicture(painter, drawer, fonts, doc.m_nDocHeight, 0, picture.height(), true);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_HtfLoadLayoutDraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The same work done by Qt: the same runs in the same fonts and colours, broken into the same
// lines (no wrapping, no HTML), shaped and laid out by QTextLayout line by line and drawn
// into a new picture of the same size, made white first. The runs come ready from memory,
// so the game's side alone also reads and parses its file: BM_HtfRead shows what that costs.
void BM_QtSameLinesLayoutDraw(benchmark::State& state) {
    const PageRuns& runs = TheRuns();
    if (runs.lines.empty()) {
        state.SkipWithError("cannot read the page");
        return;
    }
    QTextOption noWrap;
    noWrap.setWrapMode(QTextOption::NoWrap);
    for (auto _ : state) {
        QImage picture(kHtfPageWidth, runs.pictureHeight, QImage::Format_RGB32);
        QPainter painter(&picture);
        painter.fillRect(0, 0, kHtfPageWidth, runs.pictureHeight, Qt::white);
        for (const PageLine& line : runs.lines) {
            QTextLayout layout(line.text);
            layout.setTextOption(noWrap);
            layout.setFormats(line.formats);
            layout.beginLayout();
            layout.createLine();
            layout.endLayout();
            layout.draw(&painter, line.origin);
        }
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["lines"] = static_cast<double>(runs.lines.size());
}
BENCHMARK(BM_QtSameLinesLayoutDraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The game's reading and parsing of the page file alone.
void BM_HtfRead(benchmark::State& state) {
    const HtfMeasures measures = MeasureHtfFonts(Fonts());
    for (auto _ : state) {
        CHtfDocument doc;
        if (!ReadHtfFile(TheSample().path, measures, 0, doc)) {
            state.SkipWithError("cannot read the page");
            return;
        }
        benchmark::DoNotOptimize(doc.m_nDocHeight);
    }
}
BENCHMARK(BM_HtfRead)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Not the same work, for scale: what a page of Qt's own rich text costs, parsing the text
// as HTML and wrapping it at the page width into a new picture.
void BM_QtHtmlParseWrapDraw(benchmark::State& state) {
    const Sample& sample = TheSample();
    for (auto _ : state) {
        QTextDocument doc;
        doc.setDocumentMargin(5);
        doc.setHtml(sample.html);
        doc.setTextWidth(kHtfPageWidth);
        QImage picture(kHtfPageWidth, static_cast<int>(doc.size().height()) + 1,
                       QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        doc.drawContents(&painter);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
}
BENCHMARK(BM_QtHtmlParseWrapDraw)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The window's whole load as the game does it, making a new page picture every time.
void BM_HtfWindowLoadFile(benchmark::State& state) {
    PageWindow page;
    for (auto _ : state) {
        if (!page.window->LoadFile(TheSample().path, 0, CMuWnd::LoadErrors::Silent,
                                   kHtfAnswerModeNormal)) {
            state.SkipWithError("cannot load the page");
            return;
        }
    }
}
BENCHMARK(BM_HtfWindowLoadFile)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One scroll step of the page window and the paint that follows: a copy of the band.
void BM_HtfWindowScrollStep(benchmark::State& state) {
    PageWindow page;
    CMuWnd* window = page.window;
    if (!window->LoadFile(TheSample().path, 0, CMuWnd::LoadErrors::Silent, kHtfAnswerModeNormal)) {
        state.SkipWithError("cannot load the page");
        return;
    }
    QImage client(window->ClientArea()->size(), QImage::Format_RGB32);
    const int last = window->Document().LineCount() - 1;
    const qint64 picture = window->PagePicture()->cacheKey();
    for (auto _ : state) {
        window->OnVScroll(window->TopLine() >= last ? SB_TOP : SB_LINEDOWN, 0);
        window->ClientArea()->render(&client);
        benchmark::DoNotOptimize(client.constBits());
    }
    // A scroll that drew into the page picture would have changed it.
    state.counters["redrawn"] = window->PagePicture()->cacheKey() != picture ? 1 : 0;
}
BENCHMARK(BM_HtfWindowScrollStep)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::remove(TheSample().path.c_str());
    return 0;
}
