#pragma once

// The old path, for apps/ until it includes countd/client/ (see countd/CMakeLists.txt).
#include "countd/client/AppsReport.h"
