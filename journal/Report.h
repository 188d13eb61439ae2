// The report for parents: one page of HTML with its style and its chart inline, so that it opens from
// the folder by a double click, prints, and never fetches anything or runs a script.
#pragma once

#include <string>

#include "journal/Figures.h"
#include "platform/Platform.h"

namespace journal {

std::string ReportHtml(const Figures& figures, const platform::LocalTime& now);

}  // namespace journal
