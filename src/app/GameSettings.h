// SPDX-License-Identifier: MIT
// Storing the player's settings in the settings file "Data\Sound.dat".
#pragma once

#include "platform/Services.h"

// Writes the eleven lines of the settings file: play sounds and error detection as "TRUE" or
// "FALSE", then red, green and blue of the highlight, primary and secondary colours. Only an
// existing, writable file is written, over its old text from the start (a missing one is not
// created; bytes of a longer old file stay after line 11, where nothing reads them), and
// nothing is reported. True when the file was written.
bool WriteGameSettings(bool playSounds, bool useErrorDetection, platform::ColorRef highlight,
                       platform::ColorRef primary, platform::ColorRef secondary);
