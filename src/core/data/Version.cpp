#include "core/data/Version.h"
