// SPDX-License-Identifier: MIT
// The readable source of a free-standing page (the help pages): one element per line.
//
//   title    Caption of the window
//   large    A large heading
//   heading  A heading
//   sub      A subheading
//   para     A paragraph with *bold* and _italic_ words
//   small    A small blue note
//   red      A paragraph in red
//   item     1. | A paragraph hanging beside its label
//   link     Link text | target page
//   ask      A question | its answer, shown when the question is clicked
//   gap      (a half-line gap; "smallgap" a smaller one)
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "hypertext/HtfStyle.h"

namespace content {

// Builds the page file text from a page source (UTF-8). Problems go to errors as
// "FILE:LINE: reason"; true when there is none.
bool BuildPageFromSource(std::string_view source, const std::string& fileName,
                         const IHtfFontMetrics& metrics, std::string& page,
                         std::vector<std::string>& errors);

}  // namespace content
