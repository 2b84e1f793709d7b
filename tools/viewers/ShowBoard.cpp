// SPDX-License-Identifier: MIT
// A window with a number puzzle's board, to see and click it by hand outside the game's frame.
// Run in the program folder:
//   show_board FILE.bgd [--marks "c,r,d;..."] [--hint N] [--solution] [--errors] [--click X,Y]
// --click presses the mouse at a point of the board once the window is up (to see the pad).
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "board/MathGridView.h"
#include "platform/Cp1252.h"
#include "platform/GameSwitches.h"
#include "platform/ProgramFolder.h"
#include "puzzle/MathGridDoc.h"

namespace {

// Shows the hints of a clicked cell in the status bar.
class StatusFinder : public IHintFinder {
public:
    explicit StatusFinder(QStatusBar* bar) : m_bar(bar) {}
    void ShowCellHints(const std::string& text, int hintNumber) override {
        m_bar->showMessage(
            QStringLiteral("%1 (hint number %2)").arg(platform::FromCp1252(text)).arg(hintNumber));
    }

private:
    QStatusBar* m_bar;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    if (argc < 2) {
        std::fprintf(stderr,
                     "usage: show_board FILE.bgd [--marks \"c,r,d;...\"] [--hint N] "
                     "[--solution] [--errors] [--click X,Y]\n");
        return 2;
    }
    platform::SetProgramFolder(platform::CurrentDirectory());
    platform::SetPlaySounds(true);

    CMathGridDoc doc;
    if (!doc.OnOpenDocument(argv[1])) {
        return 1;
    }
    std::string click;
    int solutionShown = 0;
    for (int i = 2; i < argc; ++i) {
        std::string option = argv[i];
        std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--marks") {
            size_t start = 0;
            while (start <= value.size()) {
                size_t cut = value.find(';', start);
                CellKey mark = ParseCellKey(value.substr(start, cut - start));
                doc.SetCellValue(mark.column, mark.row, mark.value);
                start = cut == std::string::npos ? value.size() + 1 : cut + 1;
            }
            ++i;
        } else if (option == "--hint") {
            doc.m_nSelectedHint = std::atoi(value.c_str());
            ++i;
        } else if (option == "--solution") {
            solutionShown = 1;
        } else if (option == "--errors") {
            doc.m_bShowErrors = 1;
        } else if (option == "--click") {
            click = value;
            ++i;
        }
    }

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Board"));
    auto* view = new CMathGridView;
    window.setCentralWidget(view);
    view->SetDocument(&doc);
    view->SetHintFinder(std::make_unique<StatusFinder>(window.statusBar()));
    view->Modes().m_bShowSolution = solutionShown;

    QToolBar* bar = window.addToolBar(QStringLiteral("Board"));
    bar->addAction(QStringLiteral("Next Hint"), [&] {
        doc.m_nSelectedHint = doc.m_nSelectedHint >= doc.m_nHintCount ? 0 : doc.m_nSelectedHint + 1;
        window.statusBar()->showMessage(QStringLiteral("Hint %1").arg(doc.m_nSelectedHint));
        view->OnInitialUpdate();
    });
    QAction* errors = bar->addAction(QStringLiteral("Errors"), [&](bool on) {
        doc.m_bShowErrors = on ? 1 : 0;
        view->OnInitialUpdate();
    });
    errors->setCheckable(true);
    QAction* solution = bar->addAction(QStringLiteral("Solution"), [&](bool on) {
        view->Modes().m_bShowSolution = on ? 1 : 0;
        view->OnInitialUpdate();
    });
    solution->setCheckable(true);
    solution->setChecked(solutionShown != 0);
    errors->setChecked(doc.m_bShowErrors != 0);
    QAction* lookup = bar->addAction(QStringLiteral("Find Hints"),
                                     [&](bool on) { view->Modes().m_bHintLookup = on ? 1 : 0; });
    lookup->setCheckable(true);
    bar->addAction(QStringLiteral("Print"), [&] { view->OnFilePrint(); });
    bar->addAction(QStringLiteral("Copy"), [&] { view->OnEditCopy(); });
    bar->addAction(QStringLiteral("Paste"), [&] { view->OnEditPaste(); });

    window.resize(760, 560);
    window.show();
    view->OnInitialUpdate();
    if (!click.empty()) {
        CellKey at = ParseCellKey(click);
        QTimer::singleShot(500, view, [view, at] {
            QPointF point(at.column, at.row);
            QMouseEvent press(QEvent::MouseButtonPress, point, view->viewport()->mapToGlobal(point),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(view->viewport(), &press);
        });
    }
    int result = app.exec();
    view->SetDocument(nullptr);
    return result;
}
