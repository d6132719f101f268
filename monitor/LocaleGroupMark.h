#pragma once

#include <string>

namespace bytelora {

// The user's locale digit-grouping mark as UTF-8 ("," in English, "." in German, a
// no-break space in French), for the monitor's cumulative texts.
std::string LocaleGroupMark();

}  // namespace bytelora
