// SPDX-License-Identifier: MIT
// quizlex-tool render-board: paints a number puzzle's board as the game shows it, with marks,
// a highlighted hint, the solution and error asterisks, into a PNG.
#include <QImage>
#include <QPainter>
#include <QString>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Tool.h"
#include "ToolSupport.h"
#include "board/BoardColors.h"
#include "board/BoardPainter.h"
#include "puzzle/MathGridDoc.h"

namespace {

// A whole decimal integer, nothing else.
bool ParseInt(const std::string& text, int& value) {
    if (text.empty()) {
        return false;
    }
    errno = 0;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || parsed < -1000000000L || parsed > 1000000000L) {
        return false;
    }
    value = static_cast<int>(parsed);
    return true;
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t cut = text.find(separator, start);
        parts.push_back(text.substr(start, cut - start));
        if (cut == std::string::npos) {
            return parts;
        }
        start = cut + 1;
    }
}

// Marks "c,r,d;c,r,d", each a grid cell and a digit the pad offers.
bool ApplyMarks(CMathGridDoc& doc, const std::string& marks, std::string& problem) {
    for (const std::string& mark : Split(marks, ';')) {
        if (mark.empty()) {
            continue;
        }
        std::vector<std::string> parts = Split(mark, ',');
        int column = 0, row = 0, digit = 0;
        if (parts.size() != 3 || !ParseInt(parts[0], column) || !ParseInt(parts[1], row) ||
            !ParseInt(parts[2], digit)) {
            problem = "the mark \"" + mark + "\" is not column,row,digit";
            return false;
        }
        if (digit < 0 || digit > 9) {
            problem = "the mark \"" + mark + "\" has a digit outside 0 to 9";
            return false;
        }
        if (!doc.IsGridCell(column, row)) {
            problem = "the mark \"" + mark + "\" names a cell that is not on the grid";
            return false;
        }
        doc.SetCellValue(column, row, digit);
    }
    return true;
}

int RunRenderBoard(const tool::Arguments& arguments) {
    const char* usage =
        "usage: quizlex-tool render-board FILE.bgd OUT.png [--marks \"c,r,d;c,r,d\"] [--hint N] "
        "[--solution] [--errors]";
    if (arguments.size() < 2) {
        return tool::Fail(usage);
    }
    std::string marks;
    int hint = 0;
    bool solution = false;
    bool errors = false;
    for (size_t i = 2; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--solution") {
            solution = true;
        } else if (option == "--errors") {
            errors = true;
        } else if (option == "--marks" && i + 1 < arguments.size()) {
            marks = arguments[++i];
        } else if (option == "--hint" && i + 1 < arguments.size()) {
            if (!ParseInt(arguments[++i], hint) || hint < 0) {
                return tool::Fail("the hint \"" + arguments[i] + "\" is not a hint number");
            }
        } else {
            return tool::Fail(usage);
        }
    }

    CMathGridDoc doc;
    std::vector<std::string> messages;
    if (!tool::OpenPuzzle(arguments[0], doc, messages)) {
        return tool::Fail("cannot read the puzzle " + arguments[0]);
    }
    if (!doc.m_hDIB) {
        return tool::Fail("the board picture cannot be loaded: " + tool::Joined(messages));
    }
    std::string problem;
    if (!ApplyMarks(doc, marks, problem)) {
        return tool::Fail(problem);
    }
    if (hint > doc.m_nHintCount) {
        std::fprintf(stderr, "quizlex-tool: the puzzle has %d hints; hint %d highlights nothing\n",
                     doc.m_nHintCount, hint);
    }
    doc.m_nSelectedHint = hint;
    doc.m_bShowErrors = errors ? 1 : 0;

    QImage image(doc.m_sizeDoc.cx, doc.m_sizeDoc.cy, QImage::Format_RGB32);
    if (image.isNull()) {
        return tool::Fail("the board picture is too large to render");
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        board::PaintMathBoard(painter, doc, board::BoardColors{}, solution, true);
    }
    if (!image.save(QString::fromLocal8Bit(arguments[1].c_str()), "PNG")) {
        return tool::Fail("cannot write " + arguments[1]);
    }
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("render-board",
                "FILE.bgd OUT.png [--marks \"c,r,d;c,r,d\"] [--hint N] [--solution] [--errors]",
                "paints a number puzzle's board as the game shows it, with marks, a hint, the "
                "solution and error asterisks, into a PNG the size of the board picture",
                &RunRenderBoard);
