// SPDX-License-Identifier: MIT
// A window with a number puzzle's board, to see and click it by hand before the game's frame
// hosts it: show_board FILE.bgd (run in the program folder).
#include <QAction>
#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QStatusBar>
#include <QToolBar>
#include <cstdio>
#include <memory>

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: show_board FILE.bgd\n");
        return 2;
    }
    platform::SetProgramFolder(platform::CurrentDirectory());
    platform::SetPlaySounds(true);

    CMathGridDoc doc;
    if (!doc.OnOpenDocument(argv[1])) {
        return 1;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Board"));
    auto* view = new CMathGridView;
    window.setCentralWidget(view);
    view->SetDocument(&doc);
    view->SetHintFinder(std::make_unique<StatusFinder>(window.statusBar()));

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
        view->m_bShowSolution = on ? 1 : 0;
        view->OnInitialUpdate();
    });
    solution->setCheckable(true);
    QAction* lookup = bar->addAction(QStringLiteral("Find Hints"),
                                     [&](bool on) { view->m_bHintLookup = on ? 1 : 0; });
    lookup->setCheckable(true);
    bar->addAction(QStringLiteral("Print"), [&] { view->OnFilePrint(); });
    bar->addAction(QStringLiteral("Copy"), [&] { view->OnEditCopy(); });
    bar->addAction(QStringLiteral("Paste"), [&] { view->OnEditPaste(); });

    window.resize(760, 560);
    window.show();
    view->OnInitialUpdate();
    int result = app.exec();
    view->SetDocument(nullptr);
    return result;
}
