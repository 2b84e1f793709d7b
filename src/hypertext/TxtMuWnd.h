// SPDX-License-Identifier: MIT
// The text-page window: a page window of its own class, made by name like its base.
#pragma once

#include "hypertext/MuWnd.h"

class CTxtMuWnd : public CMuWnd {
    Q_OBJECT

public:
    Q_INVOKABLE explicit CTxtMuWnd(QWidget* parent = nullptr);
    ~CTxtMuWnd() override;
};
