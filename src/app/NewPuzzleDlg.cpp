// SPDX-License-Identifier: MIT
// The New Puzzle dialog.
#include "app/NewPuzzleDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "maker/PuzzleGenerator.h"

namespace {
const char* const kLevels[] = {"easy", "medium", "hard"};
}

CNewPuzzleDlg::CNewPuzzleDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("New Puzzle"));
    auto* form = new QFormLayout(this);
    m_pLevel = new QComboBox(this);
    m_pLevel->setObjectName(QStringLiteral("level"));
    m_pLevel->addItems({tr("Easy"), tr("Medium"), tr("Hard")});
    m_pSize = new QSpinBox(this);
    m_pSize->setObjectName(QStringLiteral("size"));
    m_pSize->setSuffix(tr(" squares"));
    form->addRow(tr("&Level:"), m_pLevel);
    form->addRow(tr("Board &size:"), m_pSize);
    m_pTopic = new QComboBox(this);
    m_pTopic->setObjectName(QStringLiteral("topic"));
    m_pTopic->addItem(tr("Any"));
    for (const maker::GeneratorTopic& topic : maker::GeneratorTopics()) {
        m_pTopic->addItem(QString::fromStdString(topic.name), QString::fromStdString(topic.tag));
    }
    form->addRow(tr("&Topic:"), m_pTopic);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pLevel, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this](int index) { SetLevel(index); });
    SetLevel(0);
}

void CNewPuzzleDlg::SetLevel(int index) {
    index = std::clamp(index, 0, 2);
    if (m_pLevel->currentIndex() != index) {
        m_pLevel->setCurrentIndex(index);  // comes back here through the signal
        return;
    }
    int smallest = 0;
    int largest = 0;
    maker::LevelSizes(kLevels[index], smallest, largest);
    m_pSize->setRange(smallest, largest);
    m_pSize->setValue(smallest);
}

void CNewPuzzleDlg::SetSize(int size) {
    m_pSize->setValue(size);
}

void CNewPuzzleDlg::accept() {
    m_strLevel = kLevels[std::clamp(m_pLevel->currentIndex(), 0, 2)];
    m_nSize = m_pSize->value();
    m_strTopic = m_pTopic->currentData().toString().toStdString();
    QDialog::accept();
}
