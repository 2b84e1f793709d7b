// SPDX-License-Identifier: MIT
// The teacher's printouts as PDF, drawn in vectors with the painter.
#include "teacher/TeacherPdf_qt.h"

#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <memory>

#include "platform/Cp1252.h"
#include "teacher/ReportChart.h"

namespace teacher {

namespace {

const QColor kInk(17, 17, 17);
const QColor kBlue(0, 0, 100);
const QColor kRed(155, 0, 0);
const QColor kGrey(110, 110, 110);
const QColor kBlock(70, 70, 70);

QString Text(const std::string& cp1252) {
    QString text = platform::FromCp1252(cp1252);
    // A minus sign stays with its number: "–14" never breaks after the dash.
    static const QRegularExpression minus(QStringLiteral("([\u2013\u2212-])(?=\\d)"));
    text.replace(minus, QStringLiteral("\\1\u2060"));
    return text;
}

// Points of text per point of the page: the painter is scaled to points, and a font's size is
// taken at the device's resolution, so on a device finer than 72 dots an inch the size is cut
// by as much. Set while pages are painted (one document at a time, on the GUI thread).
double g_fontScale = 1.0;

QFont Font(double size, bool bold = false, bool italic = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(size * g_fontScale);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// A PDF at 72 dots an inch, so that the painter's units are points from the paper's corner.
class PdfPages {
public:
    // A PDF file at 72 dots an inch.
    PdfPages(const std::string& path, const PaperSize& paper) : m_paper(paper) {
        m_writer = std::make_unique<QPdfWriter>(QString::fromStdString(path));
        m_writer->setResolution(72);
        m_writer->setCreator(QStringLiteral("Math Quizlex"));
        const QPageSize size(QSizeF(paper.width, paper.height), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        m_writer->setPageLayout(
            QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
        Begin(m_writer.get());
    }
    // A printer from the print dialog, on the paper it was set up with.
    explicit PdfPages(QPrinter& printer) {
        printer.setFullPage(true);
        const QRectF page = printer.pageLayout().fullRect(QPageLayout::Point);
        m_paper = {"printer", page.width(), page.height()};
        Begin(&printer);
    }
    ~PdfPages() { g_fontScale = 1.0; }
    PdfPages(const PdfPages&) = delete;
    PdfPages& operator=(const PdfPages&) = delete;

    bool Finish() { return m_ok && m_painter.end(); }
    bool Ok() const { return m_ok; }

    QPainter& Painter() { return m_painter; }
    const PaperSize& Paper() const { return m_paper; }
    double Left() const { return kPageMargin; }
    double Width() const { return m_paper.width - 2 * kPageMargin; }
    double Bottom() const { return m_paper.height - kPageMargin; }
    double& Y() { return m_y; }

    void NewPage() {
        m_device->newPage();
        m_y = kPageMargin;
    }
    // A new page unless there is room for height more.
    void Room(double height) {
        if (m_y + height > Bottom() && m_y > kPageMargin + 1) {
            NewPage();
        }
    }

    // Height of a text wrapped to a width.
    double Measure(const QString& text, const QFont& font, double width) {
        const QFontMetricsF metrics(font, m_device);
        return metrics
            .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft, text)
            .height();
    }
    // Draws a wrapped paragraph at the cursor and moves below it.
    void Paragraph(const QString& text, const QFont& font, const QColor& colour, double indent = 0,
                   double after = 4) {
        const double width = Width() - indent;
        const double height = Measure(text, font, width);
        Room(height);
        m_painter.setFont(font);
        m_painter.setPen(colour);
        m_painter.drawText(QRectF(Left() + indent, m_y, width, height + 2),
                           Qt::TextWordWrap | Qt::AlignLeft, text);
        m_y += height + after;
    }

private:
    // The painter works in points from the paper's corner whatever the device's resolution.
    void Begin(QPagedPaintDevice* device) {
        m_device = device;
        m_ok = m_painter.begin(device);
        const double scale = device->logicalDpiX() / 72.0;
        m_painter.scale(scale, scale);
        g_fontScale = 1.0 / scale;
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_y = kPageMargin;
    }

    PaperSize m_paper{kA4};
    std::unique_ptr<QPdfWriter> m_writer;
    QPagedPaintDevice* m_device = nullptr;
    QPainter m_painter;
    bool m_ok = false;
    double m_y = 0;
};

// The board: white squares with thin lines and their clue numbers, blocks filled dark, and
// with digits the solution in the squares.
void DrawBoard(QPainter& painter, const Worksheet& sheet, const PageRect& rect, bool digits) {
    const double s = rect.cell;
    painter.setPen(Qt::NoPen);
    painter.setBrush(kBlock);
    painter.drawRect(QRectF(rect.left, rect.top, s * sheet.columns, s * sheet.rows));
    painter.setBrush(Qt::white);
    for (const WorksheetCell& cell : sheet.cells) {
        painter.drawRect(QRectF(rect.left + cell.column * s, rect.top + cell.row * s, s, s));
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 0.8));
    for (const WorksheetCell& cell : sheet.cells) {
        painter.drawRect(QRectF(rect.left + cell.column * s, rect.top + cell.row * s, s, s));
    }
    painter.setPen(QPen(kInk, 1.6));
    painter.drawRect(QRectF(rect.left, rect.top, s * sheet.columns, s * sheet.rows));
    painter.setPen(kInk);
    painter.setFont(Font(std::max(5.0, s * 0.26)));
    for (const WorksheetCell& cell : sheet.cells) {
        if (cell.number > 0) {
            painter.drawText(QRectF(rect.left + cell.column * s + s * 0.08,
                                    rect.top + cell.row * s + s * 0.02, s, s),
                             Qt::AlignLeft | Qt::AlignTop, QString::number(cell.number));
        }
    }
    if (digits) {
        painter.setFont(Font(s * 0.55, true));
        painter.setPen(kRed);
        for (const WorksheetCell& cell : sheet.cells) {
            if (cell.digit != '\0') {
                painter.drawText(
                    QRectF(rect.left + cell.column * s, rect.top + cell.row * s + s * 0.08, s, s),
                    Qt::AlignCenter, QString(QChar(cell.digit)));
            }
        }
    }
}

QString ClueLine(const WorksheetClue& clue) {
    QString line = Text(clue.text);
    if (clue.length > 0) {
        line += QStringLiteral("  (%1)").arg(clue.length);
    }
    return line;
}

// The clues of one direction in a column; returns its height (drawn only when draw is set).
double ClueColumn(PdfPages& pdf, const char* heading, const std::vector<WorksheetClue>& clues,
                  double left, double top, double width, bool draw) {
    QPainter& painter = pdf.Painter();
    double y = top;
    if (draw) {
        painter.setFont(Font(13, true));
        painter.setPen(kInk);
        painter.drawText(QPointF(left, y + 13), QString::fromLatin1(heading));
    }
    y += 20;
    const QFont body = Font(10.5);
    for (const WorksheetClue& clue : clues) {
        const QString line = ClueLine(clue);
        const double height = pdf.Measure(line, body, width - 22);
        if (draw) {
            painter.setFont(Font(10.5, true));
            painter.drawText(QRectF(left, y, 22, height), Qt::AlignLeft | Qt::AlignTop,
                             QString::number(clue.number));
            painter.setFont(body);
            painter.drawText(QRectF(left + 22, y, width - 22, height + 2),
                             Qt::TextWordWrap | Qt::AlignLeft, line);
        }
        y += height + 5;
    }
    return y - top;
}

QColor ColourOfCode(int code) {
    switch (code) {
        case 3:
        case 6:
        case 7:
            return kBlue;
        case 4:
        case 8:
            return kRed;
        default:
            return kInk;
    }
}

void PrintParagraphs(PdfPages& pdf, const std::vector<PrintParagraph>& paragraphs) {
    for (const PrintParagraph& paragraph : paragraphs) {
        if (paragraph.kind == PrintParagraph::kGap) {
            pdf.Y() += 4;
            continue;
        }
        const int code = paragraph.Code();
        const bool heading = paragraph.kind == PrintParagraph::kHeading;
        const QFont font =
            Font(heading ? 11.5 : 10.5, heading || code == 2 || code == 3 || code == 4, code == 5);
        QString text = Text(paragraph.Text());
        if (!paragraph.label.empty()) {
            text = Text(paragraph.label) + QStringLiteral("  ") + text;
        }
        pdf.Paragraph(text, font, ColourOfCode(code), paragraph.label.empty() ? 0 : 10, 3);
    }
}

void WorksheetPages(PdfPages& pdf, const Worksheet& sheet, const WorksheetOptions& options) {
    QPainter& painter = pdf.Painter();
    // The pupil's name at the very top, so that a long topic line never runs into it.
    painter.setFont(Font(10.5));
    painter.setPen(kInk);
    painter.drawText(QPointF(pdf.Left(), 40),
                     QStringLiteral("Name: ______________________     Date: ______________"));
    pdf.Y() = 54;
    pdf.Paragraph(Text(sheet.title), Font(22, true), kInk, 0, 4);
    if (!sheet.levelLine.empty()) {
        pdf.Paragraph(Text(sheet.levelLine), Font(10.5), kBlue, 0, 2);
    }
    if (!sheet.topicLine.empty()) {
        pdf.Paragraph(Text(sheet.topicLine), Font(10.5), kBlue, 0, 2);
    }

    const PageRect board = WorksheetBoardRect(pdf.Paper(), sheet.columns, sheet.rows);
    DrawBoard(painter, sheet, board, false);
    pdf.Y() = board.top + board.cell * sheet.rows + 16;
    for (const std::string& paragraph : sheet.intro) {
        pdf.Paragraph(Text(paragraph), Font(10.5), kInk, 0, 4);
    }
    pdf.Y() += 6;

    const double gutter = 18;
    const double column = (pdf.Width() - gutter) / 2;
    const double height = std::max(ClueColumn(pdf, "Across", sheet.across, 0, 0, column, false),
                                   ClueColumn(pdf, "Down", sheet.down, 0, 0, column, false));
    if (pdf.Y() + height > pdf.Bottom()) {
        pdf.NewPage();
    }
    ClueColumn(pdf, "Across", sheet.across, pdf.Left(), pdf.Y(), column, true);
    ClueColumn(pdf, "Down", sheet.down, pdf.Left() + column + gutter, pdf.Y(), column, true);
    pdf.Y() += height + 8;

    // Room to work: the rest of the page, or a page of its own when little is left.
    if (pdf.Bottom() - pdf.Y() < 120) {
        pdf.NewPage();
    }
    painter.setPen(QPen(kGrey, 0.6, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(pdf.Left(), pdf.Y(), pdf.Width(), pdf.Bottom() - pdf.Y()), 6, 6);
    painter.setFont(Font(9, false, true));
    painter.setPen(kGrey);
    painter.drawText(QPointF(pdf.Left() + 8, pdf.Y() + 14), QStringLiteral("Working"));

    if (options.hints && !sheet.hints.empty()) {
        pdf.NewPage();
        pdf.Paragraph(QStringLiteral("Hints: ") + Text(sheet.title), Font(18, true), kInk, 0, 8);
        for (const WorksheetHint& hint : sheet.hints) {
            pdf.Room(60);
            pdf.Paragraph(Text(hint.heading), Font(13, true), kInk, 0, 3);
            PrintParagraphs(pdf, hint.paragraphs);
            pdf.Y() += 8;
        }
    }
    if (options.answers) {
        pdf.NewPage();
        pdf.Paragraph(QStringLiteral("Answer key: ") + Text(sheet.title), Font(18, true), kInk, 0,
                      8);
        PageRect key = WorksheetBoardRect(pdf.Paper(), sheet.columns, sheet.rows);
        key.top = pdf.Y() + 4;
        DrawBoard(painter, sheet, key, true);
        pdf.Y() = key.top + key.cell * sheet.rows + 16;
        for (const auto* clues : {&sheet.across, &sheet.down}) {
            for (const WorksheetClue& clue : *clues) {
                pdf.Room(50);
                const QString name = QStringLiteral("%1 %2: ")
                                         .arg(clue.number)
                                         .arg(clues == &sheet.across ? QStringLiteral("Across")
                                                                     : QStringLiteral("Down"));
                pdf.Paragraph(name + QString::fromStdString(clue.answer), Font(11.5, true), kRed, 0,
                              2);
                pdf.Paragraph(Text(clue.text), Font(10, false, true), kInk, 10, 2);
                for (const PrintParagraph& step : clue.working) {
                    pdf.Paragraph(
                        Text(step.label.empty() ? step.Text() : step.label + "  " + step.Text()),
                        Font(10), kInk, 10, 2);
                }
                pdf.Y() += 6;
            }
        }
    }
}

// The chart's shapes, scaled to a width, at the cursor.
void DrawChart(PdfPages& pdf, const Chart& chart) {
    QPainter& painter = pdf.Painter();
    painter.save();
    painter.translate(pdf.Left(), pdf.Y());
    for (const ChartShape& shape : chart.shapes) {
        const QColor colour(QRgb(0xFF000000u | shape.colour));
        switch (shape.kind) {
            case ChartShape::kLine:
                painter.setPen(QPen(colour, 0.7));
                painter.drawLine(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2));
                break;
            case ChartShape::kRect:
                painter.setPen(shape.filled ? QPen(Qt::NoPen) : QPen(colour, 0.8));
                painter.setBrush(shape.filled ? QBrush(colour) : QBrush(Qt::NoBrush));
                painter.drawRect(QRectF(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2)));
                break;
            case ChartShape::kDot:
                painter.setPen(Qt::NoPen);
                painter.setBrush(colour);
                painter.drawEllipse(QPointF(shape.x1, shape.y1), shape.x2, shape.x2);
                break;
            case ChartShape::kText: {
                painter.save();
                painter.translate(shape.x1, shape.y1);
                painter.rotate(shape.x2);
                painter.setFont(Font(shape.size * 0.9));
                painter.setPen(colour);
                const QString text = QString::fromUtf8(shape.text.c_str());
                const double width =
                    QFontMetricsF(painter.font(), painter.device()).horizontalAdvance(text);
                const double x = shape.anchor < 0 ? 0 : shape.anchor > 0 ? -width : -width / 2;
                painter.drawText(QPointF(x, 0), text);
                painter.restore();
                break;
            }
        }
    }
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    pdf.Y() += chart.height + 10;
}

// A table with its header again at the top of each new page; texts too wide are cut short.
void Table(PdfPages& pdf, const QString& caption, const std::vector<QString>& head,
           const std::vector<double>& share, const std::vector<std::vector<QString>>& rows,
           const std::function<bool(size_t)>& marked = nullptr) {
    QPainter& painter = pdf.Painter();
    const QFont font = Font(8.5);
    const QFont bold = Font(8.5, true);
    const double rowHeight = 13;
    pdf.Room(18 + 3 * rowHeight);
    pdf.Paragraph(caption, Font(13, true), kInk, 0, 4);
    std::vector<double> x;
    double total = 0;
    for (double part : share) {
        x.push_back(pdf.Left() + total * pdf.Width());
        total += part;
    }
    auto drawRow = [&](const std::vector<QString>& cells, bool header, bool red) {
        const double y = pdf.Y();
        if (header) {
            painter.fillRect(QRectF(pdf.Left(), y, pdf.Width(), rowHeight), QColor(232, 238, 248));
        } else if (red) {
            painter.fillRect(QRectF(pdf.Left(), y, pdf.Width(), rowHeight), QColor(253, 232, 232));
        }
        painter.setFont(header ? bold : font);
        painter.setPen(red ? kRed : kInk);
        const QFontMetricsF metrics(painter.font(), painter.device());
        for (size_t i = 0; i < cells.size() && i < x.size(); ++i) {
            const double width = share[i] * pdf.Width() - 4;
            painter.drawText(QPointF(x[i] + 2, y + 9.5),
                             metrics.elidedText(cells[i], Qt::ElideRight, width));
        }
        painter.setPen(QPen(QColor(190, 190, 190), 0.4));
        painter.drawLine(QPointF(pdf.Left(), y + rowHeight),
                         QPointF(pdf.Left() + pdf.Width(), y + rowHeight));
        pdf.Y() += rowHeight;
    };
    drawRow(head, true, false);
    for (size_t r = 0; r < rows.size(); ++r) {
        if (pdf.Y() + rowHeight > pdf.Bottom()) {
            pdf.NewPage();
            drawRow(head, true, false);
        }
        drawRow(rows[r], false, marked && marked(r));
    }
    pdf.Y() += 10;
}

QString Cell(double value) {
    return QString::number(value, 'f', 1);
}

std::vector<QString> SpreadCells(const ScoreSpread& spread) {
    if (spread.count == 0) {
        return {QString(), QString(), QString()};
    }
    return {Cell(spread.average), QString::number(spread.lowest), QString::number(spread.highest)};
}

QString Topics(const std::vector<std::string>& topics) {
    QStringList names;
    for (const std::string& topic : topics) {
        names << Text(topic);
    }
    return names.join(QStringLiteral(", "));
}

}  // namespace

PaperSize PaperOfLocale() {
    const QLocale locale = QLocale::system();
    return locale.measurementSystem() == QLocale::ImperialUSSystem ||
                   locale.territory() == QLocale::Canada
               ? kLetter
               : kA4;
}

bool PaperByName(const std::string& name, PaperSize& paper) {
    for (const PaperSize& size : {kA4, kLetter}) {
        if (name == size.name) {
            paper = size;
            return true;
        }
    }
    return false;
}

namespace {

void PaintWorksheets(PdfPages& pdf, const std::vector<Worksheet>& sheets,
                     const WorksheetOptions& options) {
    for (size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            pdf.NewPage();
        }
        WorksheetPages(pdf, sheets[i], options);
    }
}

}  // namespace

bool WriteWorksheetPdf(const std::vector<Worksheet>& sheets, const WorksheetOptions& options,
                       const std::string& path, std::string& error) {
    PdfPages pdf(path, options.paper);
    if (pdf.Ok()) {
        PaintWorksheets(pdf, sheets, options);
    }
    if (!pdf.Finish()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool PrintWorksheets(QPrinter& printer, const std::vector<Worksheet>& sheets,
                     const WorksheetOptions& options) {
    PdfPages pdf(printer);
    if (pdf.Ok()) {
        PaintWorksheets(pdf, sheets, options);
    }
    return pdf.Finish();
}

namespace {

void PaintClassReport(PdfPages& pdf, const ClassReport& report, const std::string& heading) {
    pdf.Paragraph(QString::fromUtf8(heading.c_str()), Font(20, true), kInk, 0, 4);
    int damaged = 0;
    for (const PlayerReport& player : report.players) {
        damaged += player.damage.empty() ? 0 : 1;
    }
    pdf.Paragraph(
        QStringLiteral("%1 players, %2 games%3. Scores are out of 100; an average "
                       "counts finished games only.")
            .arg(report.players.size())
            .arg(report.games.size())
            .arg(damaged ? QStringLiteral(", %1 damaged player files").arg(damaged) : QString()),
        Font(10), kInk, 0, 8);
    pdf.Paragraph(QStringLiteral("Scores per game"), Font(13, true), kInk, 0, 4);
    DrawChart(pdf, ScoreChart(report, pdf.Width()));

    // The topics' column only when some puzzle names topics.
    const bool topics = !report.topics.empty();
    std::vector<std::vector<QString>> rows;
    for (const GameReport& game : report.games) {
        std::vector<QString> row = {Text(game.title), QString::number(game.players),
                                    QString::number(game.spread.count)};
        if (topics) {
            row.insert(row.begin() + 1, Topics(game.topics));
        }
        for (QString& cell : SpreadCells(game.spread)) {
            row.push_back(cell);
        }
        rows.push_back(row);
    }
    std::vector<QString> head = {"Game", "Played by", "Finished", "Average", "Lowest", "Highest"};
    std::vector<double> share = {0.4, 0.12, 0.12, 0.12, 0.12, 0.12};
    if (topics) {
        head.insert(head.begin() + 1, "Topics");
        share = {0.24, 0.3, 0.1, 0.09, 0.09, 0.09, 0.09};
    }
    Table(pdf, QStringLiteral("Games"), head, share, rows);

    rows.clear();
    for (const PlayerReport& player : report.players) {
        rows.push_back({Text(player.name), QString::number(player.finished),
                        player.average < 0 ? QString() : Cell(player.average),
                        Text(player.fileName) +
                            (player.damage.empty()
                                 ? QString()
                                 : QStringLiteral(" (damaged: ") + Text(player.damage) + ")")});
    }
    Table(pdf, QStringLiteral("Players"),
          {"Player", "Games finished", "Average score", "Player file"}, {0.25, 0.16, 0.16, 0.43},
          rows, [&](size_t r) { return !report.players[r].damage.empty(); });

    if (!report.topics.empty()) {
        rows.clear();
        for (const TopicReport& topic : report.topics) {
            std::vector<QString> row = {Text(topic.topic), QString::number(topic.games),
                                        QString::number(topic.records),
                                        QString::number(topic.spread.count)};
            for (QString& cell : SpreadCells(topic.spread)) {
                row.push_back(cell);
            }
            rows.push_back(row);
        }
        Table(pdf, QStringLiteral("Topics"),
              {"Topic", "Games", "Records", "Finished", "Average", "Lowest", "Highest"},
              {0.40, 0.09, 0.09, 0.09, 0.11, 0.11, 0.11}, rows);
    }

    rows.clear();
    std::vector<bool> red;
    for (const PlayerReport& player : report.players) {
        if (!player.damage.empty()) {
            rows.push_back(
                {Text(player.name), QString(), QStringLiteral("damaged: ") + Text(player.damage)});
            red.push_back(true);
        }
        for (const GameReport& game : report.games) {
            const GameResult* result = nullptr;
            for (const GameResult& candidate : player.results) {
                if (candidate.title == game.title) {
                    result = &candidate;
                }
            }
            if (result == nullptr && !player.damage.empty()) {
                continue;
            }
            std::vector<QString> row = {Text(player.name), Text(game.title),
                                        result == nullptr  ? QStringLiteral("not started")
                                        : result->finished ? QStringLiteral("finished")
                                                           : QStringLiteral("not finished")};
            if (result != nullptr) {
                row.push_back(result->finished ? QString::number(result->score) : QString());
                for (int count : {result->plays, result->hints, result->checks, result->errors}) {
                    row.push_back(QString::number(count));
                }
            }
            rows.push_back(row);
            red.push_back(false);
        }
    }
    Table(pdf, QStringLiteral("Every player and game"),
          {"Player", "Game", "Status", "Score", "Plays", "Hints taken", "Checks", "Error displays"},
          {0.16, 0.24, 0.12, 0.07, 0.07, 0.12, 0.08, 0.14}, rows, [&](size_t r) { return red[r]; });
}

}  // namespace

bool WriteClassReportPdf(const ClassReport& report, const std::string& heading,
                         const PaperSize& paper, const std::string& path, std::string& error) {
    PdfPages pdf(path, paper);
    if (pdf.Ok()) {
        PaintClassReport(pdf, report, heading);
    }
    if (!pdf.Finish()) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

bool PrintClassReport(QPrinter& printer, const ClassReport& report, const std::string& heading) {
    PdfPages pdf(printer);
    if (pdf.Ok()) {
        PaintClassReport(pdf, report, heading);
    }
    return pdf.Finish();
}

}  // namespace teacher
