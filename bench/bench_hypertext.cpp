// SPDX-License-Identifier: MIT
// Hypertext pages: loading, laying out and drawing a page of 5,000 items, side by side with
// Qt's rich-text layout of the same text as HTML at the same width; and a scroll step.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QMdiArea>
#include <QPainter>
#include <QTextDocument>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

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

// Both sides draw into a picture made once before timing: what is measured is reading, layout
// and drawing, not the system handing out fresh memory pages for a 40 MB picture.
void FitPicture(benchmark::State& state, QImage& picture, int height) {
    if (picture.height() != height) {
        state.PauseTiming();
        picture = QImage(kHtfPageWidth, height, QImage::Format_RGB32);
        picture.fill(Qt::white);
        state.ResumeTiming();
    }
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

void BM_HtfLoadLayoutDraw(benchmark::State& state) {
    const Sample& sample = TheSample();
    const CHtfQtFonts& fonts = Fonts();
    QImage picture;
    for (auto _ : state) {
        CHtfDocument doc;
        if (!ReadHtfFile(sample.path, MeasureHtfFonts(fonts), 0, doc)) {
            state.SkipWithError("cannot read the page");
            return;
        }
        FitPicture(state, picture, HtfPictureHeight(doc.m_nDocHeight));
        CHtfDrawer drawer(doc, fonts);
        QPainter painter(&picture);
        DrawHtfPicture(painter, drawer, fonts, doc.m_nDocHeight, 0, picture.height(), true);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["height"] = picture.height();
}
BENCHMARK(BM_HtfLoadLayoutDraw)->Unit(benchmark::kMillisecond);

void BM_QtRichTextLayoutDraw(benchmark::State& state) {
    const Sample& sample = TheSample();
    QImage picture;
    for (auto _ : state) {
        QTextDocument doc;
        doc.setDocumentMargin(5);
        doc.setHtml(sample.html);
        doc.setTextWidth(kHtfPageWidth);
        FitPicture(state, picture, static_cast<int>(doc.size().height()) + 1);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        doc.drawContents(&painter);
        painter.end();
        benchmark::DoNotOptimize(picture.constBits());
    }
    state.counters["height"] = picture.height();
}
BENCHMARK(BM_QtRichTextLayoutDraw)->Unit(benchmark::kMillisecond);

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
BENCHMARK(BM_HtfWindowLoadFile)->Unit(benchmark::kMillisecond);

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
