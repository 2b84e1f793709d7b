// SPDX-License-Identifier: MIT
// The action bar across the top of the game.
#include "app/ActionBar.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "images/DialogTemplate.h"
#include "images/GameIcon.h"
#include "platform/DialogUnits.h"
#include "resources/ResourceIds.h"

namespace {

// The pictures of the three big buttons, drawn by the content tool as "IconNNN.bmp".
constexpr int kSolutionIcon = 170;
constexpr int kCheckIcon = 171;
constexpr int kFindIcon = 172;

// A screen reader hears the bar as the tool bar it is. It is a dialog only to lay its buttons
// out in dialog units; heard as a dialog without a name, it would say nothing of its purpose.
QAccessibleInterface* ActionBarAccessible(const QString&, QObject* object) {
    auto* bar = qobject_cast<CActionBar*>(object);
    return bar ? new QAccessibleWidget(bar, QAccessible::ToolBar) : nullptr;
}

}  // namespace

CActionBar::CActionBar(QWidget* parent) : QDialog(parent) {
    // A bar inside the main window, not a window of its own.
    setWindowFlags(Qt::Widget);
    setObjectName(QStringLiteral("actionBar"));
    setProperty("controlId", ids::IDD_ACTION_BAR);
    static const bool accessible = (QAccessible::installFactory(ActionBarAccessible), true);
    (void)accessible;
    setAccessibleName(tr("Action bar"));
    setAutoFillBackground(true);
    platform::PixelRect size = platform::DluToPixels(0, 0, 400, 17);
    resize(size.width, size.height);

    m_pSolutionButton = dlgtemplate::AddButton(this, ids::IDC_BAR_SHOW_SOLUTION, "showSolution",
                                               tr("Show The Solution"), 2, 1, 96, 14);
    m_pCheckButton = dlgtemplate::AddButton(this, ids::IDC_BAR_CHECK_ANSWER, "checkAnswer",
                                            tr("Check My Answer"), 101, 1, 96, 14);
    m_pFindButton = dlgtemplate::AddButton(this, ids::IDC_BAR_FIND_HINTS, "findHints",
                                           tr("Find Hints For A Cell"), 200, 1, 96, 14);
    // Each big button carries a small picture of what it does, beside its text.
    const int iconSide = platform::DluToPixelsY(10);
    for (auto [button, icon] :
         {std::pair{m_pSolutionButton, kSolutionIcon}, std::pair{m_pCheckButton, kCheckIcon},
          std::pair{m_pFindButton, kFindIcon}}) {
        button->setIcon(GameIcon(icon));
        button->setIconSize(QSize(iconSide, iconSide));
    }
    m_pHintsLabel = dlgtemplate::AddText(this, -1, "hintsLabel", tr("Hints:"), 300, 4, 30, 8);
    QLabel* label = m_pHintsLabel;
    label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    label->setWordWrap(false);
    // Takes the Enter key so that it presses nothing else.
    QPushButton* enter = dlgtemplate::AddButton(this, ids::IDC_BAR_ENTER, "enterSink",
                                                QStringLiteral("x"), 302, 3, 7, 6);
    enter->setDefault(true);
    enter->hide();
    m_pClear =
        dlgtemplate::AddButton(this, ids::IDC_BAR_CLEAR, "clearHint", tr("Clear"), 334, 1, 32, 14);
    m_pHintPlace = dlgtemplate::AddButton(this, ids::IDC_BAR_HINT_PLACE, "hintPlace", QString(),
                                          369, 1, 16, 14);
    m_pHintPlace->hide();

    connect(m_pClear, &QPushButton::clicked, this, [this] { emit HintChosen(0); });

    m_nHeight = height();
}

CActionBar::~CActionBar() = default;

void CActionBar::SetCommands(QAction* showSolution, QAction* checkAnswer, QAction* findHints) {
    const std::pair<QPushButton*, QAction*> pairs[] = {{m_pSolutionButton, showSolution},
                                                       {m_pCheckButton, checkAnswer},
                                                       {m_pFindButton, findHints}};
    for (auto [button, action] : pairs) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::changed, button,
                [button, action] { button->setEnabled(action->isEnabled()); });
        button->setEnabled(action->isEnabled());
    }
}

void CActionBar::BuildHintButtons(int count) {
    QRect place = m_pHintPlace->geometry();
    for (QPushButton* button : m_hintButtons) {
        delete button;
    }
    m_hintButtons.clear();
    count = std::min(count, kMaxHintButtons);
    for (int i = 1; i <= count; ++i) {
        if (i >= 2) {
            place.translate(place.width() + 3, 0);
        }
        auto* button = new QPushButton(QString::number(i), this);
        int id = ids::IDC_BAR_FIRST_HINT + i - 1;
        button->setProperty("controlId", id);
        button->setObjectName(QStringLiteral("hint%1").arg(i));
        button->setAccessibleName(QStringLiteral("Hint %1").arg(i));
        button->setAutoDefault(false);
        button->setGeometry(place);
        if (i <= kConnectedHints) {
            connect(button, &QPushButton::clicked, this, [this, i] { emit HintChosen(i); });
        }
        button->show();
        m_hintButtons.push_back(button);
    }
}

std::vector<QWidget*> CActionBar::HintsRow() const {
    std::vector<QWidget*> row{m_pHintsLabel, m_pClear, m_pHintPlace};
    row.insert(row.end(), m_hintButtons.begin(), m_hintButtons.end());
    return row;
}

int CActionBar::FitWidth(int width) {
    const int row = platform::DluToPixelsY(17);
    // Where the row of hints ends when it stands on the first row, beside the big buttons.
    QWidget* last = m_hintButtons.empty() ? static_cast<QWidget*>(m_pClear) : m_hintButtons.back();
    const int end = last->geometry().right() + 1 - m_ptHintsShift.x();
    const QPoint shift =
        end + platform::DluToPixelsX(2) <= width
            ? QPoint(0, 0)
            : QPoint(platform::DluToPixelsX(2) - (m_pHintsLabel->x() - m_ptHintsShift.x()), row);
    for (QWidget* widget : HintsRow()) {
        widget->move(widget->pos() - m_ptHintsShift + shift);
    }
    m_ptHintsShift = shift;
    m_nHeight = shift.isNull() ? row : 2 * row;
    return m_nHeight;
}

void CActionBar::EnableAllHintButtons() {
    for (QPushButton* button : m_hintButtons) {
        button->setEnabled(true);
    }
}

void CActionBar::SelectHintButton(int n) {
    EnableAllHintButtons();
    if (QPushButton* button = HintButton(n)) {
        button->setEnabled(false);
    }
}

QPushButton* CActionBar::HintButton(int i) const {
    return i >= 1 && i <= HintButtonCount() ? m_hintButtons[i - 1] : nullptr;
}

void CActionBar::accept() {
    if (m_bCloseAllowed) {
        QDialog::accept();
    }
}

void CActionBar::reject() {
    if (m_bCloseAllowed) {
        QDialog::reject();
    }
}

void CActionBar::closeEvent(QCloseEvent* event) {
    if (m_bCloseAllowed) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}
