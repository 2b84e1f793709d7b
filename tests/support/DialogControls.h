// SPDX-License-Identifier: MIT
// Finding a dialog's controls by their ids in widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QPushButton>

#include "images/DialogTemplate.h"

namespace testsupport {

// The control of that id, as a T; a failure of the test (and null) when there is none.
template <class T = QPushButton>
T* Find(const QWidget* dialog, int id) {
    T* control = qobject_cast<T*>(dlgtemplate::Control(dialog, id));
    EXPECT_NE(control, nullptr) << "control " << id;
    return control;
}

}  // namespace testsupport
