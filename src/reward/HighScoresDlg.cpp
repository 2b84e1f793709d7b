// SPDX-License-Identifier: MIT
// The "10 Highest Scores" dialog.
#include "reward/HighScoresDlg.h"

#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTextOption>

#include "images/FixedCellDialog.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/GamePaths.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

namespace {

void Place(QWidget* widget, int id, const char* name, int x, int y, int width, int height) {
    widget->setProperty("controlId", id);
    widget->setObjectName(QString::fromLatin1(name));
    const platform::PixelRect r = platform::DluToPixels(x, y, width, height);
    widget->setGeometry(r.x, r.y, r.width, r.height);
}

// Entries are "count<tab>name": the list keeps the desktop list box's tab stops, one every
// 32 dialog units, so the names line up whatever the width of the count.
class TabStopDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QString text = opt.text;
        opt.text.clear();
        QStyle* style = opt.widget ? opt.widget->style() : nullptr;
        if (style) {
            style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, opt.widget);
        }
        QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
        textOption.setTabStopDistance(platform::DluToPixelsX(32));
        textOption.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(opt.palette.color(QPalette::Text));
        painter->drawText(QRectF(opt.rect.adjusted(2, 0, -2, 0)), text, textOption);
        painter->restore();
    }
};

}  // namespace

CHighScoresDlg::CHighScoresDlg(QWidget* parent) : QDialog(parent) {
    setProperty("controlId", ids::IDD_HIGH_SCORES);
    setObjectName(QStringLiteral("HighScoresDlg"));
    setWindowTitle(QStringLiteral("10 Highest Scores"));
    const platform::PixelRect size = platform::DluToPixels(0, 0, 160, 172);
    setFixedSize(size.width, size.height);

    m_pResult = new QLabel(QStringLiteral("Kudos!"), this);
    Place(m_pResult, ids::IDC_SCORE_RESULT, "ScoreResult", 10, 7, 140, 10);
    m_pResult->setAlignment(Qt::AlignCenter);

    m_pList = new QListWidget(this);
    Place(m_pList, ids::IDC_SCORE_LIST, "ScoreList", 10, 22, 140, 122);
    m_pList->setSelectionMode(QAbstractItemView::NoSelection);
    m_pList->setFocusPolicy(Qt::NoFocus);
    m_pList->setItemDelegate(new TabStopDelegate(m_pList));

    m_pOk = new QPushButton(QStringLiteral("OK"), this);
    Place(m_pOk, ids::IDOK, "OkButton", 55, 152, 50, 14);
    m_pOk->setDefault(true);
    connect(m_pOk, &QPushButton::clicked, this, [this] { done(platform::IDOK); });
}

CHighScoresDlg::~CHighScoresDlg() {
    // A dialog destroyed while open still keeps its table.
    if (m_bInitialised) {
        SaveTable();
    }
}

void CHighScoresDlg::SetEntry(const std::string& newEntry, const std::string& resultText) {
    m_strNewEntry = newEntry;
    m_strResult = resultText;
}

int CHighScoresDlg::Run(const std::string& newEntry, const std::string& resultText) {
    SetEntry(newEntry, resultText);
    if (!m_bInitialised) {
        OnInitDialog();
    }
    return exec();
}

bool CHighScoresDlg::OnInitDialog() {
    m_bInitialised = true;
    m_bSaved = false;
    CenterDialog(*this);
    m_pResult->setText(platform::FromCp1252(m_strResult));
    m_table.Load(platform::GamePaths::Program() + CHighScoreTable::kScoresFile, m_strNewEntry);
    m_pList->clear();
    for (const std::string& entry : m_table.Entries()) {
        m_pList->addItem(platform::FromCp1252(entry));
    }
    return true;
}

void CHighScoresDlg::SaveTable() {
    if (m_bSaved) {
        return;
    }
    m_bSaved = true;
    // A table that cannot be written is simply not kept; the old file stays whole.
    m_table.Save(platform::GamePaths::Program() + CHighScoreTable::kScoresFile);
}

void CHighScoresDlg::done(int result) {
    if (m_bInitialised) {
        SaveTable();
        m_bInitialised = false;
    }
    QDialog::done(result);
}

void CHighScoresDlg::reject() {
    done(platform::IDCANCEL);
}

void CHighScoresDlg::setVisible(bool visible) {
    if (visible && !m_bInitialised) {
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}
