// SPDX-License-Identifier: MIT
// The game's help viewer.
#include "app/HelpViewer.h"

CHelpViewer::CHelpViewer(QWidget* parent) : QWidget(parent) {}
CHelpViewer::~CHelpViewer() = default;
std::string CHelpViewer::PageFor(const std::string&, platform::HelpCommand, int) {
    return {};
}
void CHelpViewer::ShowHelp(const std::string&, platform::HelpCommand, int) {}
