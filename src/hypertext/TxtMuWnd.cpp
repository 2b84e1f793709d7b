// SPDX-License-Identifier: MIT
// The text-page window: a page window of its own class, made by name like its base.
#include "hypertext/TxtMuWnd.h"

CTxtMuWnd::CTxtMuWnd(QWidget* parent) : CMuWnd(parent) {
    setObjectName("txtHtfWindow");
}

CTxtMuWnd::~CTxtMuWnd() = default;
